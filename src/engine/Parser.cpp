// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Parser.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

namespace plumbrule {
namespace {

// Text positions here are 1-based, 0 meaning "absent", and pieces are cut the
// way the display's text functions cut them: a negative length is error 5.

int position(std::string_view s, char mark, int start = 1) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start) > s.size()) return 0;
    const std::size_t found = s.find(mark, static_cast<std::size_t>(start - 1));
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string_view left(std::string_view s, int length) {
    if (length < 0) throw RuntimeError(errInvalidArgument);
    return s.substr(0, static_cast<std::size_t>(length));
}

std::string_view mid(std::string_view s, int start, int length = std::numeric_limits<int>::max()) {
    if (start < 1 || length < 0) throw RuntimeError(errInvalidArgument);
    if (static_cast<std::size_t>(start) > s.size()) return {};
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

std::string_view withoutLastCharacter(std::string_view s) {
    return s.substr(0, s.size() - 1);
}

// The fraction dash: the first "-" that is not a leading minus sign. A
// leading "-" makes the whole length negative.
struct Dash {
    int position = 0;
    bool negative = false;
};

Dash findDash(std::string_view s) {
    Dash dash{position(s, '-'), false};
    if (dash.position == 1) {
        dash.negative = true;
        dash.position = position(s, '-', 2);
    }
    return dash;
}

// The inches of a feet-and-inches sum; a length beyond the double range is
// an overflow, as in every other arithmetic step.
double finiteOrOverflow(double x) {
    if (!std::isfinite(x)) throw RuntimeError(errOverflow);
    return x;
}

double quotient(std::int32_t num, std::int32_t den) {
    if (den == 0) throw RuntimeError(num == 0 ? errOverflow : errDivisionByZero);
    return static_cast<double>(num) / static_cast<double>(den);
}

struct Fraction {
    std::int32_t num = 0;
    std::int32_t den = 1;
};

// Numerator and denominator after the fraction dash (the whole text when
// there is no dash); a fraction without its bar is error 5.
Fraction readFraction(std::string_view body, const Dash& dash) {
    const std::string_view fracText = dash.position == 0 ? body : mid(body, dash.position + 1);
    const int bar = position(fracText, '/');
    const std::int32_t num = whole(left(fracText, bar - 1));
    const std::int32_t den = whole(mid(fracText, bar + 1));
    return {num, den};
}

}  // namespace

InputType DetType(std::string_view text) {
    return text.find('/') == std::string_view::npos ? itDecimal : itFractional;
}

double ConvertInput(std::string_view text, int type) {
    if (text.empty()) return 0;
    if (type == itFractional) return ConvertFractional(text);
    if (type == itDecimal) return ConvertDecimal(text);
    return 0;
}

std::optional<double> TryConvertInput(std::string_view text) {
    try {
        return ConvertInput(text, DetType(text));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

double ConvertDecimal(std::string_view text) {
    const int feetMark = position(text, '\'');
    const int inchMark = position(text, '"');
    const Dash dash = findDash(text);
    const int point = position(text, '.');
    const int bar = position(text, '/');

    // A dash that is not the minus sign starts a fraction that was never finished.
    if ((dash.position > 1 && bar == 0) || (point > 0 && dash.position > 0)) {
        throw RuntimeError(errUnfinishedFraction);
    }

    const std::string_view body = inchMark > 0 ? withoutLastCharacter(text) : text;
    if (feetMark == 0) return number(body);

    const double feet = number(left(body, feetMark - 1));
    double inches = 0;
    if (static_cast<std::size_t>(feetMark) != text.size()) {
        inches = number(mid(body, feetMark + 1));
        if (dash.negative) inches = -inches;
    }
    return finiteOrOverflow(finiteOrOverflow(feet * 12) + inches);
}

double ConvertFractional(std::string_view text) {
    const int inchMark = position(text, '"');
    const int feetMark = position(text, '\'');
    const Dash dash = findDash(text);
    const std::string_view body = inchMark > 0 ? withoutLastCharacter(text) : text;

    if (feetMark > 0) {
        const double feet = number(left(body, feetMark - 1));
        const Fraction fraction = readFraction(body, dash);
        const std::string_view wholeText =
            mid(left(body, dash.position - 1), feetMark + 1, dash.position - 1);
        const double q = quotient(fraction.num, fraction.den);
        double inches = number(wholeText) + q;
        if (dash.negative) inches = -inches;
        return finiteOrOverflow(finiteOrOverflow(feet * 12) + inches);
    }

    Fraction fraction = readFraction(body, dash);
    if (dash.negative) {
        if (fraction.num == std::numeric_limits<std::int32_t>::min())
            throw RuntimeError(errOverflow);
        fraction.num = -fraction.num;
    }
    const double wholeInches = number(left(body, dash.position - 1));
    return finiteOrOverflow(wholeInches + quotient(fraction.num, fraction.den));
}

}  // namespace plumbrule
