// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CalcOptions.h"

#include <string_view>

namespace plumbrule::cli {
namespace {

using Style = DisplayOptions::Style;
using Units = DisplayOptions::Units;

struct UnitsChoice {
    std::string_view name;
    Units units;
    std::optional<MetricUnit> metric;
};

constexpr UnitsChoice kUnits[] = {
    {"none", Units::None, std::nullopt},
    {"feet-inches", Units::FeetAndInches, std::nullopt},
    {"inches", Units::Inches, std::nullopt},
    {"feet", Units::Feet, std::nullopt},
    {"mm", Units::None, MetricUnit::Millimetres},
    {"cm", Units::None, MetricUnit::Centimetres},
    {"m", Units::None, MetricUnit::Metres},
};

// The stair window's boxes as options; every box is a text member of
// StairValues, as the height is.
using StairBox = decltype(&StairValues::height);
struct StairOption {
    std::string_view name;
    StairBox value;
};

constexpr StairOption kStairOptions[] = {
    {"--height", &StairValues::height},      {"--risers", &StairValues::risers},
    {"--max-riser", &StairValues::maxRiser}, {"--run", &StairValues::run},
    {"--treads", &StairValues::treads},      {"--max-tread", &StairValues::maxTread},
};

const StairOption* stairOption(std::string_view name) {
    for (const auto& option : kStairOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

CommandLine onlyAction(CommandLine::Action action) {
    CommandLine line;
    line.action = action;
    return line;
}

CommandLine refuse(std::string problem) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.problem = std::move(problem);
    return line;
}

// Applies one option and its value; returns the problem, empty when it fits.
std::string applyOption(std::string_view name, std::string_view value, OutputForm& form,
                        std::string& unitsName) {
    if (name == "--style") {
        if (value == "fractional") {
            form.display.style = Style::Fractional;
        } else if (value == "decimal") {
            form.display.style = Style::Decimal;
        } else {
            return "--style must be fractional or decimal, not \"" + std::string(value) + "\"";
        }
        return {};
    }
    if (name == "--units") {
        for (const auto& choice : kUnits) {
            if (choice.name == value) {
                form.display.units = choice.units;
                form.metric = choice.metric;
                unitsName = std::string(value);
                return {};
            }
        }
        return "--units must be none, feet-inches, inches, feet, mm, cm or m, not \"" +
               std::string(value) + "\"";
    }
    // --precision
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '8') {
        form.display.precision = value[0] - '0';
        return {};
    }
    return "--precision must be a whole number from 0 to 8, not \"" + std::string(value) + "\"";
}

}  // namespace

std::string writeLength(double inches, const OutputForm& form) {
    if (form.metric) return DisplayMetric(inches, *form.metric, form.display.precision);
    return DisplayValue(inches, form.display);
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::string unitsName = "feet-inches";
    bool optionsEnded = false;
    bool stair = false;
    std::string_view firstStairValue;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with("--")) {
            if (argument == "-h") return onlyAction(CommandLine::Action::ShowHelp);
            line.expression.emplace_back(argument);
            line.hasExpression = true;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help") return onlyAction(CommandLine::Action::ShowHelp);
        if (argument == "--version") return onlyAction(CommandLine::Action::ShowVersion);
        if (argument == "--stair") {
            stair = true;
            continue;
        }

        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const StairOption* box = stairOption(name);
        if (!box && name != "--style" && name != "--units" && name != "--precision") {
            return refuse("unknown option \"" + std::string(name) + "\" (see --help)");
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else if (box) {
            if (line.stair.problem.empty())
                line.stair.problem = std::string(name) + " needs a value";
            if (firstStairValue.empty()) firstStairValue = box->name;
            continue;
        } else {
            return refuse(std::string(name) + " needs a value (see --help)");
        }
        if (box) {
            line.stair.*(box->value) = std::string(value);
            if (firstStairValue.empty()) firstStairValue = box->name;
            continue;
        }
        if (std::string problem = applyOption(name, value, line.form, unitsName);
            !problem.empty()) {
            return refuse(problem);
        }
    }

    // As on the options panel: feet exist only in decimal style, and so do
    // the metric units here.
    const bool decimalOnly = line.form.metric.has_value() || line.form.display.units == Units::Feet;
    if (decimalOnly && line.form.display.style != Style::Decimal) {
        return refuse("--units " + unitsName + " needs --style decimal");
    }
    if (!stair && !firstStairValue.empty()) {
        return refuse(std::string(firstStairValue) + " needs --stair (see --help)");
    }
    if (stair) {
        if (line.hasExpression) return refuse("--stair takes no EXPRESSION (see --help)");
        line.action = CommandLine::Action::Stair;
    }
    return line;
}

std::string usageText() {
    return "Usage: plumbrule-calc [--style fractional|decimal]\n"
           "                      [--units none|feet-inches|inches|feet|mm|cm|m]\n"
           "                      [--precision 0-8] [EXPRESSION ...]\n"
           "       plumbrule-calc --stair [--height H] [--risers N] [--max-riser R]\n"
           "                      [--run W] [--treads N] [--max-tread T] [options]\n"
           "\n"
           "Evaluates dimension arithmetic strictly left to right, as the Plumbrule\n"
           "calculator does, and prints the result as the display would show it.\n"
           "\n"
           "  EXPRESSION  operands and the operators + - * / separated by spaces,\n"
           "              e.g.  5'3-1/2\" + 0-3/8 \\* 2   (quote marks for the shell)\n"
           "              Without EXPRESSION, each line of standard input is one\n"
           "              expression and gives one line of output.\n"
           "  --style     fractional (default) or decimal\n"
           "  --units     feet-inches (default), none, inches; feet, mm, cm and m\n"
           "              only with --style decimal\n"
           "  --precision fractional: nearest 1/2^k inch (default 4, 1/16 inch);\n"
           "              decimal: k decimal places\n"
           "\n"
           "  --stair     solves a straight stair as the Stair Calculator window does:\n"
           "              give two of --height, --risers, --max-riser (the risers)\n"
           "              and/or two of --run, --treads, --max-tread (the treads);\n"
           "              the third is calculated. A bare number counts inches;\n"
           "              a length with its marks is read as the calculator reads\n"
           "              or pastes it (8'10-1/2\", 8' 10 1/2\"); counts are numbers.\n"
           "              Prints the risers line, the treads line and, with both\n"
           "              sides, the stringer line with the angle and 2R+T check:\n"
           "              plumbrule-calc --stair --height \"8'10-1/2\\\"\" \\\n"
           "                --max-riser 7.75 --run 130 --max-tread 10\n"
           "              14 Risers @ 7.61\" = 8'10-1/2\"\n"
           "              13 Treads @ 10.00\" = 10'10\"\n"
           "              Stringer 14'0-1/16\" @ 37.3\u00B0, 2R+T 25.2\": steep\n"
           "\n"
           "Exit status: 0 every expression evaluated (or the stair solved), 1 an\n"
           "expression reported an error (\"Error 13: Invalid input.\") or a stair\n"
           "value was missing or bad (one line on standard error), 2 a bad option,\n"
           "or input that could not be read or output that could not be written.\n";
}

}  // namespace plumbrule::cli
