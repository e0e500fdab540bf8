// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "platform/WindowLayout.h"

// The About window as designed, in twips. The title, version and description
// are written when the window loads.
namespace plumbrule::about_layout {

inline constexpr TwipsRect client{0, 0, 5730, 3345};

using K = ControlKind;

inline constexpr std::array controls{
    ControlPlace{"picIcon", K::Picture, {255, 135, 930, 930}},
    ControlPlace{"Picture1", K::Picture, {4590, 135, 900, 915}},
    // The decorative rules, 15 twips (one pixel) thick.
    ControlPlace{"Shape1_0", K::Rule, {1305, 2295, 5415, 15}},
    ControlPlace{"Shape1_1", K::Rule, {-30, 2205, 5910, 15}},
    ControlPlace{"Shape2_0", K::Rule, {1290, 555, 3345, 15}},
    ControlPlace{"Shape2_1", K::Rule, {1290, 540, 15, 1800}},
    ControlPlace{"lblTitle", K::Label, {1440, 240, 3225, 480}},
    ControlPlace{"lblVersion", K::Label, {1410, 780, 3885, 225}},
    ControlPlace{"lblDescription", K::Label, {1410, 1125, 3885, 990}},
    ControlPlace{"cmdOK", K::Button, {4245, 2805, 1260, 345}, "OK", {}, "OK"},
};

}  // namespace plumbrule::about_layout
