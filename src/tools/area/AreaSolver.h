// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/ToolBoxes.h"

// The area and volume of a rectangle or a slab: floor area, the concrete for
// a footing, board feet. Qt-free.
namespace plumbrule {

// The boxes of the Area and Volume tab, in this order, each a length (a
// plain number is inches); the thickness is optional.
inline constexpr std::array areaBoxes{
    ToolBox{"--length", "txtLength", BoxKind::Length},
    ToolBox{"--width", "txtWidth", BoxKind::Length},
    ToolBox{"--thickness", "txtThickness", BoxKind::Length},
};

// The tab's own errors; any other number is a run-time error of a box.
inline constexpr int errAreaLengthAndWidth = 1201;  // the length or the width is empty
inline constexpr int errAreaNotPositive = 1202;     // a dimension of 0 or less

// solveArea({"12'", "10'", "4\""}, first-run form)
//   -> {"Area 120.00 sq ft = 13.33 sq yd = 11.15 m²", "Perimeter 44'0\"",
//       "Volume 40.00 cu ft = 1.48 cu yd = 1.133 m³", "Board feet 480.00"}
// Without a thickness only the area and perimeter lines. Two decimals (three
// for m³), halves away from zero, 25.4 mm to the inch exactly; the perimeter
// is written by write.length (the main window's output form).
ToolAnswer solveArea(const std::vector<std::string>& texts, const ToolWriters& write,
                     bool everyLine);

// The tab's one message box for an error number: its own errors titled
// "Area and Volume", a run-time error titled "Error".
ToolMessage areaMessage(int error);

}  // namespace plumbrule
