// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryTape.h"

#include <algorithm>

namespace plumbrule {

void HistoryTape::append(std::string_view text) {
    if (text.empty()) return;
    text_.append(text);
    if (listener_) listener_->tapeAppended(text);
}

void HistoryTape::replaceLastTwo(std::string_view token) {
    const std::size_t cut = std::min<std::size_t>(2, text_.size());
    const std::string removed = text_.substr(text_.size() - cut);
    text_.resize(text_.size() - cut);
    text_.append(token);
    if (listener_) listener_->tapeTailReplaced(removed, token);
}

void HistoryTape::clear() {
    text_.clear();
    if (listener_) listener_->tapeCleared();
}

void HistoryTape::moveCaretToEnd() {
    if (listener_) listener_->tapeCaretToEnd();
}

std::string_view OperatorToken(std::int32_t op) {
    switch (op) {
        case 1:
            return "+ ";
        case 2:
            return "- ";
        case 3:
            return "* ";
        case 4:
            return "/ ";
        default:
            return "";
    }
}

void RecordHistory(HistoryTape& tape, std::string_view entry, std::int32_t lngPendingOp) {
    if (entry == "ChangeOp") {
        tape.replaceLastTwo(OperatorToken(lngPendingOp));
    } else {
        tape.append(entry);
    }
}

}  // namespace plumbrule
