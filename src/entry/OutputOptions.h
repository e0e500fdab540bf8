// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "engine/DisplayOptions.h"

// The output options panel as plain state: the chosen output kind, the
// entries of its two lists and their selected positions, and how a change of
// kind carries the selections over. The window copies this state into its
// option buttons and lists; it decides nothing itself.
namespace plumbrule {

// Index of the option buttons optOutput_0 / optOutput_1.
enum OutputKind : int { okNone = -1, okFractional = 0, okDecimal = 1 };

// Position of "Feet and Inches" in cmbFormat, and the rounding position
// chosen when cmbRound had none ("1/16 Inch" or "0.0001").
inline constexpr int defaultFormatPosition = 1;
inline constexpr int defaultRoundPosition = 4;

struct OptionsPanelState {
    int output = okNone;                  // no kind chosen before start-up chooses one
    std::vector<std::string> formatList;  // entries of cmbFormat
    std::vector<std::string> roundList;   // entries of cmbRound
    int formatPos = -1;                   // selected position, -1 when none
    int roundPos = -1;

    friend bool operator==(const OptionsPanelState&, const OptionsPanelState&) = default;
};

// FormatEntries(okFractional) -> {"None", "Feet and Inches", "Inches"}
// FormatEntries(okDecimal)    -> {"None", "Feet and Inches", "Feet", "Inches"}
std::vector<std::string> FormatEntries(int output);

// RoundEntries(okFractional) -> {"1 Inch", "1/2 Inch", ... "1/256 Inch"}
// RoundEntries(okDecimal)    -> {"1", "0.1", "0.01", "0.001", "0.0001", "1E-05", ... "1E-08"}
// (the decimal entries are the general number texts of the powers of ten).
std::vector<std::string> RoundEntries(int output);

// The position cmbFormat selects after a change of kind, from the position q
// selected before: "Inches" stays "Inches", "Feet" becomes "Feet and
// Inches", every other entry keeps its position, none selected gives 1.
//   CarriedFormatPosition(2, okDecimal) -> 3     CarriedFormatPosition(2, okFractional) -> 1
int CarriedFormatPosition(int q, int newOutput);

// optOutput_Click(index): the kind `index` was chosen. Refills both lists and
// carries the selections: cmbRound keeps its position number (1/16 Inch
// becomes 0.0001), cmbFormat maps by meaning as above. Choosing the kind that
// is already chosen changes nothing and returns false; otherwise true (the
// window then re-evaluates the display once).
bool optOutput_Click(OptionsPanelState& panel, int index);

// The DisplayOptions the panel stands for. Fields the panel cannot give (no
// kind chosen, no selection) keep the value they have in `current`.
//   {okDecimal, formatPos 2, roundPos 3} -> {Decimal, Feet, 3}
DisplayOptions ToDisplayOptions(const OptionsPanelState& panel, DisplayOptions current);

}  // namespace plumbrule
