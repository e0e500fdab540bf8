// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CalcOptions.h"

#include <algorithm>
#include <string_view>

#include "tools/ToolTable.h"

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

// The tools whose rows have a box for `option`, as their switches.
std::vector<std::string_view> toolsWith(std::string_view option) {
    std::vector<std::string_view> switches;
    for (const ToolRow& row : toolTable()) {
        for (const ToolBox& box : row.boxes) {
            if (box.option == option) switches.push_back(row.option);
        }
    }
    return switches;
}

// "--a", "--a or --b", "--a, --b or --c"
std::string alternatives(const std::vector<std::string_view>& words, const char* last) {
    std::string joined;
    for (std::size_t index = 0; index < words.size(); ++index) {
        if (index > 0) joined += index + 1 == words.size() ? last : ", ";
        joined += words[index];
    }
    return joined;
}

// "--run needs --stair or --triangle (see --help)"
std::string needsTool(std::string_view option) {
    return std::string(option) + " needs " + alternatives(toolsWith(option), " or ") +
           " (see --help)";
}

// A tool option as given: its value, or none when it was left without one.
struct GivenValue {
    std::string_view option;
    std::optional<std::string> value;
};

// The chosen tool's values; returns the problem, empty when every value
// option belongs to the tool.
std::string fillValues(const std::vector<GivenValue>& given, ToolValues& values) {
    const ToolRow& row = toolTable()[static_cast<std::size_t>(values.tool)];
    values.values.assign(row.boxes.size(), std::nullopt);
    for (const GivenValue& item : given) {
        const auto box = std::ranges::find(row.boxes, item.option, &ToolBox::option);
        if (box == row.boxes.end()) return needsTool(item.option);
        if (item.value) {
            values.values[static_cast<std::size_t>(box - row.boxes.begin())] = *item.value;
        } else if (values.problem.empty()) {
            values.problem = std::string(item.option) + " needs a value";
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
    int tool = -1;
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
        if (const int chosen = toolIndex(argument); chosen >= 0) {
            if (tool >= 0 && tool != chosen) {
                std::vector<std::string_view> switches;
                for (const ToolRow& row : toolTable()) switches.push_back(row.option);
                return refuse(alternatives(switches, " and ") + " are one at a time (see --help)");
            }
            tool = chosen;
            continue;
        }

        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const bool box = !toolsWith(name).empty();
        if (!box && name != "--style" && name != "--units" && name != "--precision") {
            return refuse("unknown option \"" + std::string(name) + "\" (see --help)");
        }
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size() && !(box && arguments[i + 1].starts_with("--"))) {
            // A tool's value is never the next option: "--height --risers 3"
            // leaves the height without one.
            value = arguments[++i];
        } else if (!box) {
            return refuse(std::string(name) + " needs a value (see --help)");
        }
        // A tool's value left out is the tool's problem to report.
        if (box) {
            given.push_back({name, value ? std::optional<std::string>(*value) : std::nullopt});
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
    if (tool < 0) {
        if (!given.empty()) return refuse(needsTool(given.front().option));
        return line;
    }
    const ToolRow& row = toolTable()[static_cast<std::size_t>(tool)];
    if (line.hasExpression) {
        return refuse(std::string(row.option) + " takes no EXPRESSION (see --help)");
    }
    line.action = CommandLine::Action::Tool;
    line.tool.tool = tool;
    if (std::string problem = fillValues(given, line.tool); !problem.empty())
        return refuse(problem);
    return line;
}

// A text's lines, each but the first after `indent`.
std::string indented(std::string_view text, std::string_view indent) {
    std::string out;
    for (const char c : text) {
        out += c;
        if (c == '\n') out += indent;
    }
    return out;
}

std::string usageText() {
    std::string usage =
        "Usage: plumbrule-calc [--style fractional|decimal]\n"
        "                      [--units none|feet-inches|inches|feet|mm|cm|m]\n"
        "                      [--precision 0-8] [EXPRESSION ...]\n";
    for (const ToolRow& row : toolTable()) {
        usage += "       plumbrule-calc " + indented(row.usage, std::string(22, ' ')) + "\n";
    }
    usage +=
        "\n"
        "Evaluates dimension arithmetic strictly left to right, as the Plumbrule\n"
        "calculator does, and prints the result as the display would show it.\n"
        "\n"
        "  EXPRESSION  operands and the operators + - * / separated by spaces,\n"
        "              e.g.  5'3-1/2\" + 0-3/8 \\* 2   (quote marks for the shell)\n"
        "              An operand with mm, cm or m is a metric length (25.4 mm\n"
        "              to the inch), e.g.  \"2400mm + 1'\"  gives 8'10-1/2\"\n"
        "              Without EXPRESSION, each line of standard input is one\n"
        "              expression and gives one line of output.\n"
        "  --style     fractional (default) or decimal\n"
        "  --units     feet-inches (default), none, inches; feet, mm, cm and m\n"
        "              only with --style decimal\n"
        "  --precision fractional: nearest 1/2^k inch (default 4, 1/16 inch);\n"
        "              decimal: k decimal places\n";
    for (const ToolRow& row : toolTable()) {
        std::string name(row.option);
        name.resize(std::max<std::size_t>(name.size() + 1, 12), ' ');
        usage += "\n  " + name + indented(row.help, std::string(14, ' ')) + "\n";
    }
    usage +=
        "\n"
        "Exit status: 0 every expression evaluated (or the tool solved), 1 an\n"
        "expression reported an error (\"Error 13: Invalid input.\") or a tool's\n"
        "value was missing or bad (one line on standard error), 2 a bad option,\n"
        "or input that could not be read or output that could not be written.\n";
    return usage;
}

}  // namespace plumbrule::cli
