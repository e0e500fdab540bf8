// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/AccessibleNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace plumbrule {
namespace {

struct NameRow {
    const char* window;
    const char* control;
    const char* name;
};

void PrintTo(const NameRow& row, std::ostream* os) {
    *os << row.window << '.' << row.control;
}

class AccessibleName : public ::testing::TestWithParam<NameRow> {};

TEST_P(AccessibleName, SaysWhatTheControlDoes) {
    EXPECT_EQ(accessibleNameOf(GetParam().window, GetParam().control), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AccessibleName,
    ::testing::Values(
        NameRow{"frmMain", "cmdNum_0", "Digit 0"}, NameRow{"frmMain", "cmdNum_9", "Digit 9"},
        NameRow{"frmMain", "cmdFeet", "Feet mark"}, NameRow{"frmMain", "cmdInches", "Inch mark"},
        NameRow{"frmMain", "cmdFraction", "Begin fraction"},
        NameRow{"frmMain", "cmdBack", "Backspace"}, NameRow{"frmMain", "cmdDelete", "Clear entry"},
        NameRow{"frmMain", "cmdAC", "Clear all"}, NameRow{"frmMain", "cmdAdd", "Plus"},
        NameRow{"frmMain", "cmdSubtract", "Minus"}, NameRow{"frmMain", "cmdMultiply", "Times"},
        NameRow{"frmMain", "cmdDivide", "Divide"}, NameRow{"frmMain", "cmdEquals", "Equals"},
        NameRow{"frmMain", "cmdStore", "Store"}, NameRow{"frmMain", "cmdRecall", "Recall"},
        NameRow{"frmMain", "cmdDot", "Decimal point"}, NameRow{"frmMain", "cmdNeg", "Change sign"},
        NameRow{"frmHistory", "Text1", "History tape"},
        NameRow{"frmStair", "Text1_0", "Maximum riser height"},
        NameRow{"frmStair", "Text2_1", "Number of treads"},
        NameRow{"frmStair", "cmdCalculate", "Calculate"}, NameRow{"frmStair", "Command1", "Close"},
        NameRow{"frmAbout", "cmdOK", "OK"}));

// The display labels keep their whole text as their accessible name, so
// assistive technology and UI tests read exactly what they show.
TEST(AccessibleNameTable, DisplayLabelsHaveNoNameOfTheirOwn) {
    EXPECT_FALSE(accessibleNameOf("frmMain", "lblDisplay"));
    EXPECT_FALSE(accessibleNameOf("frmStair", "lblRiser"));
    EXPECT_FALSE(accessibleNameOf("frmStair", "lblTread"));
}

// A name belongs to one window: "Text1" is the tape in the history window
// and no control of the main window; digits stop at 9.
TEST(AccessibleNameTable, NamesBelongToTheirWindow) {
    EXPECT_FALSE(accessibleNameOf("frmMain", "Text1"));
    EXPECT_FALSE(accessibleNameOf("frmStair", "Text1"));
    EXPECT_FALSE(accessibleNameOf("frmHistory", "cmdAdd"));
    EXPECT_FALSE(accessibleNameOf("frmMain", "cmdNum_10"));
    EXPECT_FALSE(accessibleNameOf("frmMain", "cmdNum_"));
    EXPECT_FALSE(accessibleNameOf("frmStair", "cmdNum_1"));
}

// Two controls of one window with one name could not be told apart.
TEST(AccessibleNameTable, NamesWithinAWindowAreDistinct) {
    const char* mainControls[] = {
        "cmdDot",    "cmdNeg",      "cmdAdd",      "cmdSubtract", "cmdMultiply", "cmdDivide",
        "cmdEquals", "cmdFeet",     "cmdInches",   "cmdFraction", "cmdBack",     "cmdDelete",
        "cmdAC",     "cmdHistory",  "cmdStair",    "cmdStore",    "cmdRecall",   "cmdOptions",
        "cmdAbout",  "optOutput_0", "optOutput_1", "cmbFormat",   "cmbRound"};
    std::set<std::string> names;
    for (const char* control : mainControls) {
        const auto name = accessibleNameOf("frmMain", control);
        ASSERT_TRUE(name) << control;
        EXPECT_TRUE(names.insert(*name).second) << *name;
    }
    for (char d = '0'; d <= '9'; ++d) {
        EXPECT_TRUE(names.insert(*accessibleNameOf("frmMain", std::string("cmdNum_") + d)).second);
    }
}

}  // namespace
}  // namespace plumbrule
