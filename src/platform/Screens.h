// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace plumbrule {

// Whether some part of `frame`, a window's outer rectangle in pixels, lies on
// one of the screens. A saved place off every screen (a screen since removed)
// is not used, so a window can never be lost.
bool OnSomeScreen(const QRect& frame);

}  // namespace plumbrule
