// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/LayoutNames.h"

namespace plumbrule::testing {
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

// Two controls of one window with one name could not be told apart.
TEST(AccessibleNameTable, NamesWithinAWindowAreDistinct) {
    std::set<std::string_view> names;
    for (const ControlPlace& row : main_layout::controls) {
        if (!row.accessibleName.empty()) {
            EXPECT_TRUE(names.insert(row.accessibleName).second) << row.accessibleName;
        }
    }
    EXPECT_EQ(names.size(), 33u);  // 10 digits, 19 other buttons, 2 options, 2 lists
}

}  // namespace
}  // namespace plumbrule::testing
