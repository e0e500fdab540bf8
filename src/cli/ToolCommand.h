// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "cli/CalcOptions.h"

// plumbrule-calc --stair, --triangle, ...: a tool of the tools window on the
// command line, solved by its row's solver.
namespace plumbrule::cli {

struct ToolCommandAnswer {
    // The result lines as the tool's tab shows them (with every line the
    // command line asks of it).
    std::vector<std::string> lines;
    // Empty when solved; otherwise the one line for standard error, in the
    // tab's words:
    //   "--height \"abc\": Error: 13 - Type mismatch"          (a box that does not read)
    //   "--triangle (--rise, --run, --diagonal, --pitch, --angle): Enter two values: ..."
    //   "risers (--height, --risers, --max-riser): You must enter values in
    //    two of the three available fields."                   (the stair's side)
    //   "--height needs a value"
    std::string problem;
};

// solveToolCommand({the triangle, rise "6'", run "8'"}, first-run form)
//   -> {"Rise 6'0\"", "Run 8'0\"", "Diagonal 10'0\"", "Angle 36.9°", "Pitch 9 in 12"}
ToolCommandAnswer solveToolCommand(const ToolValues& values, const OutputForm& form);

}  // namespace plumbrule::cli
