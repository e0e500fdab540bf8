// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ToolCommand.h"

#include <gtest/gtest.h>

namespace plumbrule::cli {
namespace {

using Lines = std::vector<std::string>;
using Arguments = std::vector<std::string>;

ToolCommandAnswer solve(const Arguments& arguments) {
    const CommandLine line = parseCommandLine(arguments);
    EXPECT_EQ(line.action, CommandLine::Action::Tool) << line.problem;
    return solveToolCommand(line.tool, line.form);
}

const Arguments kFlight{"--stair", "--height", "8'10-1/2\"",  "--max-riser", "7.75",
                        "--run",   "130",      "--max-tread", "10"};

Arguments flightWith(const Arguments& more) {
    Arguments arguments = kFlight;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The worked flight itself is run through the program in EndToEndTest.
TEST(ToolCommand, OneStairSideAloneAndMetricOutput) {
    const Arguments millimetres{"--style", "decimal", "--units", "mm", "--precision", "1"};
    Arguments oneSide{"--stair", "--treads", "13", "--run", "10'10\""};
    oneSide.insert(oneSide.end(), millimetres.begin(), millimetres.end());
    EXPECT_EQ(solve(oneSide).lines, (Lines{"13 Treads @ 10.00\" = 3302 mm"}));
    EXPECT_EQ(solve(flightWith(millimetres)).lines.back(),
              "Stringer 4268.6 mm @ 37.3\u00B0, 2R+T 25.2\": steep");
}

TEST(ToolCommand, AMissingOrBadValueIsOneProblemInTheToolsWords) {
    const struct {
        Arguments arguments;
        const char* problem;
    } rows[] = {
        {{"--stair", "--height", "8'10-1/2\"", "--run", "130", "--max-tread", "10"},
         "risers (--height, --risers, --max-riser): You must enter values in two of the "
         "three available fields."},
        {flightWith({"--treads", "13"}),
         "treads (--run, --treads, --max-tread): give two of the three; the third is "
         "calculated"},
        {flightWith({"--height", "8 yards"}), "--height \"8 yards\": Error: 13 - Type mismatch"},
        {flightWith({"--height="}), "--height needs a value"},
        {flightWith({"--max-riser", "0"}), "risers: Error: 11 - Division by zero"},
        {{"--stair", "--run", "130", "--treads", "40000"},
         "--treads \"40000\": Error : 6 - A value that has been entered is too large."},
        {{"--stair"},
         "--stair (--height, --risers, --max-riser or --run, --treads, --max-tread): You "
         "must enter values in two of the three available fields."},
        // The next word is another option, not the value.
        {{"--stair", "--height", "--risers", "3"}, "--height needs a value"},
        {{"--triangle", "--rise", "6'"},
         "--triangle (--rise, --run, --diagonal, --pitch, --angle): Enter two values: two "
         "sides, or one side with the pitch or the angle."},
        {{"--area", "--length", "12'", "--width", "ten"},
         "--width \"ten\": Error: 13 - Type mismatch"},
        {{"--roof", "--pitch", "7"},
         "--roof (--pitch, --angle, --run, --span, --ridge, --overhang, --jacks): Enter the run "
         "or the span, one of the two."},
        {{"--spacing", "--length", "100", "--gap", "4", "--on-centre", "16"},
         "--spacing (--length, --width, --gap, --count, --on-centre): Enter one of the maximum "
         "gap, the count or the spacing on centre."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(solve(row.arguments).problem, row.problem) << row.arguments[1];
    }
}

}  // namespace
}  // namespace plumbrule::cli
