// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "stair/StairCalculator.h"

// The right triangle of the tools window: a roof's rise and run, a slab's
// square-up diagonal, a pitch. Qt-free.
namespace plumbrule {

// The boxes of the Right Triangle tab, as typed; "" is an empty box. The
// sides read as the stair's length boxes do (a plain number is inches);
// the pitch (inches of rise per 12 of run) and the angle (degrees) are plain
// numbers.
struct TriangleBoxes {
    std::string rise;
    std::string run;
    std::string diagonal;
    std::string pitch;
    std::string angle;
};

// The triangle's own errors; any other number is a run-time error of a box.
inline constexpr int errTriangleTwoValues = 1101;      // not exactly two boxes filled
inline constexpr int errTrianglePitchAndAngle = 1102;  // the same slope twice
inline constexpr int errTriangleSide = 1103;           // a side of 0 or less
inline constexpr int errTriangleSlope = 1104;          // pitch 0 or less, angle outside 0..90
inline constexpr int errTriangleDiagonal = 1105;       // diagonal not longer than a side

struct TriangleAnswer {
    // In the order rise, run, diagonal, angle, pitch.
    std::vector<std::string> lines;
    int error = 0;  // 0 when solved; then lines holds the answer
};

// Solves the triangle from the two values given: two sides, or one side and
// the pitch or the angle. Lengths are written by `write` (the main window's
// output form), the pitch by `writePitch` (the output style with the unit
// form None), the angle to one decimal, halves away from zero:
//   solveTriangle({"6'", "8'", "", "", ""}, first-run form, ...)
//     -> {"Diagonal 10'0\"", "Angle 36.9°", "Pitch 9 in 12"}
//   solveTriangle({"", "10'", "", "8", ""}, ...)
//     -> {"Rise 6'8\"", "Diagonal 12'0-1/4\"", "Angle 33.7°"}
// Only the values computed have a line, unless `everyLine` asks for the
// given ones too (plumbrule-calc prints all five).
TriangleAnswer solveTriangle(const TriangleBoxes& boxes, const LengthWriter& write,
                             const LengthWriter& writePitch, bool everyLine = false);

// The tab's one message box for an error number: the triangle's own errors
// in the tab's words, titled "Right Triangle"; a run-time error as the stair
// says it, titled "Error".
ToolMessage triangleMessage(int error);

}  // namespace plumbrule
