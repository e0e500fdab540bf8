// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/RuntimeError.h"

#include <utility>

namespace plumbrule {

RuntimeError::RuntimeError(int number) : RuntimeError(number, standardDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

std::string standardDescription(int number) {
    switch (number) {
        case errInvalidArgument:
            return "Invalid procedure call or argument";
        case errOverflow:
            return "Overflow";
        case errDivisionByZero:
            return "Division by zero";
        case errTypeMismatch:
            return "Type mismatch";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace plumbrule
