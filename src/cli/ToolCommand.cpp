// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ToolCommand.h"

#include "tools/ToolTable.h"

namespace plumbrule::cli {

ToolCommandAnswer solveToolCommand(const ToolValues& values, const OutputForm& form) {
    if (!values.problem.empty()) return {{}, values.problem};
    const ToolRow& row = toolTable()[static_cast<std::size_t>(values.tool)];
    std::vector<std::string> texts;
    for (std::size_t box = 0; box < row.boxes.size(); ++box) {
        const auto& value = values.values[box];
        // An option given empty ("--height=") has no value either.
        if (value && value->empty())
            return {{}, std::string(row.boxes[box].option) + " needs a value"};
        texts.push_back(value.value_or(""));
    }
    DisplayOptions plain = form.display;
    plain.units = DisplayOptions::Units::None;
    const ToolAnswer answer =
        row.solve(texts,
                  {[&form](double inches) { return writeLength(inches, form); },
                   [&plain](double number) { return DisplayValue(number, plain); }},
                  true);
    if (answer.error == 0) return {answer.lines, {}};

    const std::string message = row.message(answer.error).text;
    if (answer.box >= 0) {
        const auto box = static_cast<std::size_t>(answer.box);
        return {{}, std::string(row.boxes[box].option) + " \"" + texts[box] + "\": " + message};
    }
    if (!answer.context.empty()) return {{}, answer.context + ": " + message};
    std::string options;
    for (const ToolBox& box : row.boxes) {
        options += (options.empty() ? "" : ", ") + std::string(box.option);
    }
    return {{}, std::string(row.option) + " (" + options + "): " + message};
}

}  // namespace plumbrule::cli
