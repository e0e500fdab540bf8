// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ExpressionEvaluator.h"

#include <cmath>

#include "engine/Evaluator.h"
#include "engine/MetricLength.h"
#include "engine/RuntimeError.h"

namespace plumbrule::cli {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

const std::string kInvalidInput =
    ErrorReport(errTypeMismatch, standardDescription(errTypeMismatch));

// An operand as the display reads it, or a metric length with its unit. A
// malformed metric length ("2.4.5m") is invalid input, as any unreadable
// operand is.
double readAndApply(std::string_view operand, std::int32_t op, double total) {
    const MetricReading metric = readMetric(operand);
    switch (metric.kind) {
        case MetricText::Length:
            return ApplyOperation(metric.inches, op, total);
        case MetricText::Malformed:
            throw RuntimeError(errTypeMismatch);
        case MetricText::NoUnit:
            break;
    }
    return ApplyOperation(operand, op, total);
}

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
    // Words are cut at blanks, so "2400 mm" comes as a number and its unit.
    if (holdingOperand_ && !unitJoined_ && isMetricUnit(word)) {
        operand_ += ' ';
        operand_ += word;
        unitJoined_ = true;
        return;
    }
    applyOperand();
    const std::optional<std::int32_t> op = operatorCode(word);
    if (op.has_value() == expectOperand_) malformed_ = true;
    expectOperand_ = op.has_value();
    if (op) {
        pending_ = *op;
        return;
    }
    operand_.assign(word);
    holdingOperand_ = true;
    unitJoined_ = false;
}

void ExpressionEvaluator::applyOperand() {
    if (!holdingOperand_) return;
    holdingOperand_ = false;
    if (malformed_ || failure_) return;  // the line's answer is settled
    try {
        total_ = readAndApply(operand_, pending_, total_);
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
    applyOperand();
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
    holdingOperand_ = false;
    unitJoined_ = false;
    total_ = 0;
    pending_ = opNone;
}

LineResult ExpressionEvaluator::evaluateLine(std::string_view line) {
    feed(line);
    return finishLine();
}

}  // namespace plumbrule::cli
