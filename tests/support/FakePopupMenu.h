// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "platform/PopupMenuItems.h"

namespace plumbrule::testing {

// A pop-up menu that records where it was shown instead of showing itself.
// choose(position) plays the user's choice of an item.
class FakePopupMenu : public PopupMenuItems {
  public:
    struct Shown {
        std::int32_t x;
        std::int32_t y;
        std::vector<Item> items;  // what the user saw
    };

    void ShowAt(std::int32_t x, std::int32_t y) override { shown.push_back({x, y, items()}); }

    // The user picks an item of the menu last shown. A separator cannot be
    // chosen, so choosing one raises nothing.
    void choose(std::int32_t position) const {
        if (has(position) && !isSeparator(items()[static_cast<std::size_t>(position - 1)])) {
            Click(position);
        }
    }

    std::vector<Shown> shown;
};

}  // namespace plumbrule::testing
