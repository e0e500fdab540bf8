// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/StairCommand.h"

#include <gtest/gtest.h>

namespace plumbrule::cli {
namespace {

using Lines = std::vector<std::string>;

StairValues worked() {
    StairValues values;
    values.height = "8'10-1/2\"";
    values.maxRiser = "7.75";
    values.run = "130";
    values.maxTread = "10";
    return values;
}

// The worked flight itself is run through the program in EndToEndTest.
TEST(StairCommand, OneSideAloneAndMetricOutput) {
    StairValues values;
    values.treads = "13";
    values.run = "10'10\"";
    const OutputForm millimetres{{DisplayOptions::Style::Decimal, DisplayOptions::Units::None, 1},
                                 MetricUnit::Millimetres};
    EXPECT_EQ(solveStair(values, millimetres).lines, (Lines{"13 Treads @ 10.00\" = 3302 mm"}));
    const StairAnswer both = solveStair(worked(), millimetres);
    EXPECT_EQ(both.lines.back(), "Stringer 4268.6 mm @ 37.3\u00B0, 2R+T 25.2\": steep");
}

TEST(StairCommand, AMissingOrBadValueIsOneProblemInTheWindowsWords) {
    const auto with = [](auto change) {
        StairValues values = worked();
        change(values);
        return solveStair(values, OutputForm{}).problem;
    };
    EXPECT_EQ(with([](StairValues& v) { v.maxRiser.reset(); }),
              "risers (--height, --risers, --max-riser): You must enter values in two of the "
              "three available fields.");
    EXPECT_EQ(with([](StairValues& v) { v.treads = "13"; }),
              "treads (--run, --treads, --max-tread): give two of the three; the third is "
              "calculated");
    EXPECT_EQ(with([](StairValues& v) { v.height = "8 yards"; }),
              "--height \"8 yards\": Error: 13 - Type mismatch");
    EXPECT_EQ(with([](StairValues& v) { v.height = ""; }), "--height needs a value");
    EXPECT_EQ(with([](StairValues& v) { v.maxRiser = "0"; }),
              "risers: Error: 11 - Division by zero");
    EXPECT_EQ(with([](StairValues& v) {
                  v.maxTread.reset();
                  v.treads = "40000";
              }),
              "--treads \"40000\": Error : 6 - A value that has been entered is too large.");
    EXPECT_EQ(solveStair(StairValues{}, OutputForm{}).problem,
              "--stair (--height, --risers, --max-riser or --run, --treads, --max-tread): You "
              "must enter values in two of the three available fields.");
}

}  // namespace
}  // namespace plumbrule::cli
