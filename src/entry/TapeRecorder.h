// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

#include "engine/Evaluator.h"

// What the keyboard map writes the history tape through. The tape itself
// (history/HistoryTape) implements it, so the keyboard knows nothing of the
// history folder.
namespace plumbrule {

// The tape's line break: lines are separated by CR LF.
inline constexpr std::string_view CRLF = "\r\n";

// The operator token of a pending-operation code: 1 "+ ", 2 "- ", 3 "* ",
// 4 "/ "; any other code has none ("").
constexpr std::string_view OperatorToken(std::int32_t op) {
    switch (op) {
        case opAdd:
            return "+ ";
        case opSubtract:
            return "- ";
        case opMultiply:
            return "* ";
        case opDivide:
            return "/ ";
        default:
            return "";
    }
}

class TapeRecorder {
  public:
    virtual ~TapeRecorder() = default;
    virtual bool empty() const = 0;
    // `text` goes on the end of the tape, unchanged.
    virtual void append(std::string_view text) = 0;
    // A second operator key in a row: the last token becomes lngPendingOp's.
    virtual void changeOperator(std::int32_t lngPendingOp) = 0;
    // The keyboard asks for the end of the tape to be in view.
    virtual void moveCaretToEnd() = 0;
};

}  // namespace plumbrule
