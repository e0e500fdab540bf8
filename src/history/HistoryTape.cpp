// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryTape.h"

#include <algorithm>
#include <utility>

namespace plumbrule {

void HistoryTape::append(std::string_view text) {
    if (text.empty()) return;
    text_.append(text);
    if (listener_) listener_->tapeAppended(text);
    changed();
}

void HistoryTape::replaceLastTwo(std::string_view token) {
    const std::size_t cut = std::min<std::size_t>(2, text_.size());
    const std::string removed = text_.substr(text_.size() - cut);
    text_.resize(text_.size() - cut);
    text_.append(token);
    if (listener_) listener_->tapeTailReplaced(removed, token);
    changed();
}

void HistoryTape::clear() {
    text_.clear();
    if (listener_) listener_->tapeCleared();
    changed();
}

void HistoryTape::replaceAll(std::string text) {
    text_ = std::move(text);
    if (listener_) {
        listener_->tapeCleared();
        listener_->tapeAppended(text_);
    }
    changed();
}

void HistoryTape::moveCaretToEnd() {
    if (listener_) listener_->tapeCaretToEnd();
}

void HistoryTape::changeOperator(std::int32_t lngPendingOp) {
    RecordOperatorChange(*this, lngPendingOp);
}

void RecordOperatorChange(HistoryTape& tape, std::int32_t lngPendingOp) {
    tape.replaceLastTwo(OperatorToken(lngPendingOp));
}

void RecordHistory(HistoryTape& tape, std::string_view entry, std::int32_t lngPendingOp) {
    if (entry == "ChangeOp") {
        RecordOperatorChange(tape, lngPendingOp);
    } else {
        tape.append(entry);
    }
}

}  // namespace plumbrule
