// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

// Window positions and sizes are kept in twips: 15 twips are one logical
// pixel (1/1440 inch at 96 dots per inch); Qt scales logical pixels for
// high-density screens.
namespace plumbrule {

inline constexpr int twipsPerPixel = 15;

// Pixels(540) -> 36; a size that is not a whole number of pixels rounds to
// the nearest pixel: Pixels(1870) -> 125.
constexpr int Pixels(int twips) {
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

// A saved position in twips as a whole number of pixels.
inline int Pixels(float twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

constexpr int Twips(int pixels) {
    return pixels * twipsPerPixel;
}

}  // namespace plumbrule
