// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/MetricLength.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/Formatter.h"

namespace plumbrule {
namespace {

// Shown as the first run shows them: fractional, feet and inches, 1/16.
TEST(MetricLength, ReadsTheUnitInAnyCaseWithOrWithoutABlank) {
    const struct {
        const char* text;
        const char* shown;
    } rows[] = {
        {"1 m", "3'3-3/8\""},     {"2500mm", "8'2-7/16\""},   {"1000 cm", "32'9-11/16\""},
        {"2400MM", "7'10-1/2\""}, {" 2.4\tM ", "7'10-1/2\""}, {"240cM", "7'10-1/2\""},
        {"5m", "16'4-7/8\""},     {".5 m", "1'7-11/16\""},    {"-25.4mm", "-0'1\""},
    };
    for (const auto& row : rows) {
        const MetricReading reading = readMetric(row.text);
        ASSERT_EQ(reading.kind, MetricText::Length) << row.text;
        EXPECT_EQ(DisplayValue(reading.inches, DisplayOptions{}), row.shown) << row.text;
    }
}

// The point moves in the decimal digits, so an inch is exactly an inch.
TEST(MetricLength, ConvertsAtExactly254TenthsOfAMillimetreToTheInch) {
    for (const char* inch : {"25.4 mm", "2.54cm", "0.0254 m"}) EXPECT_EQ(readMetricLength(inch), 1);
    EXPECT_EQ(readMetricLength(std::string(400, '9') + "mm"),
              std::numeric_limits<double>::infinity());
}

TEST(MetricLength, TellsAMalformedMetricLengthFromNoMetricUnit) {
    using enum MetricText;
    const struct {
        const char* text;
        MetricText kind;
    } rows[] = {
        {"2.4.5 m", Malformed}, {"mm", Malformed},      {"3-1/2 mm", Malformed},
        {"5 mm mm", Malformed}, {"5mmm", Malformed},    {"1e3 mm", Malformed},
        {"+5 mm", Malformed},   {"5'3\" m", Malformed}, {"5 km", NoUnit},
        {"5 ft", NoUnit},       {"5", NoUnit},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readMetric(row.text).kind, row.kind) << row.text;
        EXPECT_EQ(readMetricLength(row.text), std::nullopt) << row.text;
    }
}

}  // namespace
}  // namespace plumbrule
