// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/StairCommand.h"

#include <array>
#include <optional>

#include "engine/RuntimeError.h"
#include "stair/StairCalculator.h"

namespace plumbrule::cli {
namespace {

// One side of the window as options, its boxes in the window's order: the
// step, the count, the overall dimension.
struct Side {
    bool risers;
    const char* name;
    std::array<const char*, 3> options;
    std::array<const std::optional<std::string>*, 3> values;

    int given() const {
        int count = 0;
        for (const auto* value : values) count += value->has_value() ? 1 : 0;
        return count;
    }
    // "--height, --risers, --max-riser", as the usage lists them.
    std::string optionList() const {
        return std::string(options[2]) + ", " + options[1] + ", " + options[0];
    }
    std::string described() const { return std::string(name) + " (" + optionList() + ")"; }
};

const char kTwoOfThree[] = "You must enter values in two of the three available fields.";

// The first value that does not read as its box reads it, in the window's
// words for the error.
std::string firstUnreadable(const Side& side) {
    for (std::size_t box = 0; box < 3; ++box) {
        const std::optional<std::string>& value = *side.values[box];
        if (!value) continue;
        if (value->empty()) return std::string(side.options[box]) + " needs a value";
        try {
            if (box == 1) {
                readCountBox(*value);
            } else {
                readLengthBox(*value);
            }
        } catch (const RuntimeError& error) {
            return std::string(side.options[box]) + " \"" + *value +
                   "\": " + stairErrorMessage(error.number());
        }
    }
    return {};
}

}  // namespace

StairAnswer solveStair(const StairValues& values, const OutputForm& form) {
    if (!values.problem.empty()) return {{}, values.problem};
    const std::array sides{
        Side{true,
             "risers",
             {"--max-riser", "--risers", "--height"},
             {&values.maxRiser, &values.risers, &values.height}},
        Side{false,
             "treads",
             {"--max-tread", "--treads", "--run"},
             {&values.maxTread, &values.treads, &values.run}},
    };
    if (sides[0].given() == 0 && sides[1].given() == 0) {
        return {{},
                "--stair (" + sides[0].optionList() + " or " + sides[1].optionList() +
                    "): " + kTwoOfThree};
    }
    for (const Side& side : sides) {
        if (side.given() == 1) return {{}, side.described() + ": " + kTwoOfThree};
        if (side.given() == 3) {
            return {{}, side.described() + ": give two of the three; the third is calculated"};
        }
        if (std::string problem = firstUnreadable(side); !problem.empty()) return {{}, problem};
    }

    StairCalculator stair;
    const LengthWriter write = [&form](double inches) { return writeLength(inches, form); };
    StairAnswer answer;
    for (const Side& side : sides) {
        if (side.given() == 0) continue;
        StairForm& boxes = stair.form();
        boxes.risersChosen = side.risers;
        auto& texts = side.risers ? boxes.Text1 : boxes.Text2;
        for (std::size_t box = 0; box < 3; ++box) texts[box] = side.values[box]->value_or("");
        if (const int error = stair.cmdCalculate_Click(write); error != 0) {
            return {{}, std::string(side.name) + ": " + stairMessage(error).text};
        }
        answer.lines.push_back(side.risers ? boxes.lblRiser : boxes.lblTread);
    }
    if (!stair.form().lblStringer.empty()) answer.lines.push_back(stair.form().lblStringer);
    return answer;
}

}  // namespace plumbrule::cli
