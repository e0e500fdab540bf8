// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "engine/DisplayOptions.h"

// Writes inches as the display text in an output form.
namespace plumbrule {

// DisplayValue(63.5, {Fractional, FeetAndInches, 4}) -> "5'3-1/2\""
// DisplayValue(63.5, {Decimal, Feet, 4})             -> "5.2917'"
// An inch part that rounds to 12 carries into the feet: 59.99 -> "5'0\"".
// Tiny lengths are written in plain digits ("0.00001"), so every text shown
// reads back through the parser. Throws RuntimeError(6) for a length that is
// not a finite number (or whose digits round beyond the double range) and
// RuntimeError(5) for a precision outside 0..8.
std::string DisplayValue(double inches, const DisplayOptions& options);

std::string DisplayFractional(double inches, const DisplayOptions& options);
std::string DisplayDecimal(double inches, const DisplayOptions& options);

// ReduceFraction(3125, 10000) -> "5/16"
std::string ReduceFraction(std::int64_t num, std::int64_t den);

// Lengths in metric units for metric readouts, 25.4 mm to the inch exactly.
enum class MetricUnit { Millimetres, Centimetres, Metres };

// DisplayMetric: the length rounded to `places` decimal places (0..8), halves
// away from zero, trailing zeros dropped, then a space and the unit symbol.
//   DisplayMetric(63.5, MetricUnit::Millimetres, 1) -> "1612.9 mm"
//   DisplayMetric(-1, MetricUnit::Metres, 4)        -> "-0.0254 m"
// Throws RuntimeError(6) for a length beyond the double range, 5 for places
// outside 0..8.
std::string DisplayMetric(double inches, MetricUnit unit, int places);

}  // namespace plumbrule
