// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "cli/CalcOptions.h"

// plumbrule-calc --stair: the stair window's solver on the command line.
namespace plumbrule::cli {

struct StairAnswer {
    // The result lines as the window shows them: the risers line, the treads
    // line, and the stringer line when both sides were given.
    std::vector<std::string> lines;
    // Empty when solved; otherwise the one line for standard error, in the
    // window's words where it has them:
    //   "risers (--height, --risers, --max-riser): You must enter values in
    //    two of the three available fields."
    //   "--height \"abc\": Error: 13 - Type mismatch"
    //   "risers: Error: 11 - Division by zero"
    std::string problem;
};

// solveStair({height "8'10-1/2\"", maxRiser "7.75", run "130", maxTread "10"},
//            first-run form)
//   -> {"14 Risers @ 7.61\" = 8'10-1/2\"", "13 Treads @ 10.00\" = 10'10\"",
//       "Stringer 14'0-1/16\" @ 37.3°, 2R+T 25.2\": steep"}
// Each side given is solved as its window side is, risers first: two of its
// three values, the third calculated. A side with one value or all three, or
// no side at all, is a problem, and so is any value that does not read.
StairAnswer solveStair(const StairValues& values, const OutputForm& form);

}  // namespace plumbrule::cli
