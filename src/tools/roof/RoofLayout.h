// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "platform/ControlRows.h"

// The Roof tab as designed, in twips: the stair tab's page and right-hand
// column; the input frame is lower and the results frame taller, for up to
// eight lines, the jacks' line wrapping.
namespace plumbrule::roof_layout {

constexpr TwipsRect box(int left, int top) {
    return {left, top, 1005, 285};
}
constexpr TwipsRect labelOver(int left, int top) {
    return {left, top - 210, 1100, 210};
}
constexpr TwipsRect line(int index) {
    return {150, 240 + 240 * index, 4800, 240};
}

using K = ControlKind;

// The drawing (roofDiagram) is a rafter on its wall plate up to the ridge
// board; each box sits beside what it measures: the pitch and the angle over
// the slope, the ridge over the ridge board, the overhang under the tail,
// the run and the span under the run's dimension line, the jacks' spacing
// at the right.
inline constexpr std::array controls{
    ControlPlace{"fraRoof", K::Frame, {90, 90, 5100, 2100}, "Input Values"},
    ControlPlace{"roofDiagram", K::Special, {0, 0, 5100, 2100}, {}, {}, {}, "fraRoof"},
    ControlPlace{
        "txtRoofPitch", K::Box, box(150, 450), {}, {}, "Pitch, inches of rise in 12", "fraRoof"},
    ControlPlace{"lblRoofPitch", K::Label, labelOver(150, 450), "Pitch (in 12)", {}, {}, "fraRoof"},
    ControlPlace{"txtRoofAngle", K::Box, box(1275, 450), {}, {}, "Angle in degrees", "fraRoof"},
    ControlPlace{
        "lblRoofAngle", K::Label, labelOver(1275, 450), "Angle (\u00B0)", {}, {}, "fraRoof"},
    ControlPlace{
        "txtRidge", K::Box, box(2700, 450), {}, {}, "Ridge thickness, optional", "fraRoof"},
    ControlPlace{"lblRidge", K::Label, labelOver(2700, 450), "Ridge", {}, {}, "fraRoof"},
    ControlPlace{
        "txtOverhang", K::Box, box(75, 1740), {}, {}, "Overhang, level, optional", "fraRoof"},
    ControlPlace{"lblOverhang", K::Label, labelOver(75, 1740), "Overhang", {}, {}, "fraRoof"},
    ControlPlace{"txtRoofRun",
                 K::Box,
                 box(1200, 1740),
                 {},
                 {},
                 "Run, outside of wall to centre of ridge",
                 "fraRoof"},
    ControlPlace{"lblRoofRun", K::Label, labelOver(1200, 1740), "Run", {}, {}, "fraRoof"},
    ControlPlace{"txtSpan",
                 K::Box,
                 box(2325, 1740),
                 {},
                 {},
                 "Span, outside of wall to outside of wall",
                 "fraRoof"},
    ControlPlace{"lblSpan", K::Label, labelOver(2325, 1740), "Span", {}, {}, "fraRoof"},
    ControlPlace{
        "txtJacks", K::Box, box(3975, 1740), {}, {}, "Jacks on centre, optional", "fraRoof"},
    ControlPlace{"lblJacks", K::Label, labelOver(3975, 1740), "Jacks at", {}, {}, "fraRoof"},

    ControlPlace{"fraRoofResults", K::Frame, {90, 2250, 5100, 2475}, "Results"},
    ControlPlace{"lblRoof_0", K::Label, line(0), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_1", K::Label, line(1), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_2", K::Label, line(2), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_3", K::Label, line(3), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_4", K::Label, line(4), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_5", K::Label, line(5), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_6", K::Label, line(6), {}, {}, {}, "fraRoofResults"},
    ControlPlace{"lblRoof_7", K::Label, line(7), {}, {}, {}, "fraRoofResults"},

    ControlPlace{"lblRoofNote",
                 K::Label,
                 {5310, 225, 1365, 3200},
                 "Enter the pitch or the angle, the run or the span; the ridge, overhang "
                 "and jacks as needed. Plumb cut: degrees from level, as a speed square or "
                 "a saw sets them; level cut: 90\u00B0 less."},
    ControlPlace{
        "cmdCalculateRoof", K::Button, {5400, 3600, 1230, 375}, "Calculate", {}, "Calculate"},
    ControlPlace{"cmdCloseRoof", K::Button, {5400, 4095, 1230, 330}, "Close", {}, "Close"},
};

}  // namespace plumbrule::roof_layout

namespace plumbrule {

// The rafter behind the Roof tab's boxes, in the pixels of its "Input
// Values" frame: the wall and its plate, the rafter from its tail up to the
// ridge board, the run's and the overhang's dimension lines below, the
// rise's at the right.
std::vector<LineSegment> roofDiagram();

}  // namespace plumbrule
