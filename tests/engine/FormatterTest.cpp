// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Formatter.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/RuntimeError.h"
#include "support/ErrorOf.h"
#include "support/TableFile.h"

namespace plumbrule {
namespace {

using Style = DisplayOptions::Style;
using Units = DisplayOptions::Units;
using testing::readTable;
using testing::RowName;
using testing::TableRow;
using testing::tableValue;

using testing::errorOf;

// Every example value in the seven forms, one test per row of display_forms.tsv.
class FormatterForms : public ::testing::TestWithParam<TableRow> {};

TEST_P(FormatterForms, ShowTheValueInAllSevenForms) {
    const DisplayOptions forms[] = {
        {Style::Fractional, Units::None, 4},       {Style::Fractional, Units::FeetAndInches, 4},
        {Style::Fractional, Units::Inches, 4},     {Style::Decimal, Units::None, 4},
        {Style::Decimal, Units::FeetAndInches, 4}, {Style::Decimal, Units::Feet, 4},
        {Style::Decimal, Units::Inches, 4},
    };
    const auto& row = GetParam().cells;
    ASSERT_EQ(row.size(), 8u);
    const double v = tableValue(row[0]);
    for (std::size_t form = 0; form < 7; ++form) {
        EXPECT_EQ(DisplayValue(v, forms[form]), row[form + 1]) << row[0] << " in form " << form;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FormatterForms, ::testing::ValuesIn(readTable("display_forms.tsv")),
                         RowName{1});

TEST(Formatter, TheFormsTableHoldsEveryExampleValue) {
    ASSERT_EQ(readTable("display_forms.tsv").size(), 9u);
}

// The other precisions and edge cases, one test per row of display_precisions.tsv.
class FormatterPrecision : public ::testing::TestWithParam<TableRow> {};

TEST_P(FormatterPrecision, ShowsTheTextOfItsRow) {
    const auto& row = GetParam().cells;
    ASSERT_EQ(row.size(), 5u);
    DisplayOptions options;
    options.style = row[1] == "f" ? Style::Fractional : Style::Decimal;
    options.units = row[2] == "none"   ? Units::None
                    : row[2] == "fi"   ? Units::FeetAndInches
                    : row[2] == "feet" ? Units::Feet
                                       : Units::Inches;
    options.precision = std::stoi(row[3]);
    EXPECT_EQ(DisplayValue(tableValue(row[0]), options), row[4])
        << row[0] << " " << row[1] << " " << row[2] << " " << row[3];
}

INSTANTIATE_TEST_SUITE_P(Table, FormatterPrecision,
                         ::testing::ValuesIn(readTable("display_precisions.tsv")), RowName{4});

TEST(Formatter, ThePrecisionTableHoldsTheOtherPrecisionsAndEdgeCases) {
    ASSERT_GE(readTable("display_precisions.tsv").size(), 20u);
}

TEST(Formatter, ReducesFractionsToLowestTerms) {
    EXPECT_EQ(ReduceFraction(3125, 10000), "5/16");
    EXPECT_EQ(ReduceFraction(5, 10), "1/2");
    EXPECT_EQ(ReduceFraction(390625, 100000000), "1/256");
    EXPECT_EQ(ReduceFraction(3, 7), "3/7");
    EXPECT_EQ(ReduceFraction(0, 16), "0/16");
}

TEST(Formatter, EveryFractionIsOnTheChosenGrid) {
    // 6.6 inches at 1/16 is 6-5/8: no second rounding moves it off the grid.
    EXPECT_EQ(DisplayValue(6.6, {Style::Fractional, Units::Inches, 4}), "6-5/8\"");
    EXPECT_EQ(DisplayValue(13.2, {Style::Fractional, Units::Inches, 4}), "13-3/16\"");
}

TEST(Formatter, NeverCrashesOnExtremeValues) {
    const double extremes[] = {1e15,
                               -1e15,
                               1.8e16,
                               1e100,
                               -1e300,
                               1e308,
                               5e-324,
                               -5e-324,
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max()};
    for (const double v : extremes) {
        for (const Style style : {Style::Fractional, Style::Decimal}) {
            for (const Units units :
                 {Units::None, Units::FeetAndInches, Units::Feet, Units::Inches}) {
                for (int k = 0; k <= 8; ++k) {
                    const int error = errorOf([&] { DisplayValue(v, {style, units, k}); });
                    EXPECT_TRUE(error == 0 || error == 6) << v << " gave error " << error;
                }
            }
        }
    }
}

TEST(Formatter, RefusesWhatIsNotALengthOrNotAPrecision) {
    const DisplayOptions options;
    EXPECT_EQ(errorOf([&] { DisplayValue(std::numeric_limits<double>::infinity(), options); }), 6);
    EXPECT_EQ(errorOf([&] { DisplayValue(std::numeric_limits<double>::quiet_NaN(), options); }), 6);
    EXPECT_EQ(errorOf([] { DisplayValue(1, {Style::Fractional, Units::None, 9}); }), 5);
    EXPECT_EQ(errorOf([] { DisplayValue(1, {Style::Decimal, Units::None, -1}); }), 5);
}

TEST(FormatterMetric, ConvertsAtExactlyTwentyFivePointFourMillimetresPerInch) {
    const struct {
        double inches;
        MetricUnit unit;
        int places;
        const char* expected;
    } rows[] = {
        {63.5, MetricUnit::Millimetres, 1, "1612.9 mm"},
        {1, MetricUnit::Millimetres, 0, "25 mm"},
        {1, MetricUnit::Millimetres, 4, "25.4 mm"},
        {12, MetricUnit::Centimetres, 2, "30.48 cm"},
        {-1, MetricUnit::Metres, 4, "-0.0254 m"},
        {-1, MetricUnit::Metres, 1, "0 m"},
        {0.5, MetricUnit::Millimetres, 0, "13 mm"},  // 12.7 rounds up
        {10.0 / 3, MetricUnit::Millimetres, 3, "84.667 mm"},
        {0.001, MetricUnit::Metres, 8, "0.0000254 m"},
        {0, MetricUnit::Centimetres, 2, "0 cm"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DisplayMetric(row.inches, row.unit, row.places), row.expected) << row.inches;
    }
    EXPECT_EQ(errorOf([] { DisplayMetric(1, MetricUnit::Metres, 9); }), 5);
    EXPECT_EQ(errorOf([] { DisplayMetric(1e308, MetricUnit::Millimetres, 2); }), 6);
}

}  // namespace
}  // namespace plumbrule
