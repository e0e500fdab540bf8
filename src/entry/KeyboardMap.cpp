// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/KeyboardMap.h"

#include "entry/Calculator.h"
#include "entry/TapeRecorder.h"

namespace plumbrule {

namespace {

// Typed input stops at this many characters in the display.
constexpr std::size_t kTypedLimit = 15;

const std::string kCRLF(CRLF);

}  // namespace

KeyboardMap::KeyboardMap(Calculator& calculator, HistoryAccess& history)
    : calculator_(calculator), history_(history) {}

void KeyboardMap::Form_KeyDown(int KeyCode, int Shift) {
    CalculatorState& state = calculator_.state();
    // A key that arrives on a bare "0" starts a new number, whatever it is.
    if (state.display == "0") state.blnNewNumber = true;

    bool carryOn = true;
    if (Shift == 0 && KeyCode >= vk0 && KeyCode <= vk9) {
        carryOn = typeDigit(KeyCode - vk0);
    } else if (Shift == 0 && KeyCode >= vkNumpad0 && KeyCode <= vkNumpad9) {
        carryOn = typeDigit(KeyCode - vkNumpad0);
    } else {
        carryOn = dispatch(KeyCode, Shift);
    }
    if (!carryOn) return;

    // Keep the last line of the tape in view.
    history_.tape().moveCaretToEnd();
}

bool KeyboardMap::typeDigit(int digit) {
    CalculatorState& state = calculator_.state();
    if (state.display.size() == kTypedLimit) return false;
    if (state.blnNewExpresion) {
        state.display.clear();
        state.blnNewExpresion = false;
        beginNewEntry();
    }
    state.display += static_cast<char>('0' + digit);
    return true;
}

bool KeyboardMap::dispatch(int KeyCode, int Shift) {
    Calculator& c = calculator_;
    switch (KeyCode) {
        case vkBack:
            c.cmdBack_Click();
            c.state().blnOperatorKeyed = false;
            break;
        case vkReturn:
            enterKey();
            break;
        case vkDelete:
            deleteKey();
            break;
        case vk8:
            if (Shift == maskShift) operatorKey(&Calculator::cmdMultiply_Click, opMultiply);
            break;
        case vkMultiply:
            operatorKey(&Calculator::cmdMultiply_Click, opMultiply);
            break;
        case vkAdd:
            operatorKey(&Calculator::cmdAdd_Click, opAdd);
            break;
        case vkOemPlus:
            if (Shift == maskShift) operatorKey(&Calculator::cmdAdd_Click, opAdd);
            break;
        case vkSubtract:
        case vkOemMinus:
            operatorKey(&Calculator::cmdSubtract_Click, opSubtract);
            break;
        case vkDivide:
        case vkOem2:
            divideKey();
            break;
        case vkDecimal:
        case vkOemPeriod:
            return pointKey();
        case vkF:
            fractionKey();
            break;
        case vkN:
            c.cmdNeg_Click();
            break;
        case vkOem7:
            if (Shift == maskShift) {
                c.cmdInches_Click();
            } else {
                c.cmdFeet_Click();
            }
            break;
        default:
            break;  // no row: only the tail runs
    }
    return true;
}

// The case is chosen before the operation runs (D: the display as the key
// arrives, R: the display after it, S: the key's token).
void KeyboardMap::operatorKey(void (Calculator::*operation)(), std::int32_t op) {
    CalculatorState& state = calculator_.state();
    const std::int32_t pending = state.evaluator.lngPendingOp;
    const std::string D = state.display;
    const std::string S(OperatorToken(op));

    if (pending != opNone && state.blnOperatorKeyed) {
        // A1: a second operator in a row only swaps the pending operation.
        (calculator_.*operation)();
        history_.tape().changeOperator(state.evaluator.lngPendingOp);
    } else if (pending != opNone) {
        // A2: the operand, the intermediate result and the new operator.
        record(D);
        (calculator_.*operation)();
        record(kCRLF + "= " + state.display + kCRLF + S);
    } else if (history_.tape().empty() || state.intLastAction == actClearAll) {
        // B1: a fresh tape or just after clear all.
        record(D + kCRLF + S);
        (calculator_.*operation)();
    } else if (state.blnNewNumber) {
        // B2: a new first operand, after a blank line.
        record(kCRLF + kCRLF + D + kCRLF + S);
        (calculator_.*operation)();
    } else {
        // B3: going on from the shown result.
        record(kCRLF + S);
        (calculator_.*operation)();
    }
    state.intLastAction = actOperator;
    state.blnOperatorKeyed = true;
}

void KeyboardMap::enterKey() {
    CalculatorState& state = calculator_.state();
    if (state.evaluator.lngPendingOp >= opAdd) {
        record(state.display);
        calculator_.cmdEquals_Click();
        record(kCRLF + "= " + state.display);
    } else {
        calculator_.cmdEquals_Click();
    }
    state.intLastAction = actEnter;
    state.blnOperatorKeyed = false;
    state.blnNewNumber = false;
}

// Delete clears the entry; Delete on an empty display clears all.
void KeyboardMap::deleteKey() {
    CalculatorState& state = calculator_.state();
    if (!state.display.empty()) {
        calculator_.cmdDelete_Click();
        return;
    }
    calculator_.cmdAC_Click();
    record(kCRLF + "clr" + kCRLF + kCRLF);
    state.intLastAction = actClearAll;
    state.blnOperatorKeyed = false;
    state.blnNewNumber = false;
}

// During fraction entry the divide key types the fraction bar and ends the
// fraction; otherwise it divides like any operator.
void KeyboardMap::divideKey() {
    CalculatorState& state = calculator_.state();
    const bool fraction = state.blnFractionEntry;
    if (fraction) {
        calculator_.cmdDivide_Click();
    } else {
        operatorKey(&Calculator::cmdDivide_Click, opDivide);
    }
    state.intLastAction = actOperator;
    state.blnFractionEntry = false;
}

// A typed point after a dash (a minus sign or a fraction dash) would make an
// unreadable length, so it is refused, as it is on a full display. A shown
// result that the point replaces with "0." is no such case: refusing the point
// there would turn a typed ".5" after a result of -2 into 5.
bool KeyboardMap::pointKey() {
    CalculatorState& state = calculator_.state();
    if (state.display.size() == kTypedLimit) return false;
    const bool startsEntry = state.blnNewExpresion;
    if (!startsEntry && state.display.find('-') != std::string::npos) return false;
    calculator_.cmdDot_Click();
    if (startsEntry) beginNewEntry();
    return true;
}

void KeyboardMap::fractionKey() {
    CalculatorState& state = calculator_.state();
    // The fraction key replaces a shown value with "0-": that begins a new
    // entry like a digit does.
    const bool startsEntry = state.blnNewExpresion;
    calculator_.cmdFraction_Click();
    if (startsEntry) beginNewEntry();
}

// A new entry is an operand: the next operator evaluates it and the tape
// records it, however the entry was begun.
void KeyboardMap::beginNewEntry() {
    CalculatorState& state = calculator_.state();
    state.blnOperatorKeyed = false;
    state.blnNewNumber = true;
}

void KeyboardMap::record(const std::string& entry) {
    history_.tape().append(entry);
}

}  // namespace plumbrule
