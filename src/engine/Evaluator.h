// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/DisplayOptions.h"

// The running total and the pending operation, applied strictly left to right.
namespace plumbrule {

enum Operation : std::int32_t {
    opNone = 0,
    opAdd = 1,
    opSubtract = 2,
    opMultiply = 3,
    opDivide = 4,
};

struct EvaluatorState {
    double dblTotal = 0;                 // running total, inches, full precision
    std::int32_t lngPendingOp = opNone;  // one of Operation
};

// ApplyOperation: the arithmetic step alone: reads the operand text and
// applies op to total, returning the new total. Throws RuntimeError 5 (an
// unknown op), 11 (a zero divisor), 6 (a result beyond the double range) and
// the parser's errors.
//   ApplyOperation("3\"", opAdd, 60) -> 63
double ApplyOperation(std::string_view text, std::int32_t op, double total);

// The same step for an operand already read into inches, such as a metric
// length; an infinite operand throws 6.   ApplyOperation(3.0, opAdd, 60) -> 63
double ApplyOperation(double operand, std::int32_t op, double total);

// Evaluate: reads the display text, applies op against state.dblTotal, stores
// the new total and returns it as display text. Throws RuntimeError on any
// failure (parse, division by a zero operand 11, a result out of range 6,
// formatting) and then leaves the state unchanged.
//   total 60, Evaluate("3\"", opAdd) -> "5'3\"", total 63
std::string Evaluate(std::string_view text, std::int32_t op, EvaluatorState& state,
                     const DisplayOptions& options);

// The message box text of an error: "Error 100: Invalid fractional or decimal
// input.", "Error 13: Invalid input.", "Error 11: Division by zero" ...
std::string ErrorReport(int number, const std::string& description);

// DoMath: Evaluate under one error trap. On an error it calls reportError with
// the ErrorReport text (the caller shows the box, then clears all) and
// returns "0".
std::string DoMath(std::string_view text, std::int32_t op, EvaluatorState& state,
                   const DisplayOptions& options,
                   const std::function<void(const std::string& message)>& reportError);

}  // namespace plumbrule
