// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QStringView>

namespace plumbrule {

// Whether some part of `frame`, a window's outer rectangle in pixels, lies on
// one of the screens. A saved place off every screen (a screen since removed)
// is not used, so a window can never be lost.
bool OnSomeScreen(const QRect& frame);

// Whether the windowing system of Qt's platform `platformName` tells a program
// where its top-level windows are. Wayland does not: there every window reads
// its place as 0,0, and a place saved from that would pin the next X11 run to
// the corner of the screen, so nothing is saved there.
//   "xcb" -> true   "offscreen" -> true   "wayland", "wayland-egl" -> false
bool ReportsWindowPlace(QStringView platformName);
// The same for the platform this run uses.
bool ReportsWindowPlace();

}  // namespace plumbrule
