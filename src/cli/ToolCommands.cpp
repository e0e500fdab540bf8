// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ToolCommands.h"

#include <optional>
#include <string>
#include <vector>

#include "area/AreaSolver.h"
#include "engine/NumberText.h"
#include "engine/RuntimeError.h"
#include "triangle/TriangleSolver.h"

namespace plumbrule::cli {
namespace {

// One option as given, and how its box reads it.
struct Given {
    const char* option;
    const std::optional<std::string>& value;
    bool length;  // a length box; otherwise a plain number
};

// The first given value that is empty or does not read, in the tab's words.
std::string firstUnreadable(const std::vector<Given>& given) {
    for (const Given& item : given) {
        if (!item.value) continue;
        if (item.value->empty()) return std::string(item.option) + " needs a value";
        try {
            if (item.length) {
                readLengthBox(*item.value);
            } else {
                number(*item.value);
            }
        } catch (const RuntimeError& error) {
            return std::string(item.option) + " \"" + *item.value +
                   "\": " + stairErrorMessage(error.number());
        }
    }
    return {};
}

}  // namespace

StairAnswer solveTriangleCommand(const TriangleValues& values, const OutputForm& form) {
    if (!values.problem.empty()) return {{}, values.problem};
    const std::vector<Given> given{{"--rise", values.rise, true},
                                   {"--run", values.run, true},
                                   {"--diagonal", values.diagonal, true},
                                   {"--pitch", values.pitch, false},
                                   {"--angle", values.angle, false}};
    if (std::string problem = firstUnreadable(given); !problem.empty()) return {{}, problem};
    DisplayOptions pitchForm = form.display;
    pitchForm.units = DisplayOptions::Units::None;
    const TriangleAnswer answer = solveTriangle(
        {values.rise.value_or(""), values.run.value_or(""), values.diagonal.value_or(""),
         values.pitch.value_or(""), values.angle.value_or("")},
        [&form](double inches) { return writeLength(inches, form); },
        [&pitchForm](double pitch) { return DisplayValue(pitch, pitchForm); }, true);
    if (answer.error != 0) {
        return {{},
                "--triangle (--rise, --run, --diagonal, --pitch, --angle): " +
                    triangleMessage(answer.error).text};
    }
    return {answer.lines, {}};
}

StairAnswer solveAreaCommand(const AreaValues& values, const OutputForm& form) {
    if (!values.problem.empty()) return {{}, values.problem};
    const std::vector<Given> given{{"--length", values.length, true},
                                   {"--width", values.width, true},
                                   {"--thickness", values.thickness, true}};
    if (std::string problem = firstUnreadable(given); !problem.empty()) return {{}, problem};
    const AreaAnswer answer = solveArea(
        {values.length.value_or(""), values.width.value_or(""), values.thickness.value_or("")},
        [&form](double inches) { return writeLength(inches, form); });
    if (answer.error != 0) {
        return {{}, "--area (--length, --width, --thickness): " + areaMessage(answer.error).text};
    }
    return {answer.lines, {}};
}

}  // namespace plumbrule::cli
