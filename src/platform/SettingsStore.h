// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace plumbrule {

// Named text values kept between runs ("Top", "Left", "ShowOptions", "Output",
// "Format", "Round", "ListCount", "HistTop", "HistLeft",
// "KeepTape").
class SettingsStore {
  public:
    struct Value {
        std::string text;  // empty when the value does not exist
        bool exists = false;
    };

    virtual ~SettingsStore() = default;
    virtual Value ReadValue(const std::string& valueName) = 0;
    virtual void WriteValue(const std::string& valueName, const std::string& valueText) = 0;
    // Hands what was written to the file now, for a choice that must outlive a
    // crash; otherwise values may wait until the store is closed.
    virtual void sync() {}
};

}  // namespace plumbrule
