// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roof/RoofSolver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Formatter.h"

namespace plumbrule {
namespace {

struct Row {
    std::vector<std::string> boxes;  // pitch, angle, run, span, ridge, overhang, jacks
    std::vector<std::string> lines;  // those given; an empty row: the error only
    int error = 0;
    int precision = 4;  // 1/16 inch
};

void PrintTo(const Row& row, std::ostream* out) {
    for (const std::string& box : row.boxes) *out << box << " | ";
}

class Roof : public ::testing::TestWithParam<Row> {};

// Each line given is in the answer, in the answer's order.
TEST_P(Roof, GivesThePublishedAndHandWorkedRafters) {
    const DisplayOptions form{DisplayOptions::Style::Fractional,
                              DisplayOptions::Units::FeetAndInches, GetParam().precision};
    const auto write = [&](double x) { return DisplayValue(x, form); };
    const ToolAnswer answer = solveRoof(GetParam().boxes, {write, write}, false);
    ASSERT_EQ(answer.error, GetParam().error);
    auto from = answer.lines.begin();
    for (const std::string& line : GetParam().lines) {
        from = std::find(from, answer.lines.end(), line);
        ASSERT_NE(from, answer.lines.end()) << line << "\nnot in:\n"
                                            << ::testing::PrintToString(answer.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Roof,
    ::testing::Values(
        // Published: a handheld calculator's guide, then a framing manual.
        Row{{"7", "", "20'5\"", "", "", "", "16"},
            {"Common rafter 23'7-41/64\"", "Hip or valley 31'2-51/64\" @ 22.4°",
             "Jacks 22'1-7/64\", 20'6-19/32\", 19'0-1/16\", 17'5-35/64\", 15'11-1/64\", "
             "14'4-1/2\", 12'9-31/32\", 11'3-29/64\", 9'8-59/64\", 8'2-13/32\", 6'7-7/8\", "
             "5'1-23/64\", 3'6-53/64\", 2'0-5/16\", 0'5-25/32\""},
            0,
            6},
        Row{{"7", "", "", "28'", "", "", ""},
            {"Rise 8'2\"", "Common rafter 16'2-1/2\"", "Plumb cut 30.3°, level cut 59.7°"}},
        Row{{"5", "", "", "18'", "1-1/2\"", "", ""}, {"Common rafter 9'8-3/16\""}},
        Row{{"6", "", "", "28'", "1.5", "16", ""}, {"Rafter total 17'0-7/8\""}},
        // By hand: 45° is 12 in 12, 1.41421" of rafter per inch of run; 1-1/2"
        // of ridge leaves 119.25" of run, 168.64" of rafter; 12" of overhang
        // adds 16.97", 185.61" in all; the hip is 119.25 √3 = 206.55" at
        // atan(1 / √2) = 35.3°; 24" jacks step down from 169.71" by 33.94".
        Row{{"", "45", "10'", "", "1-1/2\"", "12", "24"},
            {"Rise 10'0\"", "Common rafter 14'0-5/8\"", "Overhang 1'5\"", "Rafter total 15'5-5/8\"",
             "Plumb cut 45.0°, level cut 45.0°", "Hip or valley 17'2-9/16\" @ 35.3°",
             "Jack difference 2'9-15/16\"",
             "Jacks 11'3-3/4\", 8'5-13/16\", 5'7-7/8\", 2'9-15/16\""}},
        Row{{"", "", "10'", "", "", "", ""}, {}, errRoofPitchOrAngle},
        Row{{"6", "30", "10'", "", "", "", ""}, {}, errRoofPitchOrAngle},
        Row{{"6", "", "", "", "", "", ""}, {}, errRoofRunOrSpan},
        Row{{"6", "", "10'", "20'", "", "", ""}, {}, errRoofRunOrSpan},
        Row{{"0", "", "10'", "", "", "", ""}, {}, errRoofNotPositive},
        Row{{"6", "", "-10'", "", "", "", ""}, {}, errRoofNotPositive},
        Row{{"6", "", "10'", "", "", "", "0"}, {}, errRoofNotPositive},
        Row{{"", "90", "10'", "", "", "", ""}, {}, errRoofAngle},
        Row{{"6", "", "10'", "", "20'", "", ""}, {}, errRoofRidge},
        Row{{"6", "", "10'", "", "", "", "0.1"}, {}, errRoofJackCount},
        Row{{"6", "", "ten", "", "", "", ""}, {}, 13}));

TEST(RoofMessage, SaysTheTabsOwnErrorsInItsWords) {
    EXPECT_EQ(roofMessage(errRoofRidge).text, "The ridge must be thinner than twice the run.");
    EXPECT_EQ(roofMessage(errRoofRidge).title, "Roof Framing");
    EXPECT_EQ(roofMessage(13).title, "Error");
}

}  // namespace
}  // namespace plumbrule
