// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "area/AreaLayout.h"

namespace plumbrule {

namespace {

constexpr double kLeft = 70;    // the front face: left and right ends,
constexpr double kRight = 200;  // top and bottom edges
constexpr double kTop = 140;
constexpr double kBottom = 158;
constexpr double kDepth = 60;  // the width, drawn going back up and right
constexpr double kArrow = 3;
constexpr double kArrowLength = 6;

}  // namespace

std::vector<LineSegment> areaDiagram() {
    constexpr double backLeft = kLeft + kDepth;
    constexpr double backRight = kRight + kDepth;
    constexpr double backTop = kTop - kDepth;
    constexpr double backBottom = kBottom - kDepth;
    constexpr double lengthLine = 166;    // y of the length's dimension line
    constexpr double thicknessLine = 60;  // x of the thickness's dimension line
    return {
        // Front face, top, side.
        {kLeft, kTop, kRight, kTop},
        {kLeft, kBottom, kRight, kBottom},
        {kLeft, kTop, kLeft, kBottom},
        {kRight, kTop, kRight, kBottom},
        {kLeft, kTop, backLeft, backTop},
        {backLeft, backTop, backRight, backTop},
        {kRight, kTop, backRight, backTop},
        {kRight, kBottom, backRight, backBottom},
        {backRight, backTop, backRight, backBottom},
        // Length, with arrowheads at both ends.
        {kLeft, lengthLine, kRight, lengthLine},
        {kLeft, lengthLine, kLeft + kArrowLength, lengthLine - kArrow},
        {kLeft, lengthLine, kLeft + kArrowLength, lengthLine + kArrow},
        {kRight, lengthLine, kRight - kArrowLength, lengthLine - kArrow},
        {kRight, lengthLine, kRight - kArrowLength, lengthLine + kArrow},
        // Thickness, with arrowheads at both ends and its extension lines.
        {thicknessLine, kTop, thicknessLine, kBottom},
        {thicknessLine - 4, kTop, kLeft - 2, kTop},
        {thicknessLine - 4, kBottom, kLeft - 2, kBottom},
        {thicknessLine, kTop, thicknessLine - kArrow, kTop + kArrowLength},
        {thicknessLine, kTop, thicknessLine + kArrow, kTop + kArrowLength},
        {thicknessLine, kBottom, thicknessLine - kArrow, kBottom - kArrowLength},
        {thicknessLine, kBottom, thicknessLine + kArrow, kBottom - kArrowLength},
        // Leaders: thickness box to its line, width box to the side edge.
        {72, 187, thicknessLine + 1, kBottom + 2},
        {268, 124, kRight + 33, kBottom - 33},
    };
}

}  // namespace plumbrule
