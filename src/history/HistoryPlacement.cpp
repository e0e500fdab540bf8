// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryPlacement.h"

#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

namespace plumbrule {

std::optional<int> ReadHistoryCoordinate(const SettingsStore::Value& value) {
    try {
        const std::int32_t twips = whole(value.text);
        if (twips < -32768 || twips > 32767) return std::nullopt;
        return twips;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::string HistoryCoordinateText(int twips) {
    return std::to_string(twips);
}

TextBoxSize HistoryTextBoxSize(int outerWidth, int outerHeight) {
    return {outerWidth - 210, outerHeight >= 795 ? outerHeight - 795 : 0};
}

}  // namespace plumbrule
