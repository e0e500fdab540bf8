// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ExpressionEvaluator.h"

#include <cmath>

#include "engine/Evaluator.h"
#include "engine/RuntimeError.h"

namespace plumbrule::cli {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

const std::string kInvalidInput =
    ErrorReport(errTypeMismatch, standardDescription(errTypeMismatch));

}  // namespace

std::optional<std::int32_t> operatorCode(std::string_view word) {
    if (word == "+") return opAdd;
    if (word == "-") return opSubtract;
    if (word == "*") return opMultiply;
    if (word == "/") return opDivide;
    return std::nullopt;
}

void ExpressionEvaluator::feed(std::string_view piece) {
    for (const char c : piece) {
        if (isSpace(c)) {
            endWord();
        } else if (word_.size() < kLongestWord) {
            word_.push_back(c);
        } else {
            wordTooLong_ = true;
        }
    }
}

void ExpressionEvaluator::endWord() {
    if (word_.empty()) return;
    if (wordTooLong_) {
        malformed_ = true;
        expectOperand_ = false;
        anyWord_ = true;
    } else {
        takeWord(word_);
    }
    word_.clear();
    wordTooLong_ = false;
}

void ExpressionEvaluator::takeWord(std::string_view word) {
    anyWord_ = true;
    const std::optional<std::int32_t> op = operatorCode(word);
    if (op.has_value() == expectOperand_) malformed_ = true;
    expectOperand_ = op.has_value();
    if (op) {
        pending_ = *op;
        return;
    }
    if (malformed_ || failure_) return;  // the line's answer is settled
    try {
        total_ = ApplyOperation(word, pending_, total_);
        // The display after each step: only a length from 1E+15 up can fail
        // to show, so smaller ones need not be written out.
        if (std::fabs(total_) >= 1e15) displayTotal();
    } catch (const RuntimeError& error) {
        failure_ = ErrorReport(error.number(), error.description());
    }
}

std::string ExpressionEvaluator::displayTotal() const {
    return writeLength(total_, form_);
}

LineResult ExpressionEvaluator::finishLine() {
    endWord();
    LineResult result;
    if (!anyWord_) {
        result = {};
    } else if (malformed_ || expectOperand_) {
        result = {kInvalidInput, true};
    } else if (failure_) {
        result = {*failure_, true};
    } else {
        try {
            result = {displayTotal(), false};
        } catch (const RuntimeError& error) {
            result = {ErrorReport(error.number(), error.description()), true};
        }
    }
    startLine();
    return result;
}

void ExpressionEvaluator::startLine() {
    word_.clear();  // keeps its buffer for the next line
    wordTooLong_ = false;
    anyWord_ = false;
    expectOperand_ = true;
    malformed_ = false;
    failure_.reset();
    total_ = 0;
    pending_ = opNone;
}

LineResult ExpressionEvaluator::evaluateLine(std::string_view line) {
    feed(line);
    return finishLine();
}

}  // namespace plumbrule::cli
