// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "platform/ControlRows.h"

// What the tools' drawings share, Qt-free.
namespace plumbrule {

// A level dimension line from (x1, y) to (x2, y) with an arrowhead at each
// end, `length` long and `half` wide on each side of the line.
inline void addDimensionLine(std::vector<LineSegment>& lines, double x1, double x2, double y,
                             double length, double half) {
    lines.push_back({x1, y, x2, y});
    lines.push_back({x1, y, x1 + length, y - half});
    lines.push_back({x1, y, x1 + length, y + half});
    lines.push_back({x2, y, x2 - length, y - half});
    lines.push_back({x2, y, x2 - length, y + half});
}

}  // namespace plumbrule
