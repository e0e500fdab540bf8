// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "platform/ControlRows.h"

// The Spacing tab as designed, in twips: the stair tab's page; the way to
// lay out chosen in the right-hand column as the stair's side is, the
// results frame tall enough for a marks line of several lines.
namespace plumbrule::spacing_layout {

constexpr TwipsRect box(int left, int top) {
    return {left, top, 1005, 285};
}
constexpr TwipsRect labelOver(int left, int top) {
    return {left, top - 210, 1250, 210};
}

using K = ControlKind;

// The drawing (spacingDiagram) is a run of members between two end posts;
// each box sits beside what it measures: the count and the spacing on
// centre over the members, the member width over the last member, the
// maximum gap and the length under the dimension lines.
inline constexpr std::array controls{
    ControlPlace{"fraSpacing", K::Frame, {90, 90, 5100, 2100}, "Input Values"},
    ControlPlace{"spacingDiagram", K::Special, {0, 0, 5100, 2100}, {}, {}, {}, "fraSpacing"},
    ControlPlace{"txtCount", K::Box, box(150, 450), {}, {}, "Count of members", "fraSpacing"},
    ControlPlace{"lblCount", K::Label, labelOver(150, 450), "Count", {}, {}, "fraSpacing"},
    ControlPlace{"txtOnCentre", K::Box, box(2700, 450), {}, {}, "Spacing on centre", "fraSpacing"},
    ControlPlace{"lblOnCentre", K::Label, labelOver(2700, 450), "On centre", {}, {}, "fraSpacing"},
    ControlPlace{"txtMemberWidth", K::Box, box(3780, 450), {}, {}, "Member width", "fraSpacing"},
    ControlPlace{
        "lblMemberWidth", K::Label, labelOver(3780, 450), "Member width", {}, {}, "fraSpacing"},
    ControlPlace{"txtGap", K::Box, box(150, 1770), {}, {}, "Maximum gap", "fraSpacing"},
    ControlPlace{"lblGap", K::Label, labelOver(150, 1770), "Maximum gap", {}, {}, "fraSpacing"},
    ControlPlace{"txtSpacingLength",
                 K::Box,
                 box(2025, 1770),
                 {},
                 {},
                 "Length between the two ends",
                 "fraSpacing"},
    ControlPlace{
        "lblSpacingLength", K::Label, labelOver(2025, 1770), "Length", {}, {}, "fraSpacing"},

    ControlPlace{"fraSpacingResults", K::Frame, {90, 2250, 5100, 2475}, "Results"},
    ControlPlace{"lblSpacing_0", K::Label, {150, 240, 4800, 240}, {}, {}, {}, "fraSpacingResults"},
    ControlPlace{"lblSpacing_1", K::Label, {150, 480, 4800, 240}, {}, {}, {}, "fraSpacingResults"},
    ControlPlace{"lblSpacing_2", K::Label, {150, 720, 4800, 240}, {}, {}, {}, "fraSpacingResults"},

    ControlPlace{"lblLayOut", K::Label, {5310, 225, 1350, 240}, "Lay out:"},
    ControlPlace{
        "optSpacing_0", K::Option, {5310, 495, 1470, 255}, "Even spacing", {}, "Even spacing"},
    ControlPlace{"optSpacing_1", K::Option, {5310, 765, 1470, 255}, "On centre", {}, "On centre"},
    ControlPlace{"lblSpacingNote",
                 K::Label,
                 {5310, 1110, 1365, 1900},
                 "Even spacing: the length, the maximum gap or the count. On centre: the "
                 "spacing, 16\" if empty; the width 1-1/2\" if empty."},
    ControlPlace{
        "cmdMarksToTape", K::Button, {5400, 3105, 1230, 375}, "Marks to Tape", {}, "Marks to tape"},
    ControlPlace{
        "cmdCalculateSpacing", K::Button, {5400, 3600, 1230, 375}, "Calculate", {}, "Calculate"},
    ControlPlace{"cmdCloseSpacing", K::Button, {5400, 4095, 1230, 330}, "Close", {}, "Close"},
};

}  // namespace plumbrule::spacing_layout

namespace plumbrule {

// The members behind the Spacing tab's boxes, in the pixels of its "Input
// Values" frame: two end posts with a top and a bottom rail, five members
// between them, and the dimension lines of a gap, of the spacing on centre,
// of the first mark and of the whole length.
std::vector<LineSegment> spacingDiagram();

}  // namespace plumbrule
