// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/ToolBoxes.h"

// Roof framing: the common rafter with the ridge taken off and the tail
// added, the angles to set the saw to, the regular hip or valley and the
// jack rafters. Qt-free.
namespace plumbrule {

// The boxes of the Roof tab, in this order. The pitch (inches of rise in 12)
// and the angle (degrees) are plain numbers, one of the two; the run (level,
// outside of the wall to the centre of the ridge) or the span (outside of
// wall to outside of wall, twice the run), one of the two; the ridge board's
// thickness, the overhang (level, outside of the wall to the end of the
// tail) and the jacks' spacing on centre are optional.
inline constexpr std::array roofBoxes{
    ToolBox{"--pitch", "txtRoofPitch", BoxKind::Number},
    ToolBox{"--angle", "txtRoofAngle", BoxKind::Number},
    ToolBox{"--run", "txtRoofRun", BoxKind::Length},
    ToolBox{"--span", "txtSpan", BoxKind::Length},
    ToolBox{"--ridge", "txtRidge", BoxKind::Length},
    ToolBox{"--overhang", "txtOverhang", BoxKind::Length},
    ToolBox{"--jacks", "txtJacks", BoxKind::Length},
};

// The roof's own errors; any other number is a run-time error of a box.
inline constexpr int errRoofPitchOrAngle = 1301;  // both or neither
inline constexpr int errRoofRunOrSpan = 1302;     // both or neither
inline constexpr int errRoofNotPositive = 1303;   // a value of 0 or less
inline constexpr int errRoofAngle = 1304;         // an angle of 90° or more
inline constexpr int errRoofRidge = 1305;         // a ridge not thinner than twice the run
inline constexpr int errRoofJackCount = 1306;     // more jacks than kMostJacks

// Jacks closer than this many to one hip are no spacing anyone frames to.
inline constexpr int kMostJacks = 500;

// solveRoof(texts in the order of roofBoxes, writers): with p the pitch
// (12 tan of the angle when the angle is given), F = sqrt(144 + p²) / 12 the
// rafter's length per inch of run, and the ridge's half thickness taken off
// the run, measured level:
//   "Rise R"                      run × p / 12, the full run
//   "Common rafter L"             (run − ridge / 2) × F, ridge face to plate line
//   "Overhang T"                  with an overhang: overhang × F
//   "Rafter total L+T"            with an overhang, rounded once
//   "Plumb cut A°, level cut B°"  A = atan(p / 12), B = 90° − A
//   "Hip or valley H @ C°"        (run − ridge / 2) × sqrt(288 + p²) / 12,
//                                 C = atan(p / (12 √2)): equal pitches both sides
//   "Jack difference D"           with jacks at S: S × F
//   "Jacks J1, J2, ..."           run × F − k × D for k = 1, 2, ... while above
//                                 0, longest first, each rounded once
// Lengths by write.length, angles to one decimal, halves away from zero:
//   solveRoof({"7", "", "", "28'", "", "", ""}, first-run form)
//     -> {"Rise 8'2\"", "Common rafter 16'2-1/2\"",
//         "Plumb cut 30.3°, level cut 59.7°", "Hip or valley 21'5\" @ 22.4°"}
ToolAnswer solveRoof(const std::vector<std::string>& texts, const ToolWriters& write,
                     bool everyLine);

// The tab's one message box for an error number: its own errors titled
// "Roof Framing", a run-time error titled "Error".
ToolMessage roofMessage(int error);

}  // namespace plumbrule
