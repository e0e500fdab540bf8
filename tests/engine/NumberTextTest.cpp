// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "engine/RuntimeError.h"
#include "support/ErrorOf.h"

namespace plumbrule {
namespace {

using testing::errorOf;

TEST(NumberTextText, WritesFifteenSignificantDigitsAndExponentsLikeTheDisplay) {
    const struct {
        double x;
        const char* expected;
    } rows[] = {
        {1.2000000000000002, "1.2"},
        {0.0416666667, "0.0416666667"},
        {-3.5, "-3.5"},
        {1.0 / 3, "0.333333333333333"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.5e15, "1.5E+15"},
        {-1.5e-20, "-1.5E-20"},
        {1e100, "1E+100"},
        {63, "63"},
        {123456789012345.6, "123456789012346"},
        {0.0, "0"},
        {-0.0, "0"},
    };
    for (const auto& row : rows) EXPECT_EQ(text(row.x), row.expected) << row.x;
}

TEST(NumberTextPlainText, NeverUsesExponentForm) {
    EXPECT_EQ(plainText(0.00001), "0.00001");
    EXPECT_EQ(plainText(-0.0000000083), "-0.0000000083");
    EXPECT_EQ(plainText(1.5e15), "1500000000000000");
    EXPECT_EQ(plainText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(plainText(-0.0), "0");
    EXPECT_EQ(plainText(63.5), "63.5");
}

TEST(NumberTextNumber, ReadsTheNumberGrammar) {
    const struct {
        const char* t;
        double expected;
    } rows[] =
        {
            {" 3.5 ", 3.5}, {"-.5e1", -5},   {"3.", 3},           {".5", 0.5},
            {"+2", 2},      {"1E-05", 1e-5}, {"1.5E+15", 1.5e15}, {"\t7\t", 7},
            {"007", 7},     {"-0", 0},       {"1e-400", 0},  // below the smallest double: zero, not
                                                             // an error
        };
    for (const auto& row : rows) EXPECT_EQ(number(row.t), row.expected) << row.t;
    EXPECT_TRUE(std::signbit(number("-0")));
}

TEST(NumberTextNumber, RejectsEverythingElseWithError13) {
    for (const char* t :
         {"",    " ",    ".",   "-",   "+",   "3-",  "1e", "1e+", "e5",  "1.2.3", "--1",
          "+-1", "0x10", "inf", "nan", "1,5", "1 2", "3'", "\"",  "5/8", "1_000"}) {
        EXPECT_EQ(errorOf([&] { number(t); }), 13) << '"' << t << '"';
    }
    EXPECT_EQ(errorOf([] { number("1e999"); }), 6);
    EXPECT_EQ(errorOf([] { number("-12345678901234567890e300"); }), 6);
}

TEST(NumberTextRoundEven, RoundsTheDisplayedDigitsHalvesToEven) {
    const struct {
        double x;
        int places;
        double expected;
    } rows[] = {
        {2.625, 2, 2.62},      {2.5, 0, 2},
        {3.5, 0, 4},           {-2.5, 0, -2},
        {1.015, 2, 1.02},      {1.025, 2, 1.02},
        {0.277775, 4, 0.2778}, {5.291666666666667, 10, 5.2916666667},
        {0.05, 1, 0.0},        {0.15, 1, 0.2},
        {123.456, 5, 123.456}, {0.00004, 4, 0},
        {0.00005, 4, 0},       {0.00015, 4, 0.0002},
        {1e20, 3, 1e20},       {0.0, 2, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(roundEven(row.x, row.places), row.expected) << row.x << " to " << row.places;
    }
}

TEST(NumberTextRoundAway, FormatsWithTheDigitPatternHalvesAwayFromZero) {
    const struct {
        double x;
        const char* pattern;
        const char* expected;
    } rows[] = {
        {0.5, "0", "1"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.03125, "0.0000", "0.0313"},
        {10, "0.00", "10.00"},
        {2.5, "0.", "3"},
        {1.0 / 3, "", "0.333333333333333"},
        {-0.001, "0.00", "0.00"},
        {1.005, "0.00", "1.01"},
        {0.00001, "", "1E-05"},
        {1.5e15, "0.0", "1500000000000000.0"},
        {3.3333333336, "0.000", "3.333"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(roundAway(row.x, row.pattern), row.expected) << row.x << " " << row.pattern;
    }
}

TEST(NumberTextWhole, RoundsHalvesToEvenWithinThirtyTwoBits) {
    EXPECT_EQ(whole("2.5"), 2);
    EXPECT_EQ(whole("1.5"), 2);
    EXPECT_EQ(whole("-2.5"), -2);
    EXPECT_EQ(whole("-3.5"), -4);
    EXPECT_EQ(whole("2.4"), 2);
    EXPECT_EQ(whole("-0"), 0);
    EXPECT_EQ(whole("2147483647"), 2147483647);
    EXPECT_EQ(whole("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(whole("2147483647.4"), 2147483647);
    EXPECT_EQ(errorOf([] { whole("2147483647.5"); }), 6);
    EXPECT_EQ(errorOf([] { whole("-2147483649"); }), 6);
    EXPECT_EQ(errorOf([] { whole("1e300"); }), 6);
    EXPECT_EQ(errorOf([] { whole(""); }), 13);
}

TEST(NumberTextErrors, CarryTheStandardDescriptions) {
    EXPECT_EQ(RuntimeError(5).description(), "Invalid procedure call or argument");
    EXPECT_EQ(RuntimeError(6).description(), "Overflow");
    EXPECT_EQ(RuntimeError(11).description(), "Division by zero");
    EXPECT_EQ(RuntimeError(13).description(), "Type mismatch");
    EXPECT_EQ(RuntimeError(7, "Out of memory").description(), "Out of memory");
}

}  // namespace
}  // namespace plumbrule

namespace plumbrule {
namespace {

// The digits as the general printer gives them, "%.14e".
DecimalNumber printedDigits(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    DecimalNumber d;
    const char* p = buffer;
    if (*p == '-') d.negative = true, ++p;
    for (; *p != 'e'; ++p) {
        if (*p != '.') d.digits = d.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    d.exponent = std::atoi(p + 1) - 14;
    return d;
}

TEST(NumberTextSignificantDigits, AreTheDigitsThePrinterWrites) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> exponents(-12, 17);
    std::uniform_int_distribution<int> cents(-1000000, 1000000);
    for (int i = 0; i < 400000; ++i) {
        double x = i % 2 ? std::pow(10.0, exponents(random)) : cents(random) / 100.0 / 12;
        if (i % 3 == 0) x = -x;
        if (x == 0) continue;
        const DecimalNumber expected = printedDigits(x);
        const DecimalNumber got = significantDigits(x);
        ASSERT_EQ(got.digits, expected.digits) << x;
        ASSERT_EQ(got.exponent, expected.exponent) << x;
        ASSERT_EQ(got.negative, expected.negative) << x;
    }
    for (const double x : {1e15, 999999999999999.9, 0.1, 1e-7, 9.9999999999999995e-8, 1e14,
                           99999999999999.95, 5.0 / 12, 0.0001}) {
        EXPECT_EQ(significantDigits(x).digits, printedDigits(x).digits) << x;
        EXPECT_EQ(significantDigits(x).exponent, printedDigits(x).exponent) << x;
    }
}

}  // namespace
}  // namespace plumbrule
