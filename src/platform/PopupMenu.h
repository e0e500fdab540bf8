// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace plumbrule {

// A pop-up menu of captioned items with pictures, owned by a window. Items
// are addressed by their 1-based position. The caption "-" is a separator
// line that cannot be chosen; picture -1 shows no picture, other pictures
// are 0-based indexes into the image list the menu was given.
//
// The menu keeps named copies of its items: SaveMenu("Recall") stores the
// current items under that name, LoadMenu("Recall") makes the stored items
// current again (a name never saved leaves the items as they are).
//
//   AddMenuItem("Clear", 0); AddMenuItem("-", -1); AddMenuItem("5'3\"", 1);
//   ItemCount() -> 3      ItemCaption(3) -> "5'3\""
//   RemoveMenuItem(3);    ItemCount() -> 2
class PopupMenu {
  public:
    using ClickHandler = std::function<void(std::int32_t position)>;

    virtual ~PopupMenu() = default;

    // Appends an item after the last one.
    virtual void AddMenuItem(const std::string& caption, int pictureIndex) = 0;
    // The number of items, separators included.
    virtual std::int32_t ItemCount() const = 0;
    // Removes the item at that position; the items after it move up one.
    // A position the menu does not have removes nothing.
    virtual void RemoveMenuItem(std::int32_t position) = 0;
    // The caption at that position; the empty text for a position the menu
    // does not have.
    virtual std::string ItemCaption(std::int32_t position) const = 0;
    virtual void SaveMenu(const std::string& name) = 0;
    virtual void LoadMenu(const std::string& name) = 0;
    // Shows the menu at (x, y), in twips of the owner window's client area,
    // and returns at once. Choosing an item later raises Click with its
    // position; closing the menu without a choice raises nothing.
    virtual void ShowAt(std::int32_t x, std::int32_t y) = 0;

    // The Click event: the owner's handler receives the chosen position.
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

  protected:
    void Click(std::int32_t position) const {
        if (click_) click_(position);
    }

  private:
    ClickHandler click_;
};

}  // namespace plumbrule
