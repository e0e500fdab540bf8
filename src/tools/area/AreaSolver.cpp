// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "area/AreaSolver.h"

#include <optional>

namespace plumbrule {

namespace {

// Square and cubic inches in the larger units; a metre is 1000 / 25.4 inches.
constexpr double kSquareInchesPerSquareFoot = 144;
constexpr double kSquareInchesPerSquareYard = 1296;
constexpr double kSquareMetresPerSquareInch = 0.00064516;
constexpr double kCubicInchesPerCubicFoot = 1728;
constexpr double kCubicInchesPerCubicYard = 46656;
constexpr double kCubicMetresPerCubicInch = 0.000016387064;
constexpr double kCubicInchesPerBoardFoot = 144;  // 12" x 12" x 1"

std::vector<std::string> solve(const std::vector<std::string>& texts, const ToolWriters& write) {
    const auto values = readBoxes(areaBoxes, texts);
    if (!values[0] || !values[1]) throw ToolError{errAreaLengthAndWidth};
    for (const auto& value : values) {
        if (value && !(*value > 0)) throw ToolError{errAreaNotPositive};
    }
    const double length = *values[0];
    const double width = *values[1];

    const double area = length * width;
    const double perimeter = finite(2 * (length + width));
    std::vector<std::string> lines{
        "Area " + decimals(area / kSquareInchesPerSquareFoot, "0.00") +
            " sq ft = " + decimals(area / kSquareInchesPerSquareYard, "0.00") +
            " sq yd = " + decimals(area * kSquareMetresPerSquareInch, "0.00") + " m\u00B2",
        "Perimeter " + write.length(perimeter),
    };
    if (values[2]) {
        const double volume = area * *values[2];
        lines.push_back("Volume " + decimals(volume / kCubicInchesPerCubicFoot, "0.00") +
                        " cu ft = " + decimals(volume / kCubicInchesPerCubicYard, "0.00") +
                        " cu yd = " + decimals(volume * kCubicMetresPerCubicInch, "0.000") +
                        " m\u00B3");
        lines.push_back("Board feet " + decimals(volume / kCubicInchesPerBoardFoot, "0.00"));
    }
    return lines;
}

}  // namespace

ToolAnswer solveArea(const std::vector<std::string>& texts, const ToolWriters& write,
                     bool /*everyLine*/) {
    return answerOf([&] { return solve(texts, write); });
}

ToolMessage areaMessage(int error) {
    const char* text = "";
    if (error == errAreaLengthAndWidth) {
        text = "Enter the length and the width; the thickness may stay empty.";
    } else if (error == errAreaNotPositive) {
        text = "A length, width or thickness must be more than 0.";
    }
    return toolMessage(error, text, "Area and Volume");
}

}  // namespace plumbrule
