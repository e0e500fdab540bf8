// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/ToolBoxes.h"

// The right triangle of the tools window: a roof's rise and run, a slab's
// square-up diagonal, a pitch. Qt-free.
namespace plumbrule {

// The boxes of the Right Triangle tab, in this order; the sides read as
// lengths (a plain number is inches), the pitch (inches of rise per 12 of
// run) and the angle (degrees) as plain numbers.
inline constexpr std::array triangleBoxes{
    ToolBox{"--rise", "txtRise", BoxKind::Length},
    ToolBox{"--run", "txtRun", BoxKind::Length},
    ToolBox{"--diagonal", "txtDiagonal", BoxKind::Length},
    ToolBox{"--pitch", "txtPitch", BoxKind::Number},
    ToolBox{"--angle", "txtAngle", BoxKind::Number},
};

// The triangle's own errors; any other number is a run-time error of a box.
inline constexpr int errTriangleTwoValues = 1101;      // not exactly two boxes filled
inline constexpr int errTrianglePitchAndAngle = 1102;  // the same slope twice
inline constexpr int errTriangleSide = 1103;           // a side of 0 or less
inline constexpr int errTriangleSlope = 1104;          // pitch 0 or less, angle outside 0..90
inline constexpr int errTriangleDiagonal = 1105;       // diagonal not longer than a side

// Solves the triangle from the two values given (texts in the order of
// triangleBoxes, "" for an empty box): two sides, or one side and the pitch
// or the angle. Lengths are written by write.length, the pitch by
// write.plain, the angle to one decimal, halves away from zero:
//   solveTriangle({"6'", "8'", "", "", ""}, first-run form)
//     -> {"Diagonal 10'0\"", "Angle 36.9°", "Pitch 9 in 12"}
//   solveTriangle({"", "10'", "", "8", ""}, ...)
//     -> {"Rise 6'8\"", "Diagonal 12'0-1/4\"", "Angle 33.7°"}
// Only the values computed have a line, unless `everyLine` asks for the
// given ones too, in the order rise, run, diagonal, angle, pitch
// (plumbrule-calc prints all five).
ToolAnswer solveTriangle(const std::vector<std::string>& texts, const ToolWriters& write,
                         bool everyLine);

// The tab's one message box for an error number: the triangle's own errors
// in the tab's words, titled "Right Triangle"; a run-time error titled "Error".
ToolMessage triangleMessage(int error);

}  // namespace plumbrule
