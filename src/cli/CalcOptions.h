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
namespace plumbrule::cli {

// The output form: the calculator's display options, or a metric unit
// (decimal style only, the precision counting decimal places).
struct OutputForm {
    DisplayOptions display;  // fractional, feet and inches, 1/16 inch unless chosen
    std::optional<MetricUnit> metric;

    friend bool operator==(const OutputForm&, const OutputForm&) = default;
};

struct CommandLine {
    enum class Action { Evaluate, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Evaluate;
    OutputForm form;
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
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
std::string usageText();

}  // namespace plumbrule::cli
