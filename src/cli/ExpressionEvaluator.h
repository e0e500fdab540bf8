// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/CalcOptions.h"

// Evaluates one expression line as if it were keyed on the calculator: the
// first operand loads the total, each operator applies the pending operation
// to the next operand, and the last operand is applied by equals. It works
// word by word, so a line of any length takes constant memory. An operand
// may be a metric length, in one word or two: "2400mm + 1'" and
// "2400 mm + 1'" both give 8'10-1/2".
namespace plumbrule::cli {

struct LineResult {
    std::string text;  // the display text, the error report, or "" for a blank line
    bool failed = false;
};

class ExpressionEvaluator {
  public:
    explicit ExpressionEvaluator(const OutputForm& form) : form_(form) {}

    // Feeds a piece of a line (no line break in it); words may span pieces.
    void feed(std::string_view piece);
    // Ends the line: its result, and a fresh start for the next line.
    LineResult finishLine();

    // The whole of one line at once.
    LineResult evaluateLine(std::string_view line);

    // A word longer than this cannot be an operand the calculator shows; it
    // is refused as invalid input rather than held in memory.
    static constexpr std::size_t kLongestWord = 4096;

  private:
    void startLine();
    void endWord();
    void takeWord(std::string_view word);
    void applyOperand();
    std::string displayTotal() const;

    OutputForm form_;
    std::string word_;
    bool wordTooLong_ = false;
    bool anyWord_ = false;
    bool expectOperand_ = true;
    bool malformed_ = false;              // operands and operators do not alternate
    std::optional<std::string> failure_;  // the first error report of the evaluation
    // The last operand, held until the next word tells whether a unit
    // word belongs to it.
    std::string operand_;
    bool holdingOperand_ = false;
    bool unitJoined_ = false;
    double total_ = 0;
    std::int32_t pending_ = 0;
};

// "+" "-" "*" "/" as operation codes; other words are operands.
std::optional<std::int32_t> operatorCode(std::string_view word);

}  // namespace plumbrule::cli
