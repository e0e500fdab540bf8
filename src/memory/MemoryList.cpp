// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "memory/MemoryList.h"

#include <cmath>

#include "platform/PopupMenu.h"

namespace plumbrule {

MemoryList::MemoryList(PopupMenu& cp, std::int32_t lngListCount)
    : cp_(cp), lngListCount_(lngListCount >= 1 ? lngListCount : kDefaultListCount) {
    cp_.AddMenuItem("Clear", kPictureDelete);
    cp_.AddMenuItem("-", -1);
    cp_.SaveMenu(kRecallMenu);
}

void MemoryList::cmdStore_Click(const std::string& display) {
    cp_.LoadMenu(kRecallMenu);
    // The list is full at lngListCount texts after the two fixed items. The
    // sum is taken in 64 bits so the largest capacity cannot overflow it.
    if (static_cast<std::int64_t>(cp_.ItemCount()) >=
        static_cast<std::int64_t>(lngListCount_) + (kFirstStoredItem - 1)) {
        cp_.RemoveMenuItem(kFirstStoredItem);
    }
    cp_.AddMenuItem(display, kPictureStored);
    cp_.SaveMenu(kRecallMenu);
}

void MemoryList::cmdRecall_Click(float left, float top, float width, float height) {
    cp_.LoadMenu(kRecallMenu);
    // nearbyint rounds halves to the even neighbour in the default mode.
    const auto x = static_cast<std::int32_t>(std::nearbyint(left + width));
    const auto y = static_cast<std::int32_t>(std::nearbyint(top + height / 2.0f));
    cp_.ShowAt(x, y);
}

std::optional<std::string> MemoryList::cp_Click(std::int32_t ItemNumber) {
    if (ItemNumber == kClearItem) {
        cp_.LoadMenu(kRecallMenu);
        const std::int32_t n = cp_.ItemCount();
        for (std::int32_t position = kFirstStoredItem; position <= n; ++position) {
            cp_.RemoveMenuItem(kFirstStoredItem);
        }
        cp_.SaveMenu(kRecallMenu);
        return std::nullopt;
    }
    if (ItemNumber < kFirstStoredItem || ItemNumber > cp_.ItemCount()) return std::nullopt;
    return cp_.ItemCaption(ItemNumber);
}

}  // namespace plumbrule
