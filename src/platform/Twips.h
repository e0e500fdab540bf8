// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <cmath>

#include "platform/ControlRows.h"

// Window positions and sizes are kept in twips: 15 twips are one logical
// pixel (1/1440 inch at 96 dots per inch); Qt scales logical pixels for
// high-density screens.
namespace plumbrule {

inline constexpr int twipsPerPixel = 15;

// Pixels(540) -> 36; a size that is not a whole number of pixels rounds to
// the nearest pixel: Pixels(1870) -> 125. (A whole number of twips never lies
// half-way between two pixels.) Safe over the whole int range.
constexpr int Pixels(int twips) {
    const int whole = twips / twipsPerPixel;
    const int rest = twips % twipsPerPixel;
    if (rest > twipsPerPixel / 2) return whole + 1;
    if (rest < -(twipsPerPixel / 2)) return whole - 1;
    return whole;
}

// Whole over the int range: a popup point far out still lands where the
// division in double puts it.
static_assert(Pixels(2147483647) == 143165576 && Pixels(-2147483647 - 1) == -143165577);

// A saved position in twips as a whole number of pixels.
inline int Pixels(float twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

constexpr int Twips(int pixels) {
    return pixels * twipsPerPixel;
}

// PixelRect({405, 90, 3975, 330}) -> QRect(27, 6, 265, 22)
inline QRect PixelRect(const TwipsRect& twips) {
    return {Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height)};
}

}  // namespace plumbrule
