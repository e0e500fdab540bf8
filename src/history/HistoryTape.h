// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "entry/TapeRecorder.h"

// The history tape: a plain-text record of the calculations typed on the
// keyboard. Lines are separated by CR LF; the last line normally has no line
// break, because each write ends where the next one continues:
//   "5\r\n+ 3\r\n= 8"
// The tape lives for the whole run. The history window only shows it; hiding
// or closing that window keeps the tape, and only Clear empties it.
namespace plumbrule {

// Told of every change of the tape, so a view can follow it piece by piece
// (append, or take a few characters off the end) instead of redrawing the
// whole text on every key.
class HistoryTapeListener {
  public:
    virtual ~HistoryTapeListener() = default;
    // `text` was added at the end of the tape.
    virtual void tapeAppended(std::string_view text) = 0;
    // `removed`, the old end of the tape, was taken off; `text` then added.
    virtual void tapeTailReplaced(std::string_view removed, std::string_view text) = 0;
    // The tape is now empty.
    virtual void tapeCleared() = 0;
    // The keyboard asks for the end of the tape to be in view.
    virtual void tapeCaretToEnd() = 0;
};

// The keyboard writes it through TapeRecorder.
class HistoryTape : public TapeRecorder {
  public:
    const std::string& text() const { return text_; }
    bool empty() const override { return text_.empty(); }

    // One listener at a time (the history window while it is loaded), or none.
    void setListener(HistoryTapeListener* listener) { listener_ = listener; }
    // Called after every change, whoever listens: the kept tape's saving.
    void setChangeObserver(std::function<void()> observer) { observer_ = std::move(observer); }

    // append("+ ") on "5\r\n" -> "5\r\n+ "
    void append(std::string_view text) override;

    // Replaces the last two characters by `token` ("5\r\n+ " -> "5\r\n- ").
    // A tape shorter than two characters loses what it has, then gets the token.
    void replaceLastTwo(std::string_view token);

    // The Clear menu command.
    void clear();

    // The whole tape becomes `text` (a kept tape read back), taken over
    // without a copy.
    void replaceAll(std::string text);

    // RecordOperatorChange on this tape.
    void changeOperator(std::int32_t lngPendingOp) override;

    // Passes the keyboard's "caret to the end" on to the view.
    void moveCaretToEnd() override;

  private:
    std::string text_;
    HistoryTapeListener* listener_ = nullptr;
    std::function<void()> observer_;
    void changed() const {
        if (observer_) observer_();
    }
};

// RecordOperatorChange(tape, lngPendingOp): a second operator key in a row
// replaces the last two characters of the tape (the old token) by the token of
// lngPendingOp; a code outside 1..4 only shortens the tape.
//   tape "5\r\n+ ", RecordOperatorChange(tape, opSubtract) -> "5\r\n- "
void RecordOperatorChange(HistoryTape& tape, std::int32_t lngPendingOp);

// RecordHistory(tape, entry, lngPendingOp): appends the entry unchanged. The
// word "ChangeOp" (exact) is kept as the old spelling of RecordOperatorChange.
//   tape "5",       RecordHistory(tape, "\r\n+ ", 0)            -> "5\r\n+ "
//   tape "5\r\n+ ", RecordHistory(tape, "ChangeOp", opSubtract) -> "5\r\n- "
void RecordHistory(HistoryTape& tape, std::string_view entry, std::int32_t lngPendingOp);

}  // namespace plumbrule
