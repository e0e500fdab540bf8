// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CalcOptions.h"

#include <gtest/gtest.h>

namespace plumbrule::cli {
namespace {

using Action = CommandLine::Action;
using Style = DisplayOptions::Style;
using Units = DisplayOptions::Units;
using Values = std::vector<std::optional<std::string>>;

TEST(CalcOptions, DefaultsAreTheFirstRunOptions) {
    const CommandLine line = parseCommandLine({});
    EXPECT_EQ(line.action, Action::Evaluate);
    EXPECT_EQ(line.form.display, (DisplayOptions{Style::Fractional, Units::FeetAndInches, 4}));
    EXPECT_FALSE(line.form.metric);
    EXPECT_FALSE(line.hasExpression);
}

TEST(CalcOptions, ReadsEveryOptionInBothSpellings) {
    const struct {
        std::vector<std::string> arguments;
        OutputForm expected;
    } rows[] = {
        {{"--style", "decimal"}, {{Style::Decimal, Units::FeetAndInches, 4}, {}}},
        {{"--style=decimal", "--units=feet"}, {{Style::Decimal, Units::Feet, 4}, {}}},
        {{"--units", "none", "--precision", "0"}, {{Style::Fractional, Units::None, 0}, {}}},
        {{"--units=inches", "--precision=8"}, {{Style::Fractional, Units::Inches, 8}, {}}},
        {{"--units", "feet-inches", "--style", "fractional"},
         {{Style::Fractional, Units::FeetAndInches, 4}, {}}},
        {{"--style", "decimal", "--units", "mm", "--precision", "1"},
         {{Style::Decimal, Units::None, 1}, MetricUnit::Millimetres}},
        {{"--units=cm", "--style=decimal"},
         {{Style::Decimal, Units::None, 4}, MetricUnit::Centimetres}},
        {{"--style=decimal", "--units=m"}, {{Style::Decimal, Units::None, 4}, MetricUnit::Metres}},
        {{"--units=m", "--units=inches"}, {{Style::Fractional, Units::Inches, 4}, {}}},
    };
    for (const auto& row : rows) {
        const CommandLine line = parseCommandLine(row.arguments);
        EXPECT_EQ(line.action, Action::Evaluate) << line.problem;
        EXPECT_EQ(line.form, row.expected) << row.arguments.front();
    }
}

TEST(CalcOptions, RefusesBadOptionsValuesAndCombinations) {
    const struct {
        std::vector<std::string> arguments;
        const char* problem;
    } rows[] = {
        {{"--style", "metric"}, "--style must be fractional or decimal, not \"metric\""},
        {{"--units=yards"},
         "--units must be none, feet-inches, inches, feet, mm, cm or m, not \"yards\""},
        {{"--precision", "9"}, "--precision must be a whole number from 0 to 8, not \"9\""},
        {{"--precision=-1"}, "--precision must be a whole number from 0 to 8, not \"-1\""},
        {{"--precision", "04"}, "--precision must be a whole number from 0 to 8, not \"04\""},
        {{"--precision"}, "--precision needs a value (see --help)"},
        {{"--units", "feet"}, "--units feet needs --style decimal"},
        {{"--style=fractional", "--units=mm"}, "--units mm needs --style decimal"},
        {{"--units=cm"}, "--units cm needs --style decimal"},
        {{"--colour"}, "unknown option \"--colour\" (see --help)"},
    };
    for (const auto& row : rows) {
        const CommandLine line = parseCommandLine(row.arguments);
        EXPECT_EQ(line.action, Action::Refuse) << row.arguments.front();
        EXPECT_EQ(line.problem, row.problem);
    }
}

TEST(CalcOptions, EverythingElseIsTheExpression) {
    const CommandLine line =
        parseCommandLine({"-6.25", "-", "--style", "decimal", "3", "--", "--x"});
    EXPECT_EQ(line.action, Action::Evaluate);
    EXPECT_TRUE(line.hasExpression);
    EXPECT_EQ(line.expression, (std::vector<std::string>{"-6.25", "-", "3", "--x"}));
    EXPECT_EQ(line.form.display.style, Style::Decimal);
}

TEST(CalcOptions, StairOptionsAreTheWindowsBoxes) {
    const CommandLine line =
        parseCommandLine({"--height", "8'10-1/2\"", "--stair", "--max-riser=7.75", "--run", "-130",
                          "--style", "decimal", "--treads", "13"});
    EXPECT_EQ(line.action, Action::Tool) << line.problem;
    // The stair's boxes: the risers' step, count and overall, then the treads'.
    EXPECT_EQ(line.tool.values, (Values{"7.75", {}, "8'10-1/2\"", {}, "13", "-130"}));
    EXPECT_EQ(line.form.display.style, Style::Decimal);
    // A value left out is the stair's problem to report, as a missing value.
    EXPECT_EQ(parseCommandLine({"--stair", "--run"}).tool.problem, "--run needs a value");

    EXPECT_EQ(parseCommandLine({"--height", "100"}).problem, "--height needs --stair (see --help)");
    EXPECT_EQ(parseCommandLine({"--stair", "5"}).problem,
              "--stair takes no EXPRESSION (see --help)");
}

TEST(CalcOptions, EachToolTakesItsOwnBoxesAndRunServesTwo) {
    const CommandLine triangle = parseCommandLine({"--run", "10'", "--pitch=8", "--triangle"});
    EXPECT_EQ(triangle.action, Action::Tool) << triangle.problem;
    EXPECT_EQ(triangle.tool.values, (Values{{}, "10'", {}, "8", {}}));
    const CommandLine area = parseCommandLine({"--area", "--length", "12'", "--width", "10'"});
    EXPECT_EQ(area.tool.values, (Values{"12'", "10'", {}}));
    const struct {
        std::vector<std::string> arguments;
        const char* problem;
    } refused[] = {
        {{"--run", "3"}, "--run needs --stair, --triangle or --roof (see --help)"},
        {{"--stair", "--rise", "3"}, "--rise needs --triangle (see --help)"},
        {{"--triangle", "--length", "3"}, "--length needs --area or --spacing (see --help)"},
    };
    for (const auto& row : refused) {
        EXPECT_EQ(parseCommandLine(row.arguments).problem, row.problem) << row.arguments[1];
    }
    // Every tool's switch is named: "--stair, --triangle, ... are one at a time".
    const std::string twoTools = parseCommandLine({"--triangle", "--area"}).problem;
    EXPECT_TRUE(twoTools.starts_with("--stair, --triangle, --area")) << twoTools;
    EXPECT_TRUE(twoTools.ends_with(" are one at a time (see --help)")) << twoTools;
}

TEST(CalcOptions, HelpAndVersion) {
    EXPECT_EQ(parseCommandLine({"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(parseCommandLine({"5", "-h"}).action, Action::ShowHelp);
    EXPECT_EQ(parseCommandLine({"--version"}).action, Action::ShowVersion);
    EXPECT_NE(usageText().find("--precision 0-8"), std::string::npos);
    EXPECT_NE(usageText().find("--stair [--height H]"), std::string::npos);
}

}  // namespace
}  // namespace plumbrule::cli
