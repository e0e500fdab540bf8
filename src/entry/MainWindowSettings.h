// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "entry/OutputOptions.h"
#include "entry/SavedSettings.h"
#include "platform/SettingsStore.h"

namespace plumbrule {

// The main window's values kept between runs (the names in
// entry/SettingsNames.h): read once at start-up, written at shut-down. The
// window only applies what load() returns to its controls and hands its
// controls' state to save().
class MainWindowSettings {
  public:
    struct Values {
        // The window's outer corner in twips. None: not saved, not a number,
        // or so far out that no screen can show it; at shut-down, none where
        // the desktop cannot say where the window is.
        std::optional<float> top;
        std::optional<float> left;
        bool showOptions = false;
        int output = okFractional;
        // Positions in the output kind's lists; none keeps the list's default.
        std::optional<int> format;
        std::optional<int> round;
        std::int32_t listCount = defaultListCount;  // read only, never written
    };

    explicit MainWindowSettings(SettingsStore& store) : store_(store) {}

    // Reads "Top", "Left", "ShowOptions", "Output", "Format", "Round",
    // "ListCount" in that order. Skip mode: a value that is absent or does
    // not convert gives its fall-back (see entry/SavedSettings.h).
    //   {Output "1", Format "3", Round "9"} -> output Decimal, format 3, round none
    Values load() const;

    // Writes "Top", "Left" (each when known), "ShowOptions", "Output",
    // "Format", "Round", in that order, in the texts load() reads back.
    void save(const Values& values);

  private:
    SettingsStore& store_;
};

}  // namespace plumbrule
