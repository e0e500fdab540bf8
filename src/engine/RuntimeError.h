// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace plumbrule {

// The numbered run-time errors of the calculator, in one numbering:
//   5  an invalid argument (a piece of text cut with a negative length)
//   6  overflow, or a value out of range
//   11 division by zero
//   13 text that is not a number
//   100 an unfinished fraction
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
