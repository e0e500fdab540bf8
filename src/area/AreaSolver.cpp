// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "area/AreaSolver.h"

#include <cmath>
#include <optional>

#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

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

class Unsolvable {
  public:
    explicit Unsolvable(int error) : error(error) {}
    int error;
};

std::optional<double> lengthOf(const std::string& box) {
    if (box.empty()) return std::nullopt;
    const double inches = readLengthBox(box);
    if (!(inches > 0)) throw Unsolvable(errAreaNotPositive);
    return inches;
}

// x to the decimals of `pattern`, halves away from zero; a result beyond the
// double range is an overflow.
std::string decimals(double x, const char* pattern) {
    if (!std::isfinite(x)) throw RuntimeError(errOverflow);
    return roundAway(x, pattern);
}

std::vector<std::string> solve(const AreaBoxes& boxes, const LengthWriter& write) {
    if (boxes.length.empty() || boxes.width.empty()) throw Unsolvable(errAreaLengthAndWidth);
    const double length = *lengthOf(boxes.length);
    const double width = *lengthOf(boxes.width);
    const std::optional<double> thickness = lengthOf(boxes.thickness);

    const double area = length * width;
    const double perimeter = 2 * (length + width);
    if (!std::isfinite(perimeter)) throw RuntimeError(errOverflow);
    std::vector<std::string> lines{
        "Area " + decimals(area / kSquareInchesPerSquareFoot, "0.00") +
            " sq ft = " + decimals(area / kSquareInchesPerSquareYard, "0.00") +
            " sq yd = " + decimals(area * kSquareMetresPerSquareInch, "0.00") + " m\u00B2",
        "Perimeter " + write(perimeter),
    };
    if (thickness) {
        const double volume = area * *thickness;
        lines.push_back("Volume " + decimals(volume / kCubicInchesPerCubicFoot, "0.00") +
                        " cu ft = " + decimals(volume / kCubicInchesPerCubicYard, "0.00") +
                        " cu yd = " + decimals(volume * kCubicMetresPerCubicInch, "0.000") +
                        " m\u00B3");
        lines.push_back("Board feet " + decimals(volume / kCubicInchesPerBoardFoot, "0.00"));
    }
    return lines;
}

}  // namespace

AreaAnswer solveArea(const AreaBoxes& boxes, const LengthWriter& write) {
    try {
        return {solve(boxes, write), 0};
    } catch (const Unsolvable& unsolvable) {
        return {{}, unsolvable.error};
    } catch (const RuntimeError& error) {
        return {{}, error.number()};
    }
}

ToolMessage areaMessage(int error) {
    const char* title = "Area and Volume";
    switch (error) {
        case errAreaLengthAndWidth:
            return {"Enter the length and the width; the thickness may stay empty.", title};
        case errAreaNotPositive:
            return {"A length, width or thickness must be more than 0.", title};
        default:
            break;
    }
    return {stairErrorMessage(error), "Error"};
}

}  // namespace plumbrule
