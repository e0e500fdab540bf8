// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryPlacement.h"

#include "engine/NumberText.h"

namespace plumbrule {

std::optional<int> ReadHistoryCoordinate(const SettingsStore::Value& value) {
    const auto twips = tryWhole(value.text);
    if (!twips || *twips < -32768 || *twips > 32767) return std::nullopt;
    return *twips;
}

std::string HistoryCoordinateText(int twips) {
    return std::to_string(twips);
}

TextBoxSize HistoryTextBoxSize(int outerWidth, int outerHeight) {
    return {outerWidth - 210, outerHeight >= 795 ? outerHeight - 795 : 0};
}

}  // namespace plumbrule
