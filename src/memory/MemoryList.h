// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plumbrule {

class PopupMenu;

// Positions and pictures of the memory menu.
inline constexpr std::int32_t kClearItem = 1;        // "Clear", picture 0 ("delete")
inline constexpr std::int32_t kFirstStoredItem = 3;  // after "Clear" and the separator
inline constexpr int kPictureDelete = 0;
inline constexpr int kPictureStored = 1;
inline constexpr std::int32_t kDefaultListCount = 10;  // as a missing "ListCount"
inline constexpr char kRecallMenu[] = "Recall";

// The memory of display texts, kept as the items of the pop-up menu `cp`:
//   1 "Clear", 2 "-", 3... the stored texts, oldest first.
// The menu's named copy "Recall" is the list; it is loaded before every
// change and before showing, and saved after every change.
class MemoryList {
  public:
    // The menu set-up at the end of start-up: "Clear", the separator, saved
    // as "Recall". A capacity below 1 counts as 10, as start-up reads an
    // unusable "ListCount" (a memory that holds nothing is of no use).
    MemoryList(PopupMenu& cp, std::int32_t lngListCount);

    std::int32_t lngListCount() const { return lngListCount_; }

    // Adds the display text, exactly as shown, after the stored texts; a full
    // list first drops its oldest text. With capacity 10, storing 11 texts
    // keeps the 2nd to the 11th.
    void cmdStore_Click(const std::string& display);

    // Shows the menu at the right edge of the button, level with its middle:
    // x = left + width, y = top + height / 2, in twips, rounded half to even.
    //   cmdRecall at (3510, 1170, 870, 285) -> ShowAt(4380, 1312)
    void cmdRecall_Click(float left, float top, float width, float height);

    // The menu's choice. "Clear" (1) empties the list and returns nothing; a
    // stored text returns that text for the display. Any other position
    // (the separator, one the menu does not have) returns nothing.
    std::optional<std::string> cp_Click(std::int32_t ItemNumber);

  private:
    PopupMenu& cp_;
    std::int32_t lngListCount_;
};

}  // namespace plumbrule
