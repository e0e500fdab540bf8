// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roof/RoofLayout.h"
#include "tools/ToolDrawing.h"

namespace plumbrule {

namespace {

constexpr double kTail = 22;    // x of the tail's plumb cut
constexpr double kWall = 52;    // x of the outside of the wall
constexpr double kPlate = 84;   // y of the plate line, the top of the wall
constexpr double kRidge = 250;  // x of the ridge board's face
constexpr double kTop = 44;     // y of the plate line at the ridge
constexpr double kDepth = 5;    // the rafter's depth above its plate line
constexpr double kDimension = 98;
constexpr double kRiseLine = 292;
constexpr double kArrow = 3;
constexpr double kArrowLength = 6;

// y of the plate line at x, along the slope.
constexpr double slopeAt(double x) {
    return kPlate - (x - kWall) * (kPlate - kTop) / (kRidge - kWall);
}

}  // namespace

std::vector<LineSegment> roofDiagram() {
    std::vector<LineSegment> lines{
        // The wall, its plate, and the ridge board.
        {kWall, kPlate, kWall, kDimension - 4},
        {kWall + 8, kPlate + 2, kWall + 8, kDimension - 4},
        {kWall, kPlate, kWall + 8, kPlate + 2},
        {kRidge, kTop - 12, kRidge, kTop + 14},
        {kRidge + 6, kTop - 12, kRidge + 6, kTop + 14},
        {kRidge, kTop - 12, kRidge + 6, kTop - 12},
        // The rafter: its plate line and its top edge, the tail's plumb cut.
        {kTail, slopeAt(kTail), kRidge, kTop},
        {kTail, slopeAt(kTail) - kDepth, kRidge, kTop - kDepth},
        {kTail, slopeAt(kTail) - kDepth, kTail, slopeAt(kTail)},
        // The rise, from the plate to the plate line at the ridge's centre.
        {kRiseLine, kTop, kRiseLine, kPlate},
        {kRiseLine, kTop, kRiseLine - kArrow, kTop + kArrowLength},
        {kRiseLine, kTop, kRiseLine + kArrow, kTop + kArrowLength},
        {kRiseLine, kPlate, kRiseLine - kArrow, kPlate - kArrowLength},
        {kRiseLine, kPlate, kRiseLine + kArrow, kPlate - kArrowLength},
        {kRidge + 8, kTop, kRiseLine + 4, kTop},
        {kWall + 10, kPlate, kRiseLine + 4, kPlate},
        // Extension lines down to the dimension line.
        {kTail, slopeAt(kTail) + 2, kTail, kDimension + 4},
        {kRidge + 3, kTop + 16, kRidge + 3, kDimension + 4},
    };
    // The overhang, then the run to the ridge's centre.
    addDimensionLine(lines, kTail, kWall, kDimension, kArrowLength, kArrow);
    addDimensionLine(lines, kWall, kRidge + 3, kDimension, kArrowLength, kArrow);
    return lines;
}

}  // namespace plumbrule
