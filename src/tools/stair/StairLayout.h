// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "platform/ControlRows.h"

// The stair calculator window as designed, in twips.
namespace plumbrule::stair_layout {

// The results frame, and the window with it, reach 270 twips further down
// than the first layout did: room for the third result line, lblStringer.
inline constexpr TwipsRect client{0, 0, 6795, 4815};

// Each box has its label just above it: 210 twips high, as wide as fits the
// frame (5100 twips) up to 1700.
constexpr TwipsRect box(int left, int top) {
    return {left, top, 1005, 285};
}
constexpr TwipsRect labelOver(int left, int top) {
    return {left, top - 210, 5100 - left - 30 < 1700 ? 5100 - left - 30 : 1700, 210};
}

using K = ControlKind;

// Every control, in the order the window makes them: the drawing lies under
// the boxes. The risers' boxes are Text1_0..2, the treads' Text2_0..2, in the
// order of the sides' values (step, count, overall).
inline constexpr std::array controls{
    ControlPlace{"Frame1", K::Frame, {90, 90, 5100, 3390}, "Input Values"},
    ControlPlace{"diagram", K::Special, {0, 0, 5100, 3390}, {}, {}, {}, "Frame1"},
    ControlPlace{"Text1_0", K::Box, box(900, 675), {}, {}, "Maximum riser height", "Frame1"},
    ControlPlace{"Label1_0", K::Label, labelOver(900, 675), "Max Riser Hieght", {}, {}, "Frame1"},
    ControlPlace{"Text2_0", K::Box, box(270, 1260), {}, {}, "Maximum tread width", "Frame1"},
    ControlPlace{"Label2_0", K::Label, labelOver(270, 1260), "Max Tread Width", {}, {}, "Frame1"},
    ControlPlace{"Text1_1", K::Box, box(2250, 1305), {}, {}, "Number of risers", "Frame1"},
    ControlPlace{"Label1_1", K::Label, labelOver(2250, 1305), "Number of Risers", {}, {}, "Frame1"},
    ControlPlace{"Text2_1", K::Box, box(1665, 1890), {}, {}, "Number of treads", "Frame1"},
    ControlPlace{"Label2_1", K::Label, labelOver(1665, 1890), "Number of Treads", {}, {}, "Frame1"},
    ControlPlace{"Text1_2", K::Box, box(3825, 1350), {}, {}, "Overall height", "Frame1"},
    ControlPlace{"Label1_2", K::Label, labelOver(3825, 1350), "Overall Hieght", {}, {}, "Frame1"},
    ControlPlace{"Text2_2", K::Box, box(1395, 2835), {}, {}, "Overall width", "Frame1"},
    ControlPlace{"Label2_2", K::Label, labelOver(1395, 2835), "Overall Width", {}, {}, "Frame1"},

    ControlPlace{"Frame2", K::Frame, {90, 3555, 5100, 1140}, "Results"},
    ControlPlace{"lblRiser", K::Label, {150, 270, 4800, 240}, {}, {}, {}, "Frame2"},
    ControlPlace{"lblTread", K::Label, {150, 540, 4800, 240}, {}, {}, {}, "Frame2"},
    ControlPlace{"lblStringer", K::Label, {150, 810, 4800, 240}, {}, {}, {}, "Frame2"},

    ControlPlace{"lblCalculateFor", K::Label, {5400, 225, 1350, 240}, "Calculate for:"},
    ControlPlace{
        "optStair_0", K::Option, {5400, 495, 1300, 255}, "Risers", {}, "Calculate for risers"},
    ControlPlace{
        "optStair_1", K::Option, {5400, 765, 1300, 255}, "Treads", {}, "Calculate for treads"},
    // The run of spaces pushes the second sentence onto its own line.
    ControlPlace{"lblNote",
                 K::Label,
                 {5310, 1485, 1365, 1455},
                 "Enter two of the three values to calculate the third."
                 "                                                                "
                 "Note: All values must be in inches."},
    ControlPlace{"cmdCalculate", K::Button, {5400, 3600, 1230, 375}, "Claculate", {}, "Calculate"},
    ControlPlace{"Command1", K::Button, {5400, 4095, 1230, 330}, "Close", {}, "Close"},
};

}  // namespace plumbrule::stair_layout

namespace plumbrule {

// The side view of a straight flight behind the stair tab's input boxes, in
// the pixels of the "Input Values" frame: a floor line, nine risers and
// eight treads up to a top landing, the overall height dimension line with
// its arrowheads at the right, the overall width dimension line with its
// arrowheads below, and short leader lines from the boxes to what they
// measure: 34 line segments in all (Line1 to Line34).
std::vector<LineSegment> stairDiagram();

}  // namespace plumbrule
