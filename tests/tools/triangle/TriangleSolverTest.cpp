// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "triangle/TriangleSolver.h"

#include <gtest/gtest.h>

#include "engine/Formatter.h"

namespace plumbrule {
namespace {

struct Row {
    std::vector<std::string> boxes;  // rise, run, diagonal, pitch, angle
    std::vector<std::string> lines;
    int error = 0;
};

void PrintTo(const Row& row, std::ostream* out) {
    for (const std::string& box : row.boxes) *out << box << " | ";
}

class Triangle : public ::testing::TestWithParam<Row> {};

// Worked by hand, with the first-run output form (fractional feet and
// inches to 1/16 inch); the pitch is that style with the unit form None.
TEST_P(Triangle, SolvesFromAnyTwoValuesThatFixIt) {
    const DisplayOptions form{};
    const DisplayOptions pitchForm{DisplayOptions::Style::Fractional, DisplayOptions::Units::None,
                                   4};
    const ToolAnswer answer = solveTriangle(GetParam().boxes,
                                            {[&](double x) { return DisplayValue(x, form); },
                                             [&](double x) { return DisplayValue(x, pitchForm); }},
                                            false);
    EXPECT_EQ(answer.error, GetParam().error);
    EXPECT_EQ(answer.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, Triangle,
    ::testing::Values(
        Row{{"6'0\"", "8'0\"", "", "", ""}, {"Diagonal 10'0\"", "Angle 36.9°", "Pitch 9 in 12"}},
        // 10' at 8 in 12 rises 80"; the diagonal is sqrt(120² + 80²) = 144.222".
        Row{{"", "10'", "", "8", ""}, {"Rise 6'8\"", "Diagonal 12'0-1/4\"", "Angle 33.7°"}},
        // Square-up of a 12' by 16' slab.
        Row{{"12'", "16'", "", "", ""}, {"Diagonal 20'0\"", "Angle 36.9°", "Pitch 9 in 12"}},
        Row{{"36", "", "60", "", ""}, {"Run 4'0\"", "Angle 36.9°", "Pitch 9 in 12"}},
        Row{{"", "48", "", "", "45"}, {"Rise 4'0\"", "Diagonal 5'7-7/8\"", "Pitch 12 in 12"}},
        // 12 tan 30° = 6.928 in 12.
        Row{{"", "", "10'", "", "30"}, {"Rise 5'0\"", "Run 8'7-15/16\"", "Pitch 6-15/16 in 12"}},
        Row{{"", "", "", "", ""}, {}, errTriangleTwoValues},
        Row{{"5", "", "", "", ""}, {}, errTriangleTwoValues},
        Row{{"5", "5", "5", "", ""}, {}, errTriangleTwoValues},
        Row{{"", "", "", "8", "30"}, {}, errTrianglePitchAndAngle},
        Row{{"5", "", "5", "", ""}, {}, errTriangleDiagonal},
        Row{{"", "6", "5", "", ""}, {}, errTriangleDiagonal},
        Row{{"0", "5", "", "", ""}, {}, errTriangleSide},
        Row{{"-3\"", "5", "", "", ""}, {}, errTriangleSide},
        Row{{"5", "", "", "0", ""}, {}, errTriangleSlope},
        Row{{"5", "", "", "", "90"}, {}, errTriangleSlope}, Row{{"abc", "5", "", "", ""}, {}, 13},
        Row{{"5", "", "", "9'", ""}, {}, 13}, Row{{"1.7E308", "1.7E308", "", "", ""}, {}, 6}));

TEST(TriangleMessage, SaysTheTabsOwnErrorsInItsWordsAndRunTimeErrorsAsTheStairDoes) {
    EXPECT_EQ(triangleMessage(errTriangleTwoValues).text,
              "Enter two values: two sides, or one side with the pitch or the angle.");
    EXPECT_EQ(triangleMessage(errTriangleDiagonal).title, "Right Triangle");
    EXPECT_EQ(triangleMessage(13).text, "Error: 13 - Type mismatch");
    EXPECT_EQ(triangleMessage(13).title, "Error");
}

}  // namespace
}  // namespace plumbrule
