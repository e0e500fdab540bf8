// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Evaluator.h"

#include <cmath>

#include "engine/Formatter.h"
#include "engine/Parser.h"
#include "engine/RuntimeError.h"

namespace plumbrule {

double ApplyOperation(std::string_view text, std::int32_t op, double total) {
    return ApplyOperation(ConvertInput(text, DetType(text)), op, total);
}

double ApplyOperation(double x, std::int32_t op, double total) {
    if (!std::isfinite(x)) throw RuntimeError(errOverflow);
    double result = 0;
    switch (op) {
        case opNone:
            return x;
        case opAdd:
            result = total + x;
            break;
        case opSubtract:
            result = total - x;
            break;
        case opMultiply:
            result = total * x;
            break;
        case opDivide:
            if (x == 0) throw RuntimeError(errDivisionByZero);
            result = total / x;
            break;
        default:
            throw RuntimeError(errInvalidArgument);
    }
    if (!std::isfinite(result)) throw RuntimeError(errOverflow);
    return result;
}

std::string Evaluate(std::string_view text, std::int32_t op, EvaluatorState& state,
                     const DisplayOptions& options) {
    const double result = ApplyOperation(text, op, state.dblTotal);
    std::string display = DisplayValue(result, options);
    state.dblTotal = result;  // only once nothing can fail any more
    return display;
}

std::string ErrorReport(int number, const std::string& description) {
    std::string shown = description;
    if (number == errUnfinishedFraction) shown = "Invalid fractional or decimal input.";
    if (number == errTypeMismatch) shown = "Invalid input.";
    return "Error " + std::to_string(number) + ": " + shown;
}

std::string DoMath(std::string_view text, std::int32_t op, EvaluatorState& state,
                   const DisplayOptions& options,
                   const std::function<void(const std::string& message)>& reportError) {
    try {
        return Evaluate(text, op, state, options);
    } catch (const RuntimeError& error) {
        if (reportError) reportError(ErrorReport(error.number(), error.description()));
        return "0";
    }
}

}  // namespace plumbrule
