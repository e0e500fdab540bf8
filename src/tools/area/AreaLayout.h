// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "platform/ControlRows.h"

// The Area and Volume tab as designed, in twips: the stair tab's page and
// right-hand column; the results frame is taller, for four lines.
namespace plumbrule::area_layout {

constexpr TwipsRect box(int left, int top) {
    return {left, top, 1005, 285};
}
constexpr TwipsRect labelOver(int left, int top) {
    return {left, top - 210, 1300, 210};
}

using K = ControlKind;

// The drawing (AreaDiagram) is a slab seen from above and in front; each box
// sits beside what it measures: the length below the front edge, the width
// at the side edge, the thickness at the front face's end.
inline constexpr std::array controls{
    ControlPlace{"fraArea", K::Frame, {90, 90, 5100, 3120}, "Input Values"},
    ControlPlace{"areaDiagram", K::Special, {0, 0, 5100, 3120}, {}, {}, {}, "fraArea"},
    ControlPlace{"txtLength", K::Box, box(1530, 2775), {}, {}, "Length", "fraArea"},
    ControlPlace{"lblLength", K::Label, labelOver(1530, 2775), "Length", {}, {}, "fraArea"},
    ControlPlace{"txtWidth", K::Box, box(4020, 1725), {}, {}, "Width", "fraArea"},
    ControlPlace{"lblWidth", K::Label, labelOver(4020, 1725), "Width", {}, {}, "fraArea"},
    ControlPlace{"txtThickness", K::Box, box(60, 2775), {}, {}, "Thickness, optional", "fraArea"},
    ControlPlace{"lblThickness", K::Label, labelOver(60, 2775), "Thickness", {}, {}, "fraArea"},

    ControlPlace{"fraAreaResults", K::Frame, {90, 3285, 5100, 1410}, "Results"},
    ControlPlace{"lblArea_0", K::Label, {150, 270, 4800, 240}, {}, {}, {}, "fraAreaResults"},
    ControlPlace{"lblArea_1", K::Label, {150, 540, 4800, 240}, {}, {}, {}, "fraAreaResults"},
    ControlPlace{"lblArea_2", K::Label, {150, 810, 4800, 240}, {}, {}, {}, "fraAreaResults"},
    ControlPlace{"lblArea_3", K::Label, {150, 1080, 4800, 240}, {}, {}, {}, "fraAreaResults"},

    ControlPlace{"lblAreaNote",
                 K::Label,
                 {5310, 225, 1365, 2700},
                 "Enter the length and the width, and a thickness for the volume. "
                 "A plain number is inches; a length may have its feet and inch marks."},
    ControlPlace{
        "cmdCalculateArea", K::Button, {5400, 3600, 1230, 375}, "Calculate", {}, "Calculate"},
    ControlPlace{"cmdCloseArea", K::Button, {5400, 4095, 1230, 330}, "Close", {}, "Close"},
};

}  // namespace plumbrule::area_layout

namespace plumbrule {

// The slab behind the Area and Volume tab's boxes, seen from above and in
// front, in the pixels of its "Input Values" frame, with the length's and
// the thickness's dimension lines and leaders from the boxes.
std::vector<LineSegment> areaDiagram();

}  // namespace plumbrule
