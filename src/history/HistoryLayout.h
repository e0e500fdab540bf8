// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "platform/WindowLayout.h"

// The history window as designed, in twips: the tape fills the client area
// below the menu bar, 45 twips in from its edges.
namespace plumbrule::history_layout {

inline constexpr TwipsRect client{0, 0, 3405, 4800};

// The tape is a QPlainTextEdit, made by the window.
inline constexpr std::array controls{
    ControlPlace{"Text1", ControlKind::Special, {45, 45, 3300, 4695}, {}, {}, "History tape"},
};

}  // namespace plumbrule::history_layout
