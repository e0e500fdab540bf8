// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Formatter.h"

#include <cmath>

#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

namespace plumbrule {
namespace {

constexpr double kExponentFormFrom = 1e15;

// Every number the display writes reads back through the parser: tiny
// magnitudes are written in plain digits ("0.00001", never "1E-05"); from
// 1E+15 up the general text (an exponent without a dash) reads back as well.
std::string displayText(double x) {
    return std::fabs(x) < kExponentFormFrom ? plainText(x) : text(x);
}

void checkArguments(double inches, const DisplayOptions& options) {
    if (!std::isfinite(inches)) throw RuntimeError(errOverflow);
    if (options.precision < 0 || options.precision > 8) throw RuntimeError(errInvalidArgument);
}

// The first stage of both styles: whole feet and the inches beyond them,
// both carrying the sign of the value. The feet are v / 12 at ten decimal
// places; the inches are the digits after the point of that text, times 12.
struct Split {
    bool negative = false;
    double wholeFeet = 0;
    double remainder = 0;
};

Split split(double v) {
    Split s;
    s.negative = v < 0;
    const DecimalNumber feet = roundDigits(v / 12, 10, Halves::ToEven);
    double fraction = 0;
    if (feet.exponent >= 0) {
        s.wholeFeet = feet.value();
    } else {
        // At most ten places, so both parts are exact whole numbers here.
        std::uint64_t unit = 1;
        for (int i = feet.exponent; i < 0; ++i) unit *= 10;
        const double wholePart = static_cast<double>(feet.digits / unit);
        s.wholeFeet = feet.negative ? -wholePart : wholePart;
        fraction = DecimalNumber{false, feet.digits % unit, feet.exponent}.value();
    }
    if (s.wholeFeet == 0) s.wholeFeet = 0;  // no negative zero
    s.remainder = (s.negative ? -fraction : fraction) * 12;
    return s;
}

// In the feet-and-inches forms the inches never show twelve: twelve inches
// become one more foot (59.99 shows 5'0", not 4'12"). `inches` counts steps
// of 1/stepsPerInch inch.
void carryTwelveInches(Split& s, double& inches, double stepsPerInch) {
    if (std::fabs(inches) == 12 * stepsPerInch) {
        s.wholeFeet += inches > 0 ? 1 : -1;
        inches = 0;
    }
}

// The feet of a feet-and-inches text: a negative length below one foot keeps
// its sign in front of the zero feet ("-0'3-1/2\"").
std::string feetText(const Split& s) {
    std::string t = displayText(s.wholeFeet);
    if (s.negative && t.find('-') == std::string::npos) t.insert(0, 1, '-');
    return t;
}

// x rounded to a whole number, halves away from zero, judged on its 15
// significant digits. Only a value within a hair of a half needs the digits.
double roundAwayToWhole(double x) {
    const double whole = std::trunc(x);
    const double part = std::fabs(x - whole);
    if (std::fabs(part - 0.5) > 1e-6) {
        return part > 0.5 ? whole + std::copysign(1.0, x) : whole;
    }
    return roundDigits(x, 0, Halves::AwayFromZero).value();
}

}  // namespace

std::string DisplayValue(double inches, const DisplayOptions& options) {
    return options.style == DisplayOptions::Style::Fractional ? DisplayFractional(inches, options)
                                                              : DisplayDecimal(inches, options);
}

std::string DisplayFractional(double inches, const DisplayOptions& options) {
    using Units = DisplayOptions::Units;
    checkArguments(inches, options);
    if (options.units == Units::Feet) return {};
    Split s = split(inches);
    const std::int64_t steps = std::int64_t{1} << options.precision;  // N: 1/N inch

    // The inches snapped to the nearest 1/N, kept as a count of 1/N steps.
    double stepCount = roundAwayToWhole(static_cast<double>(steps) * s.remainder);
    if (options.units == Units::FeetAndInches) {
        carryTwelveInches(s, stepCount, static_cast<double>(steps));
    }
    const auto count = static_cast<std::int64_t>(stepCount);
    const double wholeInches = static_cast<double>(count / steps);
    const std::int64_t fractionSteps = count < 0 ? -(count % steps) : count % steps;
    const std::string fracPart =
        fractionSteps == 0 ? std::string{} : "-" + ReduceFraction(fractionSteps, steps);

    if (options.units == Units::FeetAndInches) {
        return feetText(s) + "'" + displayText(std::fabs(wholeInches)) + fracPart + "\"";
    }
    const double total = s.wholeFeet * 12 + wholeInches;
    std::string totalText = displayText(total);
    if (s.negative && total == 0 && !fracPart.empty()) totalText = "-0";
    return totalText + fracPart + (options.units == Units::Inches ? "\"" : "");
}

std::string DisplayDecimal(double inches, const DisplayOptions& options) {
    using Units = DisplayOptions::Units;
    checkArguments(inches, options);
    Split s = split(inches);
    const int k = options.precision;

    // The Inches form rounds the inches to one place fewer than chosen, and
    // not at all at k = 0 (the inches keep their 15 significant digits).
    double remainder = 0;
    if (options.units == Units::Inches && k == 0) {
        remainder = significantDigits(s.remainder).value();
    } else {
        const int places = options.units == Units::Inches ? k - 1 : k;
        remainder = roundDigits(s.remainder, places, Halves::AwayFromZero).value();
    }

    switch (options.units) {
        case Units::None:
            return displayText(s.wholeFeet * 12 + remainder);
        case Units::FeetAndInches:
            carryTwelveInches(s, remainder, 1);
            return feetText(s) + "'" + displayText(std::fabs(remainder)) + "\"";
        case Units::Feet:
            return displayText(roundEven(remainder / 12 + s.wholeFeet, k)) + "'";
        case Units::Inches:
            return displayText(roundEven(s.wholeFeet * 12 + remainder, k)) + "\"";
    }
    return {};
}

std::string ReduceFraction(std::int64_t num, std::int64_t den) {
    if (num > 0 && den != 0) {
        std::int64_t a = den;
        std::int64_t b = num;
        for (std::int64_t r = a % b; r != 0; r = a % b) {
            a = b;
            b = r;
        }
        num /= b;
        den /= b;
    }
    return std::to_string(num) + "/" + std::to_string(den);
}

std::string DisplayMetric(double inches, MetricUnit unit, int places) {
    checkArguments(inches, DisplayOptions{DisplayOptions::Style::Decimal,
                                          DisplayOptions::Units::None, places});
    // 1 inch = 254/10 mm = 254/100 cm = 254/10000 m, exactly.
    double divisor = 10;
    const char* symbol = " mm";
    if (unit == MetricUnit::Centimetres) {
        divisor = 100;
        symbol = " cm";
    } else if (unit == MetricUnit::Metres) {
        divisor = 10000;
        symbol = " m";
    }
    const double length = inches * 254 / divisor;
    if (!std::isfinite(length)) throw RuntimeError(errOverflow);
    return displayText(roundDigits(length, places, Halves::AwayFromZero).value()) + symbol;
}

}  // namespace plumbrule
