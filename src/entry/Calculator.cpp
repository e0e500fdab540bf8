// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Calculator.h"

#include <optional>

#include "platform/MessageDialog.h"

namespace plumbrule {

namespace {

bool contains(const std::string& text, char c) {
    return text.find(c) != std::string::npos;
}

}  // namespace

Calculator::Calculator(MessageDialog& messages) : messages_(messages) {}

// A digit, point or fraction key that replaces a shown value begins a new
// operand: the next operator must evaluate it, whether the previous operator
// came from the keyboard or the mouse.
void Calculator::beginNewEntry() {
    state_.display.clear();
    state_.blnNewExpresion = false;
    state_.blnOperatorKeyed = false;
    state_.blnNewNumber = true;
}

void Calculator::cmdNum_Click(int index) {
    if (index < 0 || index > 9) return;
    if (state_.blnNewExpresion) beginNewEntry();
    state_.display += static_cast<char>('0' + index);
}

void Calculator::cmdDot_Click() {
    if (state_.blnNewExpresion) {
        beginNewEntry();
        state_.display = "0.";
    } else if (!contains(state_.display, '.')) {
        state_.display += '.';
    }
}

void Calculator::cmdFeet_Click() {
    if (!state_.display.empty() && !contains(state_.display, '\'')) state_.display += '\'';
}

void Calculator::cmdInches_Click() {
    if (!state_.display.empty() && !contains(state_.display, '"')) state_.display += '"';
}

void Calculator::cmdFraction_Click() {
    std::string& display = state_.display;
    // A dash already typed (a begun fraction or a minus sign) blocks a second one.
    if (contains(display, '-') && !state_.blnNewExpresion) return;

    if (state_.blnNewExpresion) {
        beginNewEntry();
        display = "0-";
    } else if (display.empty()) {
        display = "0-";
    } else if (display.back() == '"') {
        display.back() = '-';  // 5'3" becomes 5'3-
    } else if (display.back() == '\'') {
        display += "0-";  // 5' becomes 5'0-
    } else {
        display += '-';
    }
    state_.blnFractionEntry = true;
    state_.blnNewExpresion = false;
}

void Calculator::cmdNeg_Click() {
    std::string& display = state_.display;
    if (display == "0") return;
    if (!display.empty() && display.front() == '-') {
        display.erase(0, 1);
    } else {
        display.insert(0, 1, '-');
    }
}

void Calculator::cmdBack_Click() {
    std::string& display = state_.display;
    if (!display.empty()) display.pop_back();
    if (display.empty()) display = "0";
}

void Calculator::cmdDelete_Click() {
    if (state_.display.empty()) {
        cmdAC_Click();
    } else if (state_.display != "0") {
        state_.display.clear();
    }
}

void Calculator::cmdAC_Click() {
    state_.display = "0";
    state_.indicator = imgBlank;
    state_.evaluator.lngPendingOp = opNone;
    state_.evaluator.dblTotal = 0;
    state_.blnNewExpresion = true;
}

void Calculator::cmdAdd_Click() {
    operatorKey(opAdd);
}
void Calculator::cmdSubtract_Click() {
    operatorKey(opSubtract);
}
void Calculator::cmdMultiply_Click() {
    operatorKey(opMultiply);
}

void Calculator::cmdDivide_Click() {
    // During fraction entry the divide key is the fraction bar.
    if (state_.blnFractionEntry) {
        state_.display += '/';
        return;
    }
    operatorKey(opDivide);
}

void Calculator::cmdEquals_Click() {
    state_.indicator = imgBlank;
    state_.display = DoMath(state_.evaluator.lngPendingOp);
    state_.evaluator.lngPendingOp = opNone;
    state_.blnNewExpresion = true;
}

void Calculator::operatorKey(std::int32_t op) {
    // A second operator typed right after another only replaces the pending one.
    if (!state_.blnOperatorKeyed) state_.display = DoMath(state_.evaluator.lngPendingOp);
    state_.blnNewExpresion = true;
    state_.evaluator.lngPendingOp = op;
    state_.indicator = IndicatorFor(op);
}

void Calculator::recall(const std::string& text) {
    state_.display = text;
    state_.blnOperatorKeyed = false;
    state_.blnNewNumber = true;
}

std::string Calculator::DoMath(std::int32_t op) {
    std::optional<std::string> report;
    std::string result =
        plumbrule::DoMath(state_.display, op, state_.evaluator, state_.options,
                          [&report](const std::string& message) { report = message; });
    if (report) {
        // The box is closed before everything is cleared.
        messages_.show(*report, MessageIcon::Critical);
        cmdAC_Click();
        return "0";
    }
    return result;
}

}  // namespace plumbrule
