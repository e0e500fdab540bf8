// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry editor and the evaluator's buttons, without any window.
#include "entry/Calculator.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FakeMessageDialog.h"

namespace plumbrule {
namespace {

using testing::FakeMessageDialog;

// Presses keys given as one character each:
//   0-9 digits, '.' point, 'f' feet, 'i' inch, 'F' fraction, 'N' sign,
//   'B' backspace, 'E' clear entry, 'C' clear all, + - * / = the operators.
void press(Calculator& calculator, const std::string& keys) {
    for (const char key : keys) {
        if (key >= '0' && key <= '9') {
            calculator.cmdNum_Click(key - '0');
            continue;
        }
        switch (key) {
            case '.':
                calculator.cmdDot_Click();
                break;
            case 'f':
                calculator.cmdFeet_Click();
                break;
            case 'i':
                calculator.cmdInches_Click();
                break;
            case 'F':
                calculator.cmdFraction_Click();
                break;
            case 'N':
                calculator.cmdNeg_Click();
                break;
            case 'B':
                calculator.cmdBack_Click();
                break;
            case 'E':
                calculator.cmdDelete_Click();
                break;
            case 'C':
                calculator.cmdAC_Click();
                break;
            case '+':
                calculator.cmdAdd_Click();
                break;
            case '-':
                calculator.cmdSubtract_Click();
                break;
            case '*':
                calculator.cmdMultiply_Click();
                break;
            case '/':
                calculator.cmdDivide_Click();
                break;
            case '=':
                calculator.cmdEquals_Click();
                break;
            default:
                FAIL() << "unknown key " << key;
        }
    }
}

// ---- Entry editor: text only, no evaluation --------------------------------

struct EditRow {
    const char* display;  // display before the keys
    bool newExpresion;    // blnNewExpresion before the keys
    const char* keys;
    const char* expected;  // display after
};

class EntryEditor : public ::testing::TestWithParam<EditRow> {};

TEST_P(EntryEditor, EditsTheDisplayText) {
    const EditRow& row = GetParam();
    FakeMessageDialog messages;
    Calculator calculator(messages);
    calculator.state().display = row.display;
    calculator.state().blnNewExpresion = row.newExpresion;
    press(calculator, row.keys);
    EXPECT_EQ(calculator.state().display, row.expected)
        << "display \"" << row.display << "\" keys " << row.keys;
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EntryEditor,
    ::testing::Values(
        // digits: the fresh "0" is replaced, a kept "0" is not
        EditRow{"0", true, "12", "12"}, EditRow{"0", true, "5B", "0"},
        EditRow{"0", true, "5B7", "07"}, EditRow{"5'3\"", true, "4", "4"},
        // point
        EditRow{"5'3\"", true, ".", "0."}, EditRow{"3.5", false, ".", "3.5"},
        EditRow{"5'3", false, ".", "5'3."}, EditRow{"5.5'3", false, ".", "5.5'3"},
        EditRow{"0", true, ".5", "0.5"}, EditRow{"0", true, "..", "0."},
        // feet and inch marks
        EditRow{"", false, "f", ""}, EditRow{"5'3", false, "f", "5'3"},
        EditRow{"5'3\"", false, "i", "5'3\""}, EditRow{"", false, "i", ""},
        EditRow{"5", false, "fi", "5'\""}, EditRow{"5", false, "if", "5\"'"},
        EditRow{"96\"", true, "f", "96\"'"}, EditRow{"96\"", true, "f4", "4"},
        // fraction
        EditRow{"5'3\"", false, "F", "5'3-"}, EditRow{"5'", false, "F", "5'0-"},
        EditRow{"3", false, "F", "3-"}, EditRow{"3-", false, "F", "3-"},
        EditRow{"-3", false, "F", "-3"}, EditRow{"", false, "F", "0-"},
        EditRow{"5'0\"", true, "F", "0-"}, EditRow{"-5'0\"", true, "F", "0-"},
        EditRow{"5'3\"", true, "F1/2", "0-1/2"}, EditRow{"3", false, "F1/2", "3-1/2"},
        // sign
        EditRow{"0", false, "N", "0"}, EditRow{"5", false, "N", "-5"},
        EditRow{"-5", false, "N", "5"}, EditRow{"", false, "N", "-"}, EditRow{"-", false, "N", ""},
        EditRow{"-5'3\"", false, "N", "5'3\""}, EditRow{"5'3\"", true, "N4", "4"},
        // backspace
        EditRow{"", false, "B", "0"}, EditRow{"5", false, "B", "0"},
        EditRow{"5'3-", false, "B", "5'3"}, EditRow{"0", false, "B", "0"},
        // clear entry and clear all
        EditRow{"5'3\"", false, "E", ""}, EditRow{"5'3\"", false, "EE", "0"},
        EditRow{"0", false, "E", "0"}, EditRow{"5'3\"", false, "C", "0"},
        EditRow{"5'3\"", false, "E4", "4"}));

TEST(EntryEditorFlags, BackspaceAndClearAllLeaveABegunFractionOpen) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    press(calculator, "3F");
    EXPECT_TRUE(calculator.state().blnFractionEntry);
    press(calculator, "B");
    EXPECT_EQ(calculator.state().display, "3");
    EXPECT_TRUE(calculator.state().blnFractionEntry);
    press(calculator, "/");  // still the fraction bar
    EXPECT_EQ(calculator.state().display, "3/");

    press(calculator, "C7/");
    EXPECT_EQ(calculator.state().display, "7/") << "clear all does not end a begun fraction";
    EXPECT_EQ(calculator.state().evaluator.lngPendingOp, opNone);
}

TEST(EntryEditorFlags, DivideDuringFractionEntryOnlyAppendsTheBar) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    CalculatorState& state = calculator.state();
    state.evaluator = {60, opAdd};
    state.indicator = imgAdd;
    state.blnNewExpresion = true;
    press(calculator, "3F1//");
    EXPECT_EQ(state.display, "3-1//") << "each click appends another bar";
    EXPECT_EQ(state.evaluator.lngPendingOp, opAdd);
    EXPECT_EQ(state.evaluator.dblTotal, 60);
    EXPECT_EQ(state.indicator, imgAdd);
    EXPECT_TRUE(state.blnFractionEntry);
    EXPECT_FALSE(state.blnNewExpresion);
}

TEST(EntryEditorFlags, ClearAllResetsTheCalculationButNotTheKeyboardFlags) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    CalculatorState& state = calculator.state();
    state = {};
    state.display = "5'3\"";
    state.evaluator = {63, opMultiply};
    state.indicator = imgMultiply;
    state.blnNewExpresion = false;
    state.blnFractionEntry = true;
    state.blnOperatorKeyed = true;
    calculator.cmdAC_Click();
    EXPECT_EQ(state.display, "0");
    EXPECT_EQ(state.indicator, imgBlank);
    EXPECT_EQ(state.evaluator.lngPendingOp, opNone);
    EXPECT_EQ(state.evaluator.dblTotal, 0);
    EXPECT_TRUE(state.blnNewExpresion);
    EXPECT_TRUE(state.blnFractionEntry);
    EXPECT_TRUE(state.blnOperatorKeyed);
}

// A clicked digit, point or fraction that replaces the display begins a new
// operand: the next operator must evaluate it even after a keyboard operator.
TEST(EntryEditorFlags, ANewEntryByClickIsAnOperand) {
    for (const char* key : {"3", ".", "F"}) {
        FakeMessageDialog messages;
        Calculator calculator(messages);
        CalculatorState& state = calculator.state();
        state.blnNewExpresion = true;
        state.blnOperatorKeyed = true;
        state.blnNewNumber = false;
        press(calculator, key);
        EXPECT_FALSE(state.blnOperatorKeyed) << key;
        EXPECT_TRUE(state.blnNewNumber) << key;
        EXPECT_FALSE(state.blnNewExpresion) << key;
    }
}

TEST(EntryEditorFlags, TypingOnIntoAnEntryLeavesTheKeyboardFlagsAlone) {
    for (const char* key : {"3", ".", "F", "f", "i", "N", "B", "E"}) {
        FakeMessageDialog messages;
        Calculator calculator(messages);
        CalculatorState& state = calculator.state();
        state.display = "5";
        state.blnNewExpresion = false;
        state.blnOperatorKeyed = true;
        state.blnNewNumber = false;
        press(calculator, key);
        EXPECT_TRUE(state.blnOperatorKeyed) << key;
        EXPECT_FALSE(state.blnNewNumber) << key;
    }
}

TEST(EntryEditorFlags, MarksAndSignKeepAShownValueMarkedForReplacement) {
    for (const char* key : {"f", "i", "N", "B", "E"}) {
        FakeMessageDialog messages;
        Calculator calculator(messages);
        calculator.state().display = "96";
        calculator.state().blnNewExpresion = true;
        press(calculator, key);
        EXPECT_TRUE(calculator.state().blnNewExpresion) << key;
    }
}

TEST(Recall, ReplacesTheDisplayAsANewOperand) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    CalculatorState& state = calculator.state();
    state.display = "5'";
    state.blnNewExpresion = false;
    state.blnOperatorKeyed = true;
    state.evaluator = {60, opAdd};
    calculator.recall("3-1/2\"");
    EXPECT_EQ(state.display, "3-1/2\"");
    EXPECT_FALSE(state.blnOperatorKeyed);
    EXPECT_TRUE(state.blnNewNumber);
    EXPECT_FALSE(state.blnNewExpresion) << "a recall keeps the typing situation";
    EXPECT_EQ(state.evaluator.lngPendingOp, opAdd);
    EXPECT_EQ(state.evaluator.dblTotal, 60);
    press(calculator, "3");
    EXPECT_EQ(state.display, "3-1/2\"3");
}

// ---- Evaluator buttons (fractional, feet and inches, 1/16) ----------------

struct StepRow {
    const char* keys;
    const char* display;
    double total;
    std::int32_t pending;
};

TEST(Evaluator, WorkedSequence) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    const StepRow steps[] = {
        {"5f+", "5'0\"", 60, opAdd},       {"3i*", "5'3\"", 63, opMultiply},
        {"2=", "10'6\"", 126, opNone},     {"/", "10'6\"", 126, opDivide},
        {"4=", "2'7-1/2\"", 31.5, opNone},
    };
    for (const StepRow& step : steps) {
        press(calculator, step.keys);
        EXPECT_EQ(calculator.state().display, step.display) << step.keys;
        EXPECT_DOUBLE_EQ(calculator.state().evaluator.dblTotal, step.total) << step.keys;
        EXPECT_EQ(calculator.state().evaluator.lngPendingOp, step.pending) << step.keys;
        EXPECT_EQ(calculator.state().indicator, step.pending == opNone ? imgBlank : step.pending);
    }
    EXPECT_TRUE(messages.shown.empty());
}

struct SequenceRow {
    const char* keys;
    const char* display;
    double total;
    std::int32_t pending;
};

class EvaluatorSequence : public ::testing::TestWithParam<SequenceRow> {};

TEST_P(EvaluatorSequence, GivesTheDisplayTotalAndPendingOperation) {
    const SequenceRow& row = GetParam();
    FakeMessageDialog messages;
    Calculator calculator(messages);
    press(calculator, row.keys);
    EXPECT_EQ(calculator.state().display, row.display);
    EXPECT_DOUBLE_EQ(calculator.state().evaluator.dblTotal, row.total);
    EXPECT_EQ(calculator.state().evaluator.lngPendingOp, row.pending);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EvaluatorSequence,
    ::testing::Values(
        SequenceRow{"5+=", "0'10\"", 10, opNone},  // equals uses the shown operand
        SequenceRow{"5+3=", "0'8\"", 8, opNone},
        SequenceRow{"5+3==", "0'8\"", 8, opNone},  // the second equals loads the display
        SequenceRow{"10/3=", "0'3-5/16\"", 3.3333333333333335, opNone},
        SequenceRow{"10/3=*", "0'3-5/16\"", 3.3125, opMultiply},  // restarts from the display
        SequenceRow{"5++", "0'10\"", 10, opAdd},        // two clicked operators both evaluate
        SequenceRow{"5+.5+", "0'5-1/2\"", 5.5, opAdd},  // an operand begun with a point counts
        SequenceRow{"5+3E4=", "0'9\"", 9, opNone},      // clear entry keeps the calculation
        SequenceRow{"5+3C2=", "0'2\"", 2, opNone},      // clear all drops it
        SequenceRow{"5f3F1/2-1=", "5'2-1/2\"", 62.5, opNone}));

struct ErrorRow {
    const char* keys;
    const char* message;
    std::int32_t pending;  // after the whole sequence
};

class EvaluatorError : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(EvaluatorError, ReportsThenClearsAll) {
    const ErrorRow& row = GetParam();
    FakeMessageDialog messages;
    Calculator calculator(messages);
    press(calculator, row.keys);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, row.message);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, "");
    EXPECT_EQ(calculator.state().display, "0");
    EXPECT_EQ(calculator.state().evaluator.dblTotal, 0);
    EXPECT_EQ(calculator.state().evaluator.lngPendingOp, row.pending);
    EXPECT_EQ(calculator.state().indicator, row.pending == opNone ? imgBlank : row.pending);
    EXPECT_TRUE(calculator.state().blnNewExpresion);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EvaluatorError,
    ::testing::Values(ErrorRow{"5/0=", "Error 11: Division by zero", opNone},
                      ErrorRow{"5/0+", "Error 11: Division by zero", opAdd},
                      ErrorRow{"3F+", "Error 100: Invalid fractional or decimal input.", opAdd},
                      ErrorRow{"3F1/=", "Error 13: Invalid input.", opNone}));

TEST(Evaluator, OverflowIsError6) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    calculator.state().options = {DisplayOptions::Style::Decimal, DisplayOptions::Units::None, 0};
    const std::string huge = "1" + std::string(200, '0');
    calculator.recall(huge);
    calculator.cmdMultiply_Click();
    calculator.recall(huge);
    calculator.cmdEquals_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error 6: Overflow");
    EXPECT_EQ(calculator.state().display, "0");
    EXPECT_EQ(calculator.state().evaluator.dblTotal, 0);
}

TEST(Evaluator, AnOperatorKeyedOnTheKeyboardOnlyReplacesThePendingOperation) {
    FakeMessageDialog messages;
    Calculator calculator(messages);
    press(calculator, "5+");
    calculator.state().blnOperatorKeyed = true;  // as the keyboard map leaves it
    calculator.state().display = "7";
    calculator.cmdSubtract_Click();
    EXPECT_EQ(calculator.state().display, "7");
    EXPECT_EQ(calculator.state().evaluator.dblTotal, 5);
    EXPECT_EQ(calculator.state().evaluator.lngPendingOp, opSubtract);
    EXPECT_EQ(calculator.state().indicator, imgSubtract);
    calculator.cmdEquals_Click();  // equals evaluates in any case
    EXPECT_EQ(calculator.state().display, "-0'2\"");
}

}  // namespace
}  // namespace plumbrule
