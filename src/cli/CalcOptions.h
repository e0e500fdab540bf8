// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/DisplayOptions.h"
#include "engine/Formatter.h"

// The command line of plumbrule-calc:
//   plumbrule-calc [--style fractional|decimal]
//                  [--units none|feet-inches|inches|feet|mm|cm|m]
//                  [--precision 0-8] [EXPRESSION ...]
//   plumbrule-calc --TOOL [its options] [output options]
// where each tool is a row of the tools' table (tools/ToolTable.h).
namespace plumbrule::cli {

// The output form: the calculator's display options, or a metric unit
// (decimal style only, the precision counting decimal places).
struct OutputForm {
    DisplayOptions display;  // fractional, feet and inches, 1/16 inch unless chosen
    std::optional<MetricUnit> metric;

    friend bool operator==(const OutputForm&, const OutputForm&) = default;
};

// A length written in the output form: DisplayValue, or the metric unit.
std::string writeLength(double inches, const OutputForm& form);

// A tool's boxes as options, as given.
struct ToolValues {
    int tool = -1;  // its row in the tools' table
    // Each box of the tool's row, in its order: the option's value, or none
    // when the option was not given.
    std::vector<std::optional<std::string>> values;
    // The first option left without its value ("--height needs a value"),
    // also when the next word is another option: a missing value, reported
    // as the tool's other value problems are.
    std::string problem;

    friend bool operator==(const ToolValues&, const ToolValues&) = default;
};

struct CommandLine {
    enum class Action { Evaluate, Tool, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Evaluate;
    OutputForm form;
    ToolValues tool;  // for Tool
    // The expression words given as arguments; empty: read standard input.
    std::vector<std::string> expression;
    bool hasExpression = false;
    // For Refuse: the one-line reason, e.g. "--units feet needs --style decimal".
    std::string problem;
};

// parseCommandLine({"--style", "decimal", "--units=feet", "5'", "+", "3"})
//   -> Evaluate, {Decimal, Feet, 4}, expression {"5'", "+", "3"}
// Options begin with "--" ("--" alone ends them); every other argument,
// "-6.25" and "-" included, is part of the expression.
// parseCommandLine({"--stair", "--height", "8'10-1/2\"", "--max-riser", "7.75"})
//   -> Tool, the stair's row, its boxes --max-riser "7.75", --height "8'10-1/2\""
// A tool's options need its switch, and a tool takes no expression; an
// option several tools have (--run) is the box of the one chosen. One tool
// at a time.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
std::string usageText();

}  // namespace plumbrule::cli
