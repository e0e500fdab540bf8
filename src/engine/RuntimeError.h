// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace plumbrule {

// The numbered run-time errors of the calculator, in one numbering. The
// numbers are shown to the user ("Error 13: Invalid input."), so they never change.
enum ErrorNumber : int {
    errInvalidArgument = 5,  // a piece of text cut with a negative length, an unknown operation
    errOverflow = 6,         // overflow, or a value out of range
    errDivisionByZero = 11,
    errTypeMismatch = 13,         // text that is not a number
    errUnfinishedFraction = 100,  // a fraction dash without its bar
};

// Thrown by the engine, caught only where errors are trapped (DoMath, the
// stair calculate button, start-up steps, history load and export).
class RuntimeError : public std::runtime_error {
  public:
    // RuntimeError(11) carries the standard description "Division by zero".
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

  private:
    int number_;
    std::string description_;
};

// The runtime's standard description of an error number:
// 5 "Invalid procedure call or argument", 6 "Overflow", 11 "Division by zero",
// 13 "Type mismatch"; other numbers "Application-defined or object-defined error".
std::string standardDescription(int number);

}  // namespace plumbrule
