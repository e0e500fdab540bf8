// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/StairLayout.h"

namespace plumbrule {

namespace {

constexpr double kFloor = 150;      // y of the floor line
constexpr double kFirstRiser = 38;  // x of the first riser
constexpr double kRise = 13;        // height of one riser
constexpr double kGoing = 22;       // width of one tread
constexpr int kRisers = 9;
constexpr double kLanding = kFloor - kRisers * kRise;                // y of the top landing
constexpr double kLastRiser = kFirstRiser + (kRisers - 1) * kGoing;  // x of the last riser
constexpr double kHeightLine = 240;  // x of the overall height dimension line
constexpr double kWidthLine = 160;   // y of the overall width dimension line
constexpr double kArrow = 4;         // half the width of an arrowhead
constexpr double kArrowLength = 7;

}  // namespace

std::vector<LineSegment> stairDiagram() {
    std::vector<LineSegment> lines;
    // The flight: floor, risers and treads, top landing.
    lines.push_back({8, kFloor, 250, kFloor});
    for (int step = 0; step < kRisers; ++step) {
        const double x = kFirstRiser + step * kGoing;
        const double bottom = kFloor - step * kRise;
        lines.push_back({x, bottom, x, bottom - kRise});
        if (step + 1 < kRisers) lines.push_back({x, bottom - kRise, x + kGoing, bottom - kRise});
    }
    lines.push_back({kLastRiser, kLanding, 250, kLanding});
    // Overall height, from the floor to the landing, arrowheads at both ends.
    lines.push_back({kHeightLine, kLanding, kHeightLine, kFloor});
    lines.push_back({kHeightLine, kLanding, kHeightLine - kArrow, kLanding + kArrowLength});
    lines.push_back({kHeightLine, kLanding, kHeightLine + kArrow, kLanding + kArrowLength});
    lines.push_back({kHeightLine, kFloor, kHeightLine - kArrow, kFloor - kArrowLength});
    lines.push_back({kHeightLine, kFloor, kHeightLine + kArrow, kFloor - kArrowLength});
    // Overall width, from the first riser to the last, with its extension lines.
    lines.push_back({kFirstRiser, kWidthLine, kLastRiser, kWidthLine});
    lines.push_back({kFirstRiser, kWidthLine, kFirstRiser + kArrowLength, kWidthLine - kArrow});
    lines.push_back({kFirstRiser, kWidthLine, kFirstRiser + kArrowLength, kWidthLine + kArrow});
    lines.push_back({kLastRiser, kWidthLine, kLastRiser - kArrowLength, kWidthLine - kArrow});
    lines.push_back({kLastRiser, kWidthLine, kLastRiser - kArrowLength, kWidthLine + kArrow});
    lines.push_back({kFirstRiser, kFloor + 2, kFirstRiser, kWidthLine + 4});
    lines.push_back({kLastRiser, kFloor + 2, kLastRiser, kWidthLine + 4});
    // Leaders: maximum riser height to a riser, maximum tread width to a
    // tread, overall height box to its dimension line.
    lines.push_back({127, 58, kFirstRiser + 5 * kGoing, kFloor - 5.5 * kRise});
    lines.push_back({52, 103, kFirstRiser + 1.5 * kGoing, kFloor - 2 * kRise});
    lines.push_back({kHeightLine, 99, 255, 99});

    return lines;
}

}  // namespace plumbrule
