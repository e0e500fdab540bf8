// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "engine/RuntimeError.h"

namespace plumbrule {
namespace {

constexpr int kSignificant = 15;

constexpr std::array<std::uint64_t, 20> kPow10 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// Powers of ten that a double holds exactly: a product or quotient with one
// of them is rounded once, so it is the correctly rounded decimal.
constexpr std::array<double, 23> kExactPow10 = [] {
    std::array<double, 23> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view t) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!t.empty() && isSpace(t.front())) t.remove_prefix(1);
    while (!t.empty() && isSpace(t.back())) t.remove_suffix(1);
    return t;
}

// The decimal magnitude of a number text that the grammar accepted: the power
// of ten of its first non-zero digit. It tells an overflow from an underflow
// when the text lies beyond the double range.
long long decimalMagnitude(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    long long integerDigits = 0;
    long long firstNonZero = std::numeric_limits<long long>::min();
    long long position = 0;  // counts mantissa digits, the point excluded
    bool afterPoint = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            afterPoint = true;
            continue;
        }
        if (!afterPoint) ++integerDigits;
        if (t[i] != '0' && firstNonZero == std::numeric_limits<long long>::min()) {
            firstNonZero = position;
        }
        ++position;
    }
    long long exponent = 0;
    if (i < t.size()) {
        ++i;
        bool negativeExponent = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativeExponent = t[i++] == '-';
        for (; i < t.size(); ++i) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (t[i] - '0');
        }
        if (negativeExponent) exponent = -exponent;
    }
    return integerDigits - 1 - firstNonZero + exponent;
}

// Accepts: [sign] (digits [. [digits]] | . digits) [(E|e) [sign] digits].
bool matchesNumberGrammar(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++mantissaDigits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < t.size() && isDigit(t[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == t.size();
}

// The digits of a decimal number scaled to a whole number, as text:
// digits * 10^(exponent + places), then the point put back `places` from the right.
std::string fixedText(const DecimalNumber& d, int places) {
    std::string out = std::to_string(d.digits);
    const int zeros = d.exponent + places;
    if (zeros > 0) out.append(static_cast<std::size_t>(zeros), '0');
    if (places > 0) {
        if (out.size() <= static_cast<std::size_t>(places)) {
            out.insert(0, static_cast<std::size_t>(places) + 1 - out.size(), '0');
        }
        out.insert(out.size() - static_cast<std::size_t>(places), 1, '.');
    }
    if (d.negative && d.digits != 0) out.insert(0, 1, '-');
    return out;
}

// The 15 significant digits without printing, for the lengths a calculator
// meets: x times an exact power of ten is rounded once, off by at most 1/16
// at this size, so its nearest whole number is beyond doubt unless it lies
// near a half. Those, and all other magnitudes, go to the printer instead.
std::optional<DecimalNumber> quickDigits(double x) {
    const double a = std::fabs(x);
    if (!(a >= 1e-7 && a < 1e15)) return std::nullopt;
    // The power of ten from the binary exponent: exact, or one too small.
    int binaryExponent = 0;
    std::frexp(a, &binaryExponent);
    constexpr double kLog10Of2 = 0.30102999566398120;
    int scale = kSignificant - 1 - static_cast<int>(std::floor((binaryExponent - 1) * kLog10Of2));
    double scaled = 0;
    for (int attempt = 0; attempt < 2; ++attempt, --scale) {
        if (scale < 0 || scale >= static_cast<int>(kExactPow10.size())) return std::nullopt;
        scaled = a * kExactPow10[static_cast<std::size_t>(scale)];
        if (scaled < 1e15) break;
    }
    if (scaled < 1e14 || scaled >= 1e15) return std::nullopt;
    const double wholePart = std::floor(scaled);
    const double part = scaled - wholePart;
    if (part > 0.3 && part < 0.7) return std::nullopt;
    DecimalNumber d{x < 0, static_cast<std::uint64_t>(wholePart) + (part >= 0.7 ? 1 : 0), -scale};
    if (d.digits == kPow10[kSignificant]) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

}  // namespace

double DecimalNumber::value() const {
    double magnitude = 0;
    if (digits == 0) {
        magnitude = 0;
    } else if (digits < kExactIntegerLimit && exponent >= 0 &&
               exponent < static_cast<int>(kExactPow10.size())) {
        magnitude = static_cast<double>(digits) * kExactPow10[static_cast<std::size_t>(exponent)];
    } else if (digits < kExactIntegerLimit && exponent < 0 &&
               -exponent < static_cast<int>(kExactPow10.size())) {
        magnitude = static_cast<double>(digits) / kExactPow10[static_cast<std::size_t>(-exponent)];
    } else {
        const std::string t = std::to_string(digits) + "e" + std::to_string(exponent);
        const auto result = std::from_chars(t.data(), t.data() + t.size(), magnitude);
        if (result.ec == std::errc::result_out_of_range) {
            if (exponent > 0) throw RuntimeError(errOverflow);
            magnitude = 0;
        }
    }
    if (std::isinf(magnitude)) throw RuntimeError(errOverflow);
    return negative ? -magnitude : magnitude;
}

DecimalNumber significantDigits(double x) {
    if (!std::isfinite(x)) throw RuntimeError(errOverflow);
    if (const auto quick = quickDigits(x)) return *quick;
    // "d.ddddddddddddddde+XX": the first digit, the point, 14 more digits.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::scientific, kSignificant - 1);
    const char* p = buffer.data();
    DecimalNumber d;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (*p != '.') d.digits = d.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    ++p;  // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    for (; p < result.ptr; ++p) exponent = exponent * 10 + (*p - '0');
    d.exponent = (negativeExponent ? -exponent : exponent) - (kSignificant - 1);
    if (d.digits == 0) d.exponent = 0;
    return d;
}

DecimalNumber roundDigits(double x, int places, Halves halves) {
    const DecimalNumber d = significantDigits(x);
    if (d.digits == 0) return d;
    const long long cut = -static_cast<long long>(places) - d.exponent;
    if (cut <= 0) return d;
    DecimalNumber rounded{d.negative, 0, -places};
    if (cut > kSignificant) return rounded;
    const std::uint64_t unit = kPow10[static_cast<std::size_t>(cut)];
    const std::uint64_t kept = d.digits / unit;
    const std::uint64_t rest = d.digits % unit;
    const std::uint64_t half = unit / 2;
    const bool up =
        rest > half || (rest == half && (halves == Halves::AwayFromZero || kept % 2 == 1));
    rounded.digits = kept + (up ? 1 : 0);
    return rounded;
}

std::string text(double x) {
    if (x == 0) return "0";
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::general, kSignificant);
    std::string out(buffer.data(), result.ptr);
    for (char& c : out) {
        if (c == 'e') c = 'E';
    }
    return out;
}

std::string plainText(double x) {
    if (!std::isfinite(x)) return text(x);
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) {  // whole numbers: their digits are exact
        return x == 0 ? "0" : std::to_string(static_cast<long long>(x));
    }
    DecimalNumber d = significantDigits(x);
    if (d.digits == 0) return "0";
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return fixedText(d, d.exponent < 0 ? -d.exponent : 0);
}

double number(std::string_view t) {
    t = trimSpaces(t);
    if (!matchesNumberGrammar(t)) throw RuntimeError(errTypeMismatch);
    std::string_view digits = t;
    if (digits.front() == '+') digits.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(t) >= 0) throw RuntimeError(errOverflow);
        return digits.front() == '-' ? -0.0 : 0.0;
    }
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) {
        throw RuntimeError(errTypeMismatch);
    }
    return value;
}

double roundEven(double x, int places) {
    return roundDigits(x, places, Halves::ToEven).value();
}

std::string roundAway(double x, std::string_view pattern) {
    if (pattern.empty()) return text(x);
    const std::size_t point = pattern.find('.');
    const int places =
        point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    return fixedText(roundDigits(x, places, Halves::AwayFromZero), places);
}

std::int32_t whole(std::string_view t) {
    const double x = number(t);
    double rounded = std::round(x);  // halves away from zero ...
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(rounded, 2.0) != 0) {
        rounded -= std::copysign(1.0, x);  // ... then back to the even neighbour
    }
    if (rounded < -2147483648.0 || rounded > 2147483647.0) throw RuntimeError(errOverflow);
    return static_cast<std::int32_t>(rounded);
}

std::optional<double> tryNumber(std::string_view t) {
    try {
        return number(t);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::optional<std::int32_t> tryWhole(std::string_view t) {
    try {
        return whole(t);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace plumbrule
