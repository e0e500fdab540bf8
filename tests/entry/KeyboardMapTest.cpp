// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/KeyboardMap.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "entry/Calculator.h"
#include "history/HistoryTape.h"
#include "support/FakeMessageDialog.h"
#include "support/KeyboardRows.h"
#include "support/TapeMirror.h"

namespace plumbrule {
namespace {

using testing::KeyRow;

struct Key {
    int KeyCode;
    int Shift;
};

// A key name of KeyboardRows.h as the code and mask a US keyboard reports.
Key keyFromName(std::string name) {
    int mask = 0;
    for (const auto& [prefix, bit] : {std::pair{"Ctrl+", maskCtrl}, std::pair{"Alt+", maskAlt},
                                      std::pair{"Shift+", maskShift}}) {
        const std::string p = prefix;
        while (name.size() > p.size() && name.compare(0, p.size(), p) == 0) {
            mask |= bit;
            name.erase(0, p.size());
        }
    }
    if (name.size() == 2 && name[0] == 'k' && std::isdigit(static_cast<unsigned char>(name[1])))
        return {vkNumpad0 + (name[1] - '0'), mask};
    if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0])))
        return {vk0 + (name[0] - '0'), mask};
    static const std::map<std::string, Key> named = {
        {"+", {vkOemPlus, maskShift}},
        {"*", {vk8, maskShift}},
        {"\"", {vkOem7, maskShift}},
        {"-", {vkOemMinus, 0}},
        {"/", {vkOem2, 0}},
        {".", {vkOemPeriod, 0}},
        {"'", {vkOem7, 0}},
        {"=", {vkOemPlus, 0}},
        {"k+", {vkAdd, 0}},
        {"k-", {vkSubtract, 0}},
        {"k*", {vkMultiply, 0}},
        {"k/", {vkDivide, 0}},
        {"k.", {vkDecimal, 0}},
        {"kEnter", {vkReturn, 0}},
        {"Enter", {vkReturn, 0}},
        {"Del", {vkDelete, 0}},
        {"Back", {vkBack, 0}},
        {"Esc", {27, 0}},
    };
    if (auto found = named.find(name); found != named.end())
        return {found->second.KeyCode, found->second.Shift | mask};
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return {name[0], mask};
    ADD_FAILURE() << "unknown key name " << name;
    return {0, 0};
}

class TapeHost : public HistoryAccess {
  public:
    HistoryTape& tape() override {
        ++touches;
        return tape_;
    }
    HistoryTape tape_;
    int touches = 0;
};

class KeyboardMapTest : public ::testing::Test {
  protected:
    KeyboardMapTest() : calculator(messages), keyboard(calculator, host) {
        calculator.state().options = {DisplayOptions::Style::Decimal, DisplayOptions::Units::None,
                                      4};
        host.tape_.setListener(&view);
    }

    void type(const std::string& keys) {
        for (const std::string& name : testing::keyNames(keys)) {
            const Key key = keyFromName(name);
            keyboard.Form_KeyDown(key.KeyCode, key.Shift);
        }
    }

    CalculatorState& state() { return calculator.state(); }
    const std::string& tape() { return host.tape_.text(); }

    testing::FakeMessageDialog messages;
    Calculator calculator;
    TapeHost host;
    testing::TapeMirror view;
    KeyboardMap keyboard;
};

}  // namespace
}  // namespace plumbrule

namespace plumbrule::testing {
// Test names show the row's name, not its bytes.
void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << row.name;
}
}  // namespace plumbrule::testing

namespace plumbrule {
namespace {

class DispatchRow : public KeyboardMapTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(DispatchRow, LeavesTheDisplayAndTheTape) {
    type(GetParam().keys);
    EXPECT_EQ(state().display, GetParam().display) << GetParam().keys;
    EXPECT_EQ(tape(), GetParam().tape) << GetParam().keys;
    EXPECT_EQ(view.mirror, tape());
}

INSTANTIATE_TEST_SUITE_P(Keys, DispatchRow, ::testing::ValuesIn(testing::dispatchRows()),
                         [](const auto& info) { return std::string(info.param.name); });

class TapeRow : public DispatchRow {};

TEST_P(TapeRow, LeavesTheDisplayAndTheTape) {
    type(GetParam().keys);
    EXPECT_EQ(state().display, GetParam().display) << GetParam().keys;
    EXPECT_EQ(tape(), GetParam().tape) << GetParam().keys;
    EXPECT_EQ(view.mirror, tape());
}

INSTANTIATE_TEST_SUITE_P(Cases, TapeRow, ::testing::ValuesIn(testing::tapeRows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardMapTest, KeepsItsOwnStateAsKeysArrive) {
    type("5");
    EXPECT_TRUE(state().blnNewNumber);
    type("+");
    EXPECT_EQ(state().intLastAction, 0);
    EXPECT_TRUE(state().blnOperatorKeyed);
    type("3");
    EXPECT_FALSE(state().blnOperatorKeyed);
    type("Enter");
    EXPECT_EQ(state().intLastAction, 1);
    EXPECT_FALSE(state().blnNewNumber);
    EXPECT_FALSE(state().blnOperatorKeyed);
    type("Del Del");
    EXPECT_EQ(state().intLastAction, 2);
    type("Back");
    EXPECT_FALSE(state().blnOperatorKeyed);
}

TEST_F(KeyboardMapTest, TheFractionBarKeepsTheOperatorFlagAndEndsTheFraction) {
    type("5 + F");
    EXPECT_TRUE(state().blnFractionEntry);
    type("1 /");
    EXPECT_FALSE(state().blnFractionEntry);
    EXPECT_FALSE(state().blnOperatorKeyed);
    EXPECT_EQ(state().intLastAction, 0);
    EXPECT_EQ(state().evaluator.lngPendingOp, opAdd);
    EXPECT_EQ(tape(), "5\r\n+ ");
}

TEST_F(KeyboardMapTest, AFullDisplayRefusesTypedDigitsAndPointsWithoutMovingTheCaret) {
    type("123456789012345");
    ASSERT_EQ(state().display.size(), 15u);
    const int caretMoves = view.caretMoves;
    type("6 k7 . k.");
    EXPECT_EQ(state().display, "123456789012345");
    EXPECT_EQ(view.caretMoves, caretMoves);
    type("Q");  // any other key still moves it
    EXPECT_EQ(view.caretMoves, caretMoves + 1);
    // Even a shown result of 15 characters, which a digit would replace.
    state().display = "1234567890.1234";
    state().blnNewExpresion = true;
    type("6 .");
    EXPECT_EQ(state().display, "1234567890.1234");
    EXPECT_TRUE(state().blnNewExpresion);
}

TEST_F(KeyboardMapTest, TheButtonsAreNotLimited) {
    type("123456789012345");
    calculator.cmdNum_Click(6);
    calculator.cmdDot_Click();
    EXPECT_EQ(state().display, "1234567890123456.");
    type("7");  // only exactly 15 characters stop a typed digit
    EXPECT_EQ(state().display, "1234567890123456.7");
}

TEST_F(KeyboardMapTest, APointIsRefusedAfterADash) {
    type("5 N");
    const int caretMoves = view.caretMoves;
    type(".");
    EXPECT_EQ(state().display, "-5");
    type("Del 3 F 1 k.");
    EXPECT_EQ(state().display, "3-1");
    EXPECT_EQ(view.caretMoves, caretMoves + 4);  // Del, 3, F, 1; not the points
    calculator.cmdDot_Click();                   // the button appends it
    EXPECT_EQ(state().display, "3-1.");
}

TEST_F(KeyboardMapTest, EveryOtherKeyMovesTheCaretToTheEnd) {
    type("5 Q + Esc Enter");
    EXPECT_EQ(view.caretMoves, 5);
    EXPECT_GT(host.touches, 0);  // and touches the tape, loading its window
}

TEST_F(KeyboardMapTest, ClicksLeaveTheTapeAlone) {
    calculator.cmdNum_Click(5);
    calculator.cmdAdd_Click();
    calculator.cmdNum_Click(3);
    calculator.cmdEquals_Click();
    calculator.cmdDelete_Click();
    calculator.cmdAC_Click();
    EXPECT_EQ(tape(), "");
    EXPECT_EQ(host.touches, 0);
}

TEST_F(KeyboardMapTest, AnOperandClickedOrRecalledAfterATypedOperatorIsEvaluated) {
    type("5 +");
    calculator.cmdNum_Click(3);
    type("+");
    EXPECT_EQ(state().display, "8");
    EXPECT_EQ(tape(), "5\r\n+ 3\r\n= 8\r\n+ ");
    calculator.recall("2");
    type("Enter");
    EXPECT_EQ(state().display, "10");
    EXPECT_EQ(tape(), "5\r\n+ 3\r\n= 8\r\n+ 2\r\n= 10");
}

TEST_F(KeyboardMapTest, ChangeOpOnAClearedTapeWritesTheToken) {
    type("5 +");
    host.tape_.clear();
    type("-");
    EXPECT_EQ(tape(), "- ");
    EXPECT_EQ(view.mirror, "- ");
}

TEST_F(KeyboardMapTest, AClearedTapeStartsAgainLikeAnEmptyOne) {
    type("5 + 3 Enter");
    host.tape_.clear();
    type("* 2 Enter");
    EXPECT_EQ(tape(), "8\r\n* 2\r\n= 16");
}

TEST_F(KeyboardMapTest, AnEvaluationErrorIsShownAndTypingGoesOn) {
    type("3 F +");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Error 100: Invalid fractional or decimal input.");
    type("2 Enter");
    EXPECT_EQ(state().display, "2");
}

// Long random runs of keys and clicks: nothing may throw, the display and the
// tape stay text, and the flags stay consistent.
TEST_F(KeyboardMapTest, SurvivesLongRandomRunsOfKeysAndClicks) {
    const char* extra = std::getenv("PLUMBRULE_RANDOM_EVENTS");
    const long events = extra ? std::atol(extra) : 100000;
    const char* seed = std::getenv("PLUMBRULE_RANDOM_SEED");
    std::mt19937 random(seed ? static_cast<unsigned>(std::atol(seed)) : 20261207u);
    const int codes[] = {vkBack,      vkReturn,   vkDelete,  vkF,      vkN,       vkMultiply,
                         vkAdd,       vkSubtract, vkDecimal, vkDivide, vkOemPlus, vkOemMinus,
                         vkOemPeriod, vkOem2,     vkOem7,    vkShift,  vkControl, vkMenu,
                         27,          32,         65,        81,       186,       188,
                         0,           255};
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    for (long i = 0; i < events; ++i) {
        const int kind = pick(10);
        ASSERT_NO_THROW({
            if (kind < 4) {  // a digit, main row or keypad
                keyboard.Form_KeyDown((pick(2) ? vk0 : vkNumpad0) + pick(10),
                                      pick(3) == 0 ? pick(8) : 0);
            } else if (kind < 8) {
                keyboard.Form_KeyDown(codes[pick(std::size(codes))], pick(2) ? pick(8) : 0);
            } else if (kind == 8) {
                switch (pick(16)) {
                    case 0:
                        calculator.cmdNum_Click(pick(10));
                        break;
                    case 1:
                        calculator.cmdDot_Click();
                        break;
                    case 2:
                        calculator.cmdFeet_Click();
                        break;
                    case 3:
                        calculator.cmdInches_Click();
                        break;
                    case 4:
                        calculator.cmdFraction_Click();
                        break;
                    case 5:
                        calculator.cmdNeg_Click();
                        break;
                    case 6:
                        calculator.cmdBack_Click();
                        break;
                    case 7:
                        calculator.cmdDelete_Click();
                        break;
                    case 8:
                        calculator.cmdAC_Click();
                        break;
                    case 9:
                        calculator.cmdAdd_Click();
                        break;
                    case 10:
                        calculator.cmdSubtract_Click();
                        break;
                    case 11:
                        calculator.cmdMultiply_Click();
                        break;
                    case 12:
                        calculator.cmdDivide_Click();
                        break;
                    case 13:
                        calculator.cmdEquals_Click();
                        break;
                    case 14:
                        calculator.recall(pick(2) ? "5'3-1/2\"" : "2.5");
                        break;
                    default:
                        host.tape_.clear();
                        break;
                }
            } else {  // the options panel: new output choices, then a re-evaluation
                auto& options = state().options;
                options.style =
                    pick(2) ? DisplayOptions::Style::Fractional : DisplayOptions::Style::Decimal;
                const int unit = pick(4);
                options.units = static_cast<DisplayOptions::Units>(
                    options.style == DisplayOptions::Style::Fractional && unit == 2 ? 1 : unit);
                options.precision = pick(9);
                if (state().display != "0") calculator.cmdEquals_Click();
            }
        }) << "event "
           << i;

        const CalculatorState& s = state();
        for (char c : s.display) ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "display " << s.display;
        ASSERT_GE(s.evaluator.lngPendingOp, 0);
        ASSERT_LE(s.evaluator.lngPendingOp, 4);
        ASSERT_EQ(s.indicator,
                  s.evaluator.lngPendingOp == opNone ? imgBlank : s.evaluator.lngPendingOp);
        ASSERT_TRUE(s.intLastAction >= 0 && s.intLastAction <= 2);
        // An operator flag without a shown value would drop the next operand.
        ASSERT_TRUE(!s.blnOperatorKeyed || s.blnNewExpresion) << "event " << i;
        if (i % 97 == 0) {
            const std::string& t = tape();
            for (std::size_t at = 0; at < t.size(); ++at) {
                const char c = t[at];
                if (c == '\r') {
                    ASSERT_TRUE(at + 1 < t.size() && t[at + 1] == '\n') << "lone CR at " << at;
                } else if (c == '\n') {
                    ASSERT_TRUE(at > 0 && t[at - 1] == '\r') << "lone LF at " << at;
                } else {
                    ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "tape byte " << int(c);
                }
            }
            ASSERT_EQ(view.mirror, t);
            messages.shown.clear();
        }
    }
}

}  // namespace
}  // namespace plumbrule
