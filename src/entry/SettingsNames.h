// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The names of the values the windows keep in the settings store, at the top
// level of the store (its place: platform/QtSettingsStore.h).
namespace plumbrule::settings {

inline constexpr char Top[] = "Top";                  // main window, twips, written at shut-down
inline constexpr char Left[] = "Left";                // main window, twips
inline constexpr char ShowOptions[] = "ShowOptions";  // "True" / "False"
inline constexpr char Output[] = "Output";            // "0" fractional, "1" decimal
inline constexpr char Format[] = "Format";            // position in cmbFormat
inline constexpr char Round[] = "Round";              // position in cmbRound
inline constexpr char ListCount[] = "ListCount";      // memory capacity, read only
inline constexpr char HistTop[] = "HistTop";          // history window, twips
inline constexpr char HistLeft[] = "HistLeft";
inline constexpr char KeepTape[] = "KeepTape";  // "1" / "0", kept by history/KeptTape

}  // namespace plumbrule::settings
