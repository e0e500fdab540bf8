// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace plumbrule {

// The program icon of every window's title bar and the task bar, built from
// the PNG sizes compiled into the program (16 to 64 pixels), so showing it
// needs no SVG renderer at start-up. Qt picks the size nearest to what the
// screen asks for, so it stays sharp at 150 % and 200 %.
//   programIcon().availableSizes() -> 16x16, 22x22, 24x24, 32x32, 48x48, 64x64
QIcon programIcon();

}  // namespace plumbrule
