#pragma once

#include <cstdint>
#include <string>

#include "engine/DisplayOptions.h"

// Writes inches as the display text in an output form.
namespace plumbrule {

// DisplayValue(63.5, {Fractional, FeetAndInches, 4}) -> "5'3-1/2\""
// DisplayValue(63.5, {Decimal, Feet, 4})             -> "5.2917'"
// An inch part that rounds to 12 carries into the feet: 59.99 -> "5'0\"".
// Throws RuntimeError(6) when a whole-inch count leaves the 32-bit range.
std::string DisplayValue(double inches, const DisplayOptions& options);

std::string DisplayFractional(double inches, const DisplayOptions& options);
std::string DisplayDecimal(double inches, const DisplayOptions& options);

// ReduceFraction(3125, 10000) -> "5/16"
std::string ReduceFraction(std::int64_t num, std::int64_t den);

}  // namespace plumbrule
