// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Readouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plumbrule {
namespace {

struct ReadoutRow {
    const char* display;
    const char* feetAndInches;
    const char* inches;
    const char* feet;
    const char* millimetres;
};

void PrintTo(const ReadoutRow& row, std::ostream* os) {
    *os << row.display;
}

class ReadoutsOfDisplay : public ::testing::TestWithParam<ReadoutRow> {};

TEST_P(ReadoutsOfDisplay, GivesEveryFormOfTheShownValue) {
    const ReadoutRow& row = GetParam();
    const std::vector<Readout> expected{
        {ReadoutKind::FeetAndInches, "Feet and inches", row.feetAndInches},
        {ReadoutKind::DecimalInches, "Inches", row.inches},
        {ReadoutKind::DecimalFeet, "Feet", row.feet},
        {ReadoutKind::Millimetres, "Millimetres", row.millimetres}};
    EXPECT_EQ(readoutsOf(row.display), expected);
}

// Each readout comes from the value the display text reads as: a display in
// decimal feet gives inches from those shown digits, not from hidden ones.
INSTANTIATE_TEST_SUITE_P(
    DisplayForms, ReadoutsOfDisplay,
    ::testing::Values(ReadoutRow{"5'3-1/2\"", "5'3-1/2\"", "63.5\"", "5.2917'", "1612.9 mm"},
                      ReadoutRow{"63-1/2", "5'3-1/2\"", "63.5\"", "5.2917'", "1612.9 mm"},
                      ReadoutRow{"5'3.5\"", "5'3-1/2\"", "63.5\"", "5.2917'", "1612.9 mm"},
                      ReadoutRow{"5.2917'", "5'3-1/2\"", "63.5004\"", "5.2917'", "1612.9 mm"},
                      ReadoutRow{"0", "0'0\"", "0\"", "0'", "0 mm"},
                      ReadoutRow{"0'0\"", "0'0\"", "0\"", "0'", "0 mm"},
                      ReadoutRow{"1", "0'1\"", "1\"", "0.0833'", "25.4 mm"},
                      ReadoutRow{"10", "0'10\"", "10\"", "0.8333'", "254 mm"},
                      ReadoutRow{"12'", "12'0\"", "144\"", "12'", "3657.6 mm"},
                      ReadoutRow{"0'3-5/16\"", "0'3-5/16\"", "3.3125\"", "0.276'", "84.1 mm"},
                      ReadoutRow{"-0'3-1/2\"", "-0'3-1/2\"", "-3.5\"", "-0.2917'", "-88.9 mm"},
                      ReadoutRow{"-5'3\"", "-5'3\"", "-63\"", "-5.25'", "-1600.2 mm"},
                      // the feet-and-inches readout is to 1/16, with the carry into feet
                      ReadoutRow{"59.99", "5'0\"", "59.99\"", "4.9992'", "1523.7 mm"},
                      ReadoutRow{"0-1/32", "0'0-1/16\"", "0.0313\"", "0.0026'", "0.8 mm"},
                      ReadoutRow{"100'", "100'0\"", "1200\"", "100'", "30480 mm"}));

TEST(Readouts, AnEntryThatIsNotALengthYetHasNone) {
    for (const char* display : {"5'3-", "3-", "3-1/", "3-1/0", "5'\"", "'6"}) {
        EXPECT_TRUE(readoutsOf(display).empty()) << display;
        EXPECT_EQ(readoutTooltip(display), "") << display;
    }
}

TEST(Readouts, MillimetresUseExactlyTwentyFivePointFourPerInch) {
    // 1000 inches is 25400 mm exactly; a rounded factor would show 25400.x.
    EXPECT_EQ(readoutsOf("1000").back().text, "25400 mm");
    EXPECT_EQ(readoutsOf("0-1/2\"").back().text, "12.7 mm");
}

TEST(Readouts, TooltipListsOneFormPerLine) {
    EXPECT_EQ(readoutTooltip("5'"),
              "Feet and inches: 5'0\"\nInches: 60\"\nFeet: 5'\nMillimetres: 1524 mm");
}

TEST(Readouts, HugeValuesNeverThrow) {
    for (const char* display : {"1E+300", "-1E+300", "99999999999999999999'", "1E-300"}) {
        EXPECT_NO_THROW(readoutsOf(display)) << display;
        EXPECT_NO_THROW(readoutTooltip(display)) << display;
    }
}

}  // namespace
}  // namespace plumbrule
