// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spacing/SpacingSolver.h"

#include <gtest/gtest.h>

#include "engine/Formatter.h"

namespace plumbrule {
namespace {

using Units = DisplayOptions::Units;

struct Row {
    std::vector<std::string> boxes;  // length, width, gap, count, on centre
    std::vector<std::string> lines;
    int error = 0;
    Units units = Units::FeetAndInches;
};

void PrintTo(const Row& row, std::ostream* out) {
    for (const std::string& box : row.boxes) *out << box << " | ";
}

class Spacing : public ::testing::TestWithParam<Row> {};

TEST_P(Spacing, GivesTheCountTheGapAndEachMark) {
    const DisplayOptions form{DisplayOptions::Style::Fractional, GetParam().units, 4};
    const auto write = [&](double x) { return DisplayValue(x, form); };
    const ToolAnswer answer = solveSpacing(GetParam().boxes, {write, write}, false);
    EXPECT_EQ(answer.error, GetParam().error);
    EXPECT_EQ(answer.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Spacing,
    ::testing::Values(
        // Published: handheld guides, a baluster layout guide, framing references.
        Row{{"24-1/2\"", "1-1/2\"", "4", "", ""},
            {"4 members, 5 gaps of 3-11/16\"", "On centre 5-3/16\"",
             "Marks 4-7/16\", 9-5/8\", 14-7/8\", 20-1/16\""},
            0,
            Units::Inches},
        Row{{"4'4\"", "", "", "2", ""},
            {"2 members, 3 gaps of 1'5-5/16\"", "On centre 1'5-5/16\"",
             "Marks 1'5-5/16\", 2'10-11/16\""}},
        Row{{"12'", "1-1/2\"", "", "", "16"},
            {"10 members @ 16\" on centre",
             "Marks 15-1/4\", 31-1/4\", 47-1/4\", 63-1/4\", 79-1/4\", 95-1/4\", 111-1/4\", "
             "127-1/4\", 142-1/2\""},
            0,
            Units::Inches},
        // By hand: one member in the middle of 36", its width 2": gaps of 17".
        Row{{"36", "2", "", "1", ""}, {"1 member, 2 gaps of 1'5\"", "Marks 1'6\""}},
        // A gap that fits exactly keeps its count: 4 members of 2" in 40" leave
        // 5 gaps of 6.4", so at most 6.4" gives 4; marks 7.4", 15.8", 24.2", 32.6".
        Row{{"40", "2", "6.4", "", ""},
            {"4 members, 5 gaps of 6-3/8\"", "On centre 8-3/8\"",
             "Marks 7-3/8\", 15-13/16\", 24-3/16\", 32-5/8\""},
            0,
            Units::Inches},
        Row{{"", "", "4", "", ""}, {}, errSpacingLength},
        Row{{"100", "", "", "", ""}, {}, errSpacingOneWay},
        Row{{"100", "", "4", "5", ""}, {}, errSpacingOneWay},
        Row{{"100", "", "0", "", ""}, {}, errSpacingNotPositive},
        Row{{"100", "", "", "", "-16"}, {}, errSpacingNotPositive},
        Row{{"100", "", "", "0", ""}, {}, errSpacingCount},
        Row{{"100", "-1", "", "3", ""}, {}, errSpacingWidth},
        Row{{"10", "4", "", "3", ""}, {}, errSpacingFit},
        Row{{"1000'", "", "0.001", "", ""}, {}, errSpacingTooMany},
        Row{{"100", "", "x", "", ""}, {}, 13}));

// Counted, not listed: the members of a long wall, and each mark rounded
// from its own exact value.
TEST(Spacing, CountsAWallOnCentreAndABalustradeByItsGap) {
    const auto write = [](double x) { return DisplayValue(x, DisplayOptions{}); };
    EXPECT_EQ(solveSpacing({"24'10\"", "", "", "", "16"}, {write, write}, false).lines.front(),
              "20 members @ 1'4\" on centre");
    const DisplayOptions inches{DisplayOptions::Style::Fractional, Units::Inches, 4};
    const auto inInches = [&](double x) { return DisplayValue(x, inches); };
    EXPECT_EQ(
        solveSpacing({"156", "1-1/2\"", "4", "", ""}, {inInches, inInches}, false).lines.front(),
        "28 members, 29 gaps of 3-15/16\"");
}

}  // namespace
}  // namespace plumbrule
