// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>

#include "triangle/TriangleLayout.h"

namespace plumbrule {

namespace {

constexpr double kFootX = 30;   // the foot of the slope, where the angle is
constexpr double kFloor = 175;  // y of the run
constexpr double kWallX = 220;  // x of the rise
constexpr double kTop = 55;     // y of the top of the rise
constexpr double kSquare = 8;   // the square corner's mark

// y of the diagonal at x.
double slopeAt(double x) {
    return kFloor - (x - kFootX) * (kFloor - kTop) / (kWallX - kFootX);
}

}  // namespace

std::vector<LineSegment> triangleDiagram() {
    std::vector<LineSegment> lines{
        {kFootX, kFloor, kWallX, kFloor},  // run
        {kWallX, kFloor, kWallX, kTop},    // rise
        {kFootX, kFloor, kWallX, kTop},    // diagonal
        {kWallX - kSquare, kFloor, kWallX - kSquare, kFloor - kSquare},
        {kWallX - kSquare, kFloor - kSquare, kWallX, kFloor - kSquare},
    };
    // The angle's arc, from the run up to the diagonal.
    const double angle = std::atan2(kFloor - kTop, kWallX - kFootX);
    constexpr double radius = 28;
    constexpr int pieces = 6;
    for (int piece = 0; piece < pieces; ++piece) {
        const double from = angle * piece / pieces;
        const double to = angle * (piece + 1) / pieces;
        lines.push_back({kFootX + radius * std::cos(from), kFloor - radius * std::sin(from),
                         kFootX + radius * std::cos(to), kFloor - radius * std::sin(to)});
    }
    // The pitch: 12 of run across, the rise it gives up to the diagonal.
    constexpr double pitchFrom = 160;
    constexpr double pitchTo = 184;
    lines.push_back({pitchFrom, slopeAt(pitchFrom), pitchTo, slopeAt(pitchFrom)});
    lines.push_back({pitchTo, slopeAt(pitchFrom), pitchTo, slopeAt(pitchTo)});
    // Leaders: pitch box to the pitch's rise, diagonal box to the diagonal,
    // angle box to the arc.
    lines.push_back({178, 59, pitchTo, (slopeAt(pitchFrom) + slopeAt(pitchTo)) / 2});
    lines.push_back({110, 99, 118, slopeAt(118)});
    lines.push_back({78, 199, kFootX + radius * std::cos(angle / 2) - 1,
                     kFloor - radius * std::sin(angle / 2) + 1});
    return lines;
}

}  // namespace plumbrule
