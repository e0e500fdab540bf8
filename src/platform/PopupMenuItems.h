// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/PopupMenu.h"

namespace plumbrule {

// The item list and the named copies of a pop-up menu, in plain C++: every
// PopupMenu implementation (the Qt menu, the test fake) keeps its items here
// and adds only the showing.
class PopupMenuItems : public PopupMenu {
  public:
    struct Item {
        std::string caption;
        int pictureIndex = -1;
        friend bool operator==(const Item&, const Item&) = default;
    };

    void AddMenuItem(const std::string& caption, int pictureIndex) override {
        items_.push_back({caption, pictureIndex});
    }
    std::int32_t ItemCount() const override { return static_cast<std::int32_t>(items_.size()); }
    void RemoveMenuItem(std::int32_t position) override {
        if (has(position)) items_.erase(items_.begin() + (position - 1));
    }
    std::string ItemCaption(std::int32_t position) const override {
        return has(position) ? items_[static_cast<std::size_t>(position - 1)].caption
                             : std::string();
    }
    void SaveMenu(const std::string& name) override { copies_[name] = items_; }
    void LoadMenu(const std::string& name) override {
        const auto copy = copies_.find(name);
        if (copy != copies_.end()) items_ = copy->second;
    }

    const std::vector<Item>& items() const { return items_; }

    // A separator cannot be chosen.
    static bool isSeparator(const Item& item) { return item.caption == "-"; }

  protected:
    bool has(std::int32_t position) const { return position >= 1 && position <= ItemCount(); }

  private:
    std::vector<Item> items_;
    std::map<std::string, std::vector<Item>> copies_;
};

}  // namespace plumbrule
