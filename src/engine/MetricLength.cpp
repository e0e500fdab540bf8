// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/MetricLength.h"

#include <limits>
#include <string>

#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

namespace plumbrule {
namespace {

constexpr double kTenthsOfMillimetrePerInch = 254;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back())) t.remove_suffix(1);
    return t;
}

// The places the decimal point moves right to turn the unit into tenths of
// a millimetre: 1 for mm, 2 for cm, 4 for m; none for any other word.
std::optional<int> tenthsShift(std::string_view word) {
    std::string unit;
    for (const char c : word) unit.push_back(lower(c));
    if (unit == "mm") return 1;
    if (unit == "cm") return 2;
    if (unit == "m") return 4;
    return std::nullopt;
}

// Letters that are metric units run together, one or more: "m", "cm",
// "mmm", "cmm". Every c is followed by an m.
bool isRunOfUnits(std::string_view letters) {
    if (letters.empty()) return false;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const char c = lower(letters[i]);
        if (c == 'm') continue;
        if (c != 'c' || i + 1 == letters.size() || lower(letters[i + 1]) != 'm') return false;
    }
    return true;
}

// [-] digits with at most one point, at least one digit.
bool isPlainDecimal(std::string_view t) {
    if (!t.empty() && t.front() == '-') t.remove_prefix(1);
    std::size_t digits = 0;
    std::size_t points = 0;
    for (const char c : t) {
        if (isDigit(c)) {
            ++digits;
        } else if (c == '.' && points == 0) {
            ++points;
        } else {
            return false;
        }
    }
    return digits > 0;
}

// The number of a plain decimal text with its point moved `places` right:
// movePoint("2.4", 4) -> "24000", movePoint("-.5", 1) -> "-5".
std::string movePoint(std::string_view t, int places) {
    std::string out;
    if (t.front() == '-') {
        out.push_back('-');
        t.remove_prefix(1);
    }
    const std::size_t point = t.find('.');
    const std::string_view whole = t.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : t.substr(point + 1);
    out.append(whole);
    for (int i = 0; i < places; ++i) {
        if (fraction.empty()) {
            out.push_back('0');
        } else {
            out.push_back(fraction.front());
            fraction.remove_prefix(1);
        }
    }
    if (!fraction.empty()) {
        out.push_back('.');
        out.append(fraction);
    }
    return out;
}

double inchesOf(std::string_view decimal, int places) {
    const std::string tenths = movePoint(decimal, places);
    try {
        return number(tenths) / kTenthsOfMillimetrePerInch;
    } catch (const RuntimeError&) {
        // The grammar above leaves only a number beyond the double range.
        const double infinity = std::numeric_limits<double>::infinity();
        return tenths.front() == '-' ? -infinity : infinity;
    }
}

}  // namespace

MetricReading readMetric(std::string_view text) {
    text = trimBlanks(text);
    std::size_t unitStart = text.size();
    while (unitStart > 0 && isLetter(text[unitStart - 1])) --unitStart;
    const std::string_view unit = text.substr(unitStart);
    if (!isRunOfUnits(unit)) return {};

    const std::optional<int> places = tenthsShift(unit);
    const std::string_view number = trimBlanks(text.substr(0, unitStart));
    if (!places || !isPlainDecimal(number)) return {MetricText::Malformed};
    return {MetricText::Length, inchesOf(number, *places)};
}

std::optional<double> readMetricLength(std::string_view text) {
    const MetricReading reading = readMetric(text);
    if (reading.kind != MetricText::Length) return std::nullopt;
    return reading.inches;
}

bool isMetricUnit(std::string_view word) {
    return tenthsShift(word).has_value();
}

}  // namespace plumbrule
