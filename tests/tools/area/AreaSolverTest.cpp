// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "area/AreaSolver.h"

#include <gtest/gtest.h>

#include "engine/Formatter.h"

namespace plumbrule {
namespace {

struct Row {
    std::vector<std::string> boxes;  // length, width, thickness
    std::vector<std::string> lines;
    int error = 0;
};

void PrintTo(const Row& row, std::ostream* out) {
    for (const std::string& box : row.boxes) *out << box << " | ";
}

class Area : public ::testing::TestWithParam<Row> {};

// Worked by hand: 144 square inches to the square foot, 1296 to the square
// yard, 0.00064516 m² to the square inch; 1728 cubic inches to the cubic
// foot, 46656 to the cubic yard, 144 to the board foot.
TEST_P(Area, AreaPerimeterAndVolume) {
    const auto write = [](double x) { return DisplayValue(x, DisplayOptions{}); };
    const ToolAnswer answer = solveArea(GetParam().boxes, {write, write}, false);
    EXPECT_EQ(answer.error, GetParam().error);
    EXPECT_EQ(answer.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, Area,
    ::testing::Values(
        Row{{"12'", "10'", "4\""},
            {"Area 120.00 sq ft = 13.33 sq yd = 11.15 m²", "Perimeter 44'0\"",
             "Volume 40.00 cu ft = 1.48 cu yd = 1.133 m³", "Board feet 480.00"}},
        Row{{"144", "120", ""}, {"Area 120.00 sq ft = 13.33 sq yd = 11.15 m²", "Perimeter 44'0\""}},
        // A footing 20' by 16" by 8": 3840 sq in, 30720 cu in.
        Row{{"20'", "16", "8"},
            {"Area 26.67 sq ft = 2.96 sq yd = 2.48 m²", "Perimeter 42'8\"",
             "Volume 17.78 cu ft = 0.66 cu yd = 0.503 m³", "Board feet 213.33"}},
        // Halves away from zero: 18 sq in are 0.125 sq ft.
        Row{{"3", "6", ""}, {"Area 0.13 sq ft = 0.01 sq yd = 0.01 m²", "Perimeter 1'6\""}},
        Row{{"4 m", "3000 mm", ""},
            {"Area 129.17 sq ft = 14.35 sq yd = 12.00 m²", "Perimeter 45'11-3/16\""}},
        Row{{"", "10'", "4"}, {}, errAreaLengthAndWidth},
        Row{{"10'", "", ""}, {}, errAreaLengthAndWidth},
        Row{{"0", "10'", ""}, {}, errAreaNotPositive},
        Row{{"10'", "10'", "-4"}, {}, errAreaNotPositive}, Row{{"10'", "x", ""}, {}, 13},
        Row{{"1E300", "1E300", ""}, {}, 6}));

TEST(AreaMessage, SaysTheTabsOwnErrorsInItsWords) {
    EXPECT_EQ(areaMessage(errAreaLengthAndWidth).text,
              "Enter the length and the width; the thickness may stay empty.");
    EXPECT_EQ(areaMessage(errAreaNotPositive).title, "Area and Volume");
    EXPECT_EQ(areaMessage(6).text, "Error : 6 - A value that has been entered is too large.");
}

}  // namespace
}  // namespace plumbrule
