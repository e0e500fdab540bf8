// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number-text helpers every part of the calculator shares. They work on
// the 15-significant-digit decimal text of a double, so halves are judged on
// the digits a person sees (2.625 is a true half) and never by multiplying
// by a power of ten in floating point. None of them depends on the locale.
namespace plumbrule {

// text(x): 15 significant digits, trailing zeros dropped, "0" before the point
// below 1, exponent form below 0.0001 and from 1E+15 up ("1E-05", "1.5E+15");
// negative zero is "0".
//   text(1.2000000000000002) -> "1.2"   text(1.0 / 3) -> "0.333333333333333"
std::string text(double x);

// number(t): spaces around are trimmed; an optional sign; digits with at most
// one point (digits may be missing on one side: "3.", ".5"); an optional
// exponent (E or e, optional sign, digits). Correctly rounded. Anything else,
// and the empty text, throws RuntimeError(13).
//   number(" 3.5 ") -> 3.5   number("-.5e1") -> -5   number("3-") throws 13
double number(std::string_view t);

// roundEven(x, d): x rounded to d decimal places (0..15), halves to the even
// neighbour, judged on the 15-significant-digit text of x.
//   roundEven(2.625, 2) -> 2.62   roundEven(2.5, 0) -> 2   roundEven(3.5, 0) -> 4
double roundEven(double x, int places);

// roundAway(x, pattern): the digit-pattern formatting "0", "0.", "0.00" ...:
// x at 15 significant digits, rounded to as many places as the pattern has
// zeros after its point, halves away from zero. "0" and "0." round to a whole
// number; the empty pattern returns text(x) unrounded. The result is written
// without exponent and with exactly the pattern's number of decimals.
//   roundAway(2.5, "0") -> "3"   roundAway(-2.5, "0") -> "-3"
//   roundAway(0.03125, "0.0000") -> "0.0313"   roundAway(10, "0.00") -> "10.00"
std::string roundAway(double x, std::string_view pattern);

// whole(t): number(t) rounded half to even; outside the signed 32-bit range
// throws RuntimeError(6).   whole("2.5") -> 2   whole("1.5") -> 2
std::int32_t whole(std::string_view t);

// number(t) and whole(t) for texts that may well not be numbers: none where
// those throw a numbered error.   tryNumber("3-") -> none   tryWhole("7") -> 7
std::optional<double> tryNumber(std::string_view t);
std::optional<std::int32_t> tryWhole(std::string_view t);

// The decimal digits of a number as the display sees them:
// value = (negative ? -1 : 1) * digits * 10^exponent.
struct DecimalNumber {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;

    // The nearest double (negative zero for a negative zero). Throws
    // RuntimeError(6) when it lies beyond the double range.
    double value() const;
};

// significantDigits(63.5) -> {false, 635000000000000, -13}: the 15 significant
// digits of x (digits 0 for zero). Throws RuntimeError(6) for infinity or NaN.
DecimalNumber significantDigits(double x);

enum class Halves { ToEven, AwayFromZero };

// roundDigits(x, d, halves): the 15 significant digits of x rounded to d
// decimal places; exponent is -d unless x already has fewer places.
//   roundDigits(2.625, 2, Halves::ToEven) -> {false, 262, -2}
DecimalNumber roundDigits(double x, int places, Halves halves);

// plainText(x): text(x) without exponent form, for any finite x.
//   plainText(0.00001) -> "0.00001"   plainText(1.5E+15) -> "1500000000000000"
std::string plainText(double x);

}  // namespace plumbrule
