// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/ToolBoxes.h"

// Layout of balusters, pickets, studs and joists: the count, the gap and
// each member's mark as a tape reading from the start. Qt-free.
namespace plumbrule {

// The boxes of the Spacing tab, in this order, each a length but the count.
// Even spacing: the length between the two ends, the member width (empty
// or 0: marks only) and the maximum gap or the count. On centre: the
// length, the spacing on centre and the member width (empty: 1-1/2").
inline constexpr std::array spacingBoxes{
    ToolBox{"--length", "txtSpacingLength", BoxKind::Length},
    ToolBox{"--width", "txtMemberWidth", BoxKind::Length},
    ToolBox{"--gap", "txtGap", BoxKind::Length},
    ToolBox{"--count", "txtCount", BoxKind::Count},
    ToolBox{"--on-centre", "txtOnCentre", BoxKind::Length},
};

// The spacing's own errors; any other number is a run-time error of a box.
inline constexpr int errSpacingLength = 1401;       // no length
inline constexpr int errSpacingOneWay = 1402;       // not one of gap, count, on centre
inline constexpr int errSpacingNotPositive = 1403;  // a length, gap or spacing of 0 or less
inline constexpr int errSpacingCount = 1404;        // a count below 1
inline constexpr int errSpacingWidth = 1405;        // a negative member width
inline constexpr int errSpacingFit = 1406;          // the members do not fit
inline constexpr int errSpacingTooMany = 1407;      // more than kMostMembers

// More members than this are no layout anyone steps off by hand.
inline constexpr int kMostMembers = 1000;

// The spacing on centre a tab offers when its box is left empty, and the
// member width on centre when none is given.
inline constexpr double kDefaultOnCentre = 16;
inline constexpr double kDefaultOnCentreWidth = 1.5;

// solveSpacing(texts in the order of spacingBoxes, writers). Lengths by
// write.length; each mark rounded once from its exact value, never by
// stepping a rounded spacing.
// Even spacing (a gap or a count): N members, with a maximum gap G the
// smallest N of at least 1 with (L − N × w) / (N + 1) ≤ G; g = (L − N × w) / (N + 1).
//   "N members, N+1 gaps of g"
//   "On centre c"                 g + w, with more than one member
//   "Marks m1, m2, ..."           m_k = k × g + (k − ½) × w, each member's centre
//   solveSpacing({"24-1/2\"", "1-1/2\"", "4", "", ""}, inches, 1/16)
//     -> {"4 members, 5 gaps of 3-11/16\"", "On centre 5-3/16\"",
//         "Marks 4-7/16\", 9-5/8\", 14-7/8\", 20-1/16\""}
// On centre S (a member at each end, N = ⌈L / S⌉ + 1):
//   "N members @ S on centre"
//   "Marks m1, ..."               k × S − w / 2 for k = 1 … N − 2, the near
//                                 edge of each inner member, then L − w
//   solveSpacing({"12'", "", "", "", "16"}, inches, 1/16)
//     -> {"10 members @ 16\" on centre", "Marks 15-1/4\", 31-1/4\", …, 142-1/2\""}
ToolAnswer solveSpacing(const std::vector<std::string>& texts, const ToolWriters& write,
                        bool everyLine);

// The tab's one message box for an error number: its own errors titled
// "Spacing", a run-time error titled "Error".
ToolMessage spacingMessage(int error);

}  // namespace plumbrule
