// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CalcOptions.h"
#include "cli/StairCommand.h"

// plumbrule-calc --triangle and --area: the tools window's other tabs on the
// command line. The answer is the stair's: result lines, or one problem line
// for standard error in the tab's words.
namespace plumbrule::cli {

// solveTriangleCommand({rise "6'", run "8'"}, first-run form)
//   -> {"Rise 6'0\"", "Run 8'0\"", "Diagonal 10'0\"", "Angle 36.9°", "Pitch 9 in 12"}
// Every line, the given values' too. Problems:
//   "--rise \"abc\": Error: 13 - Type mismatch"
//   "--triangle (--rise, --run, --diagonal, --pitch, --angle): Enter two values: ..."
StairAnswer solveTriangleCommand(const TriangleValues& values, const OutputForm& form);

// solveAreaCommand({length "12'", width "10'", thickness "4\""}, first-run form)
//   -> the tab's four lines, "Area 120.00 sq ft = 13.33 sq yd = 11.15 m²" first.
StairAnswer solveAreaCommand(const AreaValues& values, const OutputForm& form);

}  // namespace plumbrule::cli
