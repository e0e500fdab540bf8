// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CalcOptions.h"

#include <algorithm>
#include <iterator>
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

// The tools' boxes as options. Each names its tool and the text member it
// fills; --run is a box of two tools.
// Every box is a text member of its tool's values, as the first one is (so
// the member types are named once, alike for Debian 12's and 13's
// clang-format).
enum class Tool { Stair, Triangle, Area };
using StairBox = decltype(&StairValues::height);
using TriangleBox = decltype(&TriangleValues::rise);
using AreaBox = decltype(&AreaValues::length);
struct ToolOption {
    std::string_view name;
    Tool tool;
    StairBox stair = nullptr;
    TriangleBox triangle = nullptr;
    AreaBox area = nullptr;
};

constexpr ToolOption kToolOptions[] = {
    {"--height", Tool::Stair, &StairValues::height},
    {"--risers", Tool::Stair, &StairValues::risers},
    {"--max-riser", Tool::Stair, &StairValues::maxRiser},
    {"--run", Tool::Stair, &StairValues::run, &TriangleValues::run},
    {"--treads", Tool::Stair, &StairValues::treads},
    {"--max-tread", Tool::Stair, &StairValues::maxTread},
    {"--rise", Tool::Triangle, nullptr, &TriangleValues::rise},
    {"--diagonal", Tool::Triangle, nullptr, &TriangleValues::diagonal},
    {"--pitch", Tool::Triangle, nullptr, &TriangleValues::pitch},
    {"--angle", Tool::Triangle, nullptr, &TriangleValues::angle},
    {"--length", Tool::Area, nullptr, nullptr, &AreaValues::length},
    {"--width", Tool::Area, nullptr, nullptr, &AreaValues::width},
    {"--thickness", Tool::Area, nullptr, nullptr, &AreaValues::thickness},
};

const ToolOption* toolOption(std::string_view name) {
    for (const auto& option : kToolOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// A tool option as given: its value, or none when it was left without one.
struct GivenValue {
    const ToolOption* option;
    std::optional<std::string> value;
};

constexpr std::string_view kToolSwitches[] = {"--stair", "--triangle", "--area"};

// The options that choose a tool, as the usage names them.
std::string_view toolSwitch(Tool tool) {
    return kToolSwitches[static_cast<int>(tool)];
}

// "--run needs --stair or --triangle (see --help)"
std::string needsTool(const ToolOption& option) {
    std::string wanted(toolSwitch(option.tool));
    if (option.triangle && option.tool != Tool::Triangle) wanted += " or --triangle";
    return std::string(option.name) + " needs " + wanted + " (see --help)";
}

// Fills the chosen tool's values; returns the problem, empty when every
// value option belongs to the tool.
template <typename Values, typename Member>
std::string fillValues(const std::vector<GivenValue>& given, Member member, Values& values) {
    for (const GivenValue& item : given) {
        const auto box = item.option->*member;
        if (!box) return needsTool(*item.option);
        if (item.value) {
            values.*box = *item.value;
        } else if (values.problem.empty()) {
            values.problem = std::string(item.option->name) + " needs a value";
        }
    }
    return {};
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
    std::optional<Tool> tool;
    std::vector<GivenValue> given;
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
        if (const auto* chosen = std::ranges::find(kToolSwitches, argument);
            chosen != std::end(kToolSwitches)) {
            const auto next = static_cast<Tool>(chosen - std::begin(kToolSwitches));
            if (tool && *tool != next) {
                return refuse("--stair, --triangle and --area are one at a time (see --help)");
            }
            tool = next;
            continue;
        }

        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const ToolOption* box = toolOption(name);
        if (!box && name != "--style" && name != "--units" && name != "--precision") {
            return refuse("unknown option \"" + std::string(name) + "\" (see --help)");
        }
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else if (!box) {
            return refuse(std::string(name) + " needs a value (see --help)");
        }
        // A tool's value left out is the tool's problem to report.
        if (box) {
            given.push_back({box, value ? std::optional<std::string>(*value) : std::nullopt});
            continue;
        }
        if (std::string problem = applyOption(name, *value, line.form, unitsName);
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
    if (!tool) {
        if (!given.empty()) return refuse(needsTool(*given.front().option));
        return line;
    }
    if (line.hasExpression) {
        return refuse(std::string(toolSwitch(*tool)) + " takes no EXPRESSION (see --help)");
    }
    std::string problem;
    switch (*tool) {
        case Tool::Stair:
            line.action = CommandLine::Action::Stair;
            problem = fillValues(given, &ToolOption::stair, line.stair);
            break;
        case Tool::Triangle:
            line.action = CommandLine::Action::Triangle;
            problem = fillValues(given, &ToolOption::triangle, line.triangle);
            break;
        case Tool::Area:
            line.action = CommandLine::Action::Area;
            problem = fillValues(given, &ToolOption::area, line.area);
            break;
    }
    if (!problem.empty()) return refuse(problem);
    return line;
}

std::string usageText() {
    return "Usage: plumbrule-calc [--style fractional|decimal]\n"
           "                      [--units none|feet-inches|inches|feet|mm|cm|m]\n"
           "                      [--precision 0-8] [EXPRESSION ...]\n"
           "       plumbrule-calc --stair [--height H] [--risers N] [--max-riser R]\n"
           "                      [--run W] [--treads N] [--max-tread T] [options]\n"
           "       plumbrule-calc --triangle [--rise R] [--run W] [--diagonal D]\n"
           "                      [--pitch P] [--angle A] [options]\n"
           "       plumbrule-calc --area --length L --width W [--thickness T] [options]\n"
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
           "  --triangle  solves a right triangle as the Right Triangle tab does: give\n"
           "              two of --rise, --run, --diagonal (lengths), --pitch (inches\n"
           "              of rise in 12 of run) and --angle (degrees): two sides, or\n"
           "              one side with the pitch or the angle. Prints the rise, run,\n"
           "              diagonal, angle and pitch lines:\n"
           "              plumbrule-calc --triangle --rise \"6'\" --run \"8'\"\n"
           "              Rise 6'0\"\n"
           "              Run 8'0\"\n"
           "              Diagonal 10'0\"\n"
           "              Angle 36.9\u00B0\n"
           "              Pitch 9 in 12\n"
           "\n"
           "  --area      the area and perimeter of --length by --width and, with\n"
           "              --thickness, the volume and board feet, as the Area and\n"
           "              Volume tab shows them:\n"
           "              plumbrule-calc --area --length \"12'\" --width \"10'\" \\\n"
           "                --thickness '4\"'\n"
           "              Area 120.00 sq ft = 13.33 sq yd = 11.15 m\u00B2\n"
           "              Perimeter 44'0\"\n"
           "              Volume 40.00 cu ft = 1.48 cu yd = 1.133 m\u00B3\n"
           "              Board feet 480.00\n"
           "\n"
           "Exit status: 0 every expression evaluated (or the stair, triangle or\n"
           "area solved), 1 an expression reported an error (\"Error 13: Invalid\n"
           "input.\") or a tool's value was missing or bad (one line on standard\n"
           "error), 2 a bad option,\n"
           "or input that could not be read or output that could not be written.\n";
}

}  // namespace plumbrule::cli
