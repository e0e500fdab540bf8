// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/Formatter.h"
#include "engine/Parser.h"
#include "engine/RuntimeError.h"

// Every text the display shows reads back through the parser, and showing the
// value read back gives the same text again, in every one of the 2 x 4 x 9
// output forms.
namespace plumbrule {
namespace {

using Style = DisplayOptions::Style;
using Units = DisplayOptions::Units;

std::vector<DisplayOptions> allForms() {
    std::vector<DisplayOptions> forms;
    for (const Style style : {Style::Fractional, Style::Decimal}) {
        for (const Units units : {Units::None, Units::FeetAndInches, Units::Feet, Units::Inches}) {
            for (int k = 0; k <= 8; ++k) forms.push_back({style, units, k});
        }
    }
    return forms;
}

// Lengths of every kind a person or a calculation produces: plain lengths,
// exact grid values, values just beside a rounding half, and tiny and large ones.
std::vector<double> sampleValues(std::uint64_t seed, std::size_t count) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> lengths(-2000, 2000);
    std::uniform_real_distribution<double> magnitudes(-7, 9);
    std::uniform_int_distribution<int> sixteenths(-40000, 40000);
    std::uniform_int_distribution<int> kind(0, 4);
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) {
        switch (kind(random)) {
            case 0:
                values.push_back(lengths(random));
                break;
            case 1:
                values.push_back(std::pow(10.0, magnitudes(random)) * (i % 2 ? 1 : -1));
                break;
            case 2:
                values.push_back(sixteenths(random) / 256.0);
                break;
            case 3:  // a half of some rounding step, nudged by one unit either way
                values.push_back(
                    std::nextafter(sixteenths(random) / 512.0 + 1.0 / 1024, i % 2 ? 1e9 : -1e9));
                break;
            default:
                values.push_back(std::round(lengths(random) * 1e4) / 1e4);
                break;
        }
    }
    return values;
}

// A negative length too small to show is written with its sign ("-0'0\"");
// it reads back as zero, which shows without the sign.
bool isSignedZeroText(const std::string& t) {
    return t == "-0'0\"" || t == "-0";
}

TEST(RoundTrip, EveryDisplayedTextReadsBackAndShowsTheSameAgain) {
    const auto forms = allForms();
    ASSERT_EQ(forms.size(), 72u);
    int checked = 0;
    for (const double v : sampleValues(20240607, 3000)) {
        for (const auto& form : forms) {
            const std::string shown = DisplayValue(v, form);
            double readBack = 0;
            try {
                readBack = ConvertInput(shown, DetType(shown));
            } catch (const RuntimeError& e) {
                ADD_FAILURE() << v << " shows \"" << shown << "\" which raises " << e.number();
                continue;
            }
            const std::string again = DisplayValue(readBack, form);
            if (isSignedZeroText(shown)) {
                EXPECT_EQ(readBack, 0);
                EXPECT_EQ(again, shown.substr(1)) << v;
            } else {
                EXPECT_EQ(again, shown)
                    << "value " << v << " style " << static_cast<int>(form.style) << " units "
                    << static_cast<int>(form.units) << " k " << form.precision;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 3000 * 72);
}

TEST(RoundTrip, TheReadBackValueIsTheShownValue) {
    // 5'3-1/2" is 63.5 whatever the value was that rounded to it.
    const DisplayOptions sixteenths;
    for (const double v : sampleValues(7, 2000)) {
        const std::string shown = DisplayValue(v, sixteenths);
        const double readBack = ConvertInput(shown, DetType(shown));
        EXPECT_EQ(std::round(readBack * 16), readBack * 16) << shown;  // on the 1/16 grid
        EXPECT_LE(std::fabs(readBack - v), 1.0 / 32 + 1e-9 * std::fabs(v)) << v << " " << shown;
    }
}

}  // namespace
}  // namespace plumbrule
