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
//   plumbrule-calc --stair [--height H] [--risers N] [--max-riser R]
//                  [--run W] [--treads N] [--max-tread T] [output options]
//   plumbrule-calc --triangle [--rise R] [--run W] [--diagonal D] [--pitch P]
//                  [--angle A] [output options]
//   plumbrule-calc --area --length L --width W [--thickness T] [output options]
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

// The stair window's six boxes as options, as given (none: not given).
struct StairValues {
    std::optional<std::string> height;    // --height: overall height
    std::optional<std::string> risers;    // --risers: number of risers
    std::optional<std::string> maxRiser;  // --max-riser: maximum riser height
    std::optional<std::string> run;       // --run: overall width
    std::optional<std::string> treads;    // --treads: number of treads
    std::optional<std::string> maxTread;  // --max-tread: maximum tread width
    // The first option left without its value ("--height needs a value"): a
    // missing value, reported as the stair's other value problems are.
    std::string problem;

    friend bool operator==(const StairValues&, const StairValues&) = default;
};

// The Right Triangle tab's boxes as options, as given.
struct TriangleValues {
    std::optional<std::string> rise;      // --rise
    std::optional<std::string> run;       // --run
    std::optional<std::string> diagonal;  // --diagonal
    std::optional<std::string> pitch;     // --pitch: inches of rise per 12 of run
    std::optional<std::string> angle;     // --angle: degrees
    std::string problem;                  // as StairValues::problem

    friend bool operator==(const TriangleValues&, const TriangleValues&) = default;
};

// The Area and Volume tab's boxes as options, as given.
struct AreaValues {
    std::optional<std::string> length;     // --length
    std::optional<std::string> width;      // --width
    std::optional<std::string> thickness;  // --thickness, optional
    std::string problem;                   // as StairValues::problem

    friend bool operator==(const AreaValues&, const AreaValues&) = default;
};

struct CommandLine {
    enum class Action { Evaluate, Stair, Triangle, Area, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Evaluate;
    OutputForm form;
    StairValues stair;        // for Stair
    TriangleValues triangle;  // for Triangle
    AreaValues area;          // for Area
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
//   -> Stair, height "8'10-1/2\"", maxRiser "7.75"
// The stair's value options need --stair, and --stair takes no expression;
// likewise the triangle's need --triangle and the area's --area (--run is
// the stair's overall width or the triangle's run). One tool at a time.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
std::string usageText();

}  // namespace plumbrule::cli
