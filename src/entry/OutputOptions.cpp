// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/OutputOptions.h"

#include "engine/NumberText.h"

namespace plumbrule {

std::vector<std::string> FormatEntries(int output) {
    if (output == okDecimal) return {"None", "Feet and Inches", "Feet", "Inches"};
    return {"None", "Feet and Inches", "Inches"};
}

std::vector<std::string> RoundEntries(int output) {
    std::vector<std::string> entries;
    if (output == okDecimal) {
        entries.emplace_back("1");
        // Each value passes through its text, so every entry stays a plain
        // power of ten without accumulated rounding digits.
        double v = 0.1;
        while (entries.size() < 9) {
            const std::string t = text(v);
            if (number(t) == 0.000000001) break;
            entries.push_back(t);
            v = number(t) * 0.1;
        }
        return entries;
    }
    entries.emplace_back("1 Inch");
    for (int n = 2; n != 512; n *= 2) entries.push_back("1/" + std::to_string(n) + " Inch");
    return entries;
}

int CarriedFormatPosition(int q, int newOutput) {
    if (q == -1) return defaultFormatPosition;
    if (newOutput == okDecimal) return q == 2 ? 3 : q;
    if (q == 3) return 2;                      // "Inches" stays "Inches"
    if (q == 2) return defaultFormatPosition;  // "Feet" has no fractional entry
    return q;
}

bool optOutput_Click(OptionsPanelState& panel, int index) {
    if (index != okFractional && index != okDecimal) return false;
    if (panel.output == index) return false;
    panel.output = index;

    const int notedRound = panel.roundPos;
    panel.roundList = RoundEntries(index);
    panel.roundPos = notedRound == -1 ? defaultRoundPosition : notedRound;

    const int notedFormat = panel.formatPos;
    panel.formatList = FormatEntries(index);
    panel.formatPos = CarriedFormatPosition(notedFormat, index);
    return true;
}

DisplayOptions ToDisplayOptions(const OptionsPanelState& panel, DisplayOptions current) {
    using Units = DisplayOptions::Units;
    if (panel.output == okNone) return current;
    const bool decimal = panel.output == okDecimal;
    current.style = decimal ? DisplayOptions::Style::Decimal : DisplayOptions::Style::Fractional;

    static constexpr Units fractionalUnits[] = {Units::None, Units::FeetAndInches, Units::Inches};
    static constexpr Units decimalUnits[] = {Units::None, Units::FeetAndInches, Units::Feet,
                                             Units::Inches};
    const int formatCount = decimal ? 4 : 3;
    if (panel.formatPos >= 0 && panel.formatPos < formatCount) {
        current.units = decimal ? decimalUnits[panel.formatPos] : fractionalUnits[panel.formatPos];
    }
    if (panel.roundPos >= 0 && panel.roundPos <= 8) current.precision = panel.roundPos;
    return current;
}

}  // namespace plumbrule
