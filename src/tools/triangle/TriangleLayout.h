// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "platform/ControlRows.h"

// The Right Triangle tab as designed, in twips: the stair tab's page, its
// input frame, right-hand column and results frame in the same places.
namespace plumbrule::triangle_layout {

// Each box has its label just above it.
constexpr TwipsRect box(int left, int top) {
    return {left, top, 1005, 285};
}
constexpr TwipsRect labelOver(int left, int top, int width = 1300) {
    return {left, top - 210, width, 210};
}

using K = ControlKind;

// The drawing (TriangleDiagram) lies under the boxes; each box sits beside
// what it measures: the rise at the right, the run below, the diagonal over
// the slope, the pitch over its little triangle of 12 run, the angle under
// its arc.
inline constexpr std::array controls{
    ControlPlace{"fraTriangle", K::Frame, {90, 90, 5100, 3390}, "Input Values"},
    ControlPlace{"triangleDiagram", K::Special, {0, 0, 5100, 3390}, {}, {}, {}, "fraTriangle"},
    ControlPlace{"txtRise", K::Box, box(3480, 1575), {}, {}, "Rise", "fraTriangle"},
    ControlPlace{"lblRise", K::Label, labelOver(3480, 1575), "Rise", {}, {}, "fraTriangle"},
    ControlPlace{"txtRun", K::Box, box(1380, 2925), {}, {}, "Run", "fraTriangle"},
    ControlPlace{"lblRun", K::Label, labelOver(1380, 2925), "Run", {}, {}, "fraTriangle"},
    ControlPlace{"txtDiagonal", K::Box, box(750, 1200), {}, {}, "Diagonal", "fraTriangle"},
    ControlPlace{"lblDiagonal", K::Label, labelOver(750, 1200), "Diagonal", {}, {}, "fraTriangle"},
    ControlPlace{"txtPitch", K::Box, box(1950, 600), {}, {}, "Pitch, inches in 12", "fraTriangle"},
    ControlPlace{
        "lblPitch", K::Label, labelOver(1950, 600), "Pitch (in 12)", {}, {}, "fraTriangle"},
    ControlPlace{"txtAngle", K::Box, box(150, 2925), {}, {}, "Angle in degrees", "fraTriangle"},
    ControlPlace{
        "lblAngle", K::Label, labelOver(150, 2925, 1150), "Angle (\u00B0)", {}, {}, "fraTriangle"},

    ControlPlace{"fraTriangleResults", K::Frame, {90, 3555, 5100, 1140}, "Results"},
    ControlPlace{
        "lblTriangle_0", K::Label, {150, 270, 4800, 240}, {}, {}, {}, "fraTriangleResults"},
    ControlPlace{
        "lblTriangle_1", K::Label, {150, 540, 4800, 240}, {}, {}, {}, "fraTriangleResults"},
    ControlPlace{
        "lblTriangle_2", K::Label, {150, 810, 4800, 240}, {}, {}, {}, "fraTriangleResults"},

    ControlPlace{"lblTriangleNote",
                 K::Label,
                 {5310, 225, 1365, 2700},
                 "Enter two values: two sides, or one side with the pitch or the angle. "
                 "A plain number is inches; a length may have its feet and inch marks."},
    ControlPlace{
        "cmdCalculateTriangle", K::Button, {5400, 3600, 1230, 375}, "Calculate", {}, "Calculate"},
    ControlPlace{"cmdCloseTriangle", K::Button, {5400, 4095, 1230, 330}, "Close", {}, "Close"},
};

}  // namespace plumbrule::triangle_layout

namespace plumbrule {

// The right triangle behind the Right Triangle tab's boxes, in the pixels of
// its "Input Values" frame: the run along the bottom, the rise at the right
// with its square corner, the diagonal, the angle's arc at the foot of the
// slope, the little triangle of 12 run that shows the pitch, and short
// leader lines from the boxes.
std::vector<LineSegment> triangleDiagram();

}  // namespace plumbrule
