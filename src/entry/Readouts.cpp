// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Readouts.h"

#include <cmath>
#include <optional>

#include "engine/DisplayOptions.h"
#include "engine/Formatter.h"
#include "engine/NumberText.h"
#include "engine/Parser.h"
#include "engine/RuntimeError.h"

namespace plumbrule {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr int kDecimalPlaces = 4;

std::optional<double> valueOf(std::string_view displayText) {
    const auto inches = TryConvertInput(displayText);
    if (!inches || !std::isfinite(*inches)) return std::nullopt;
    return inches;
}

// One readout; a form the formatter cannot write for this value is left out.
template <typename Write>
void add(std::vector<Readout>& readouts, ReadoutKind kind, const char* label, Write write) {
    try {
        readouts.push_back({kind, label, write()});
    } catch (const RuntimeError&) {
    }
}

}  // namespace

std::vector<Readout> readoutsOf(std::string_view displayText) {
    const auto value = valueOf(displayText);
    if (!value) return {};
    const double v = *value;
    using Style = DisplayOptions::Style;
    using Units = DisplayOptions::Units;

    std::vector<Readout> readouts;
    const auto shown = [v](DisplayOptions options) { return DisplayValue(v, options); };
    const auto feetAndInches = [&] { return shown({Style::Fractional, Units::FeetAndInches, 4}); };
    // The decimal "Inches" form shows one place fewer than asked for, so the
    // bare number is written and given its inch mark here.
    const auto inches = [&] { return shown({Style::Decimal, Units::None, kDecimalPlaces}) + "\""; };
    const auto feet = [&] { return shown({Style::Decimal, Units::Feet, kDecimalPlaces}); };
    add(readouts, ReadoutKind::FeetAndInches, "Feet and inches", feetAndInches);
    add(readouts, ReadoutKind::DecimalInches, "Inches", inches);
    add(readouts, ReadoutKind::DecimalFeet, "Feet", feet);
    add(readouts, ReadoutKind::Millimetres, "Millimetres",
        [v] { return text(roundEven(v * kMillimetresPerInch, 1)) + " mm"; });
    return readouts;
}

std::string readoutTooltip(std::string_view displayText) {
    std::string tip;
    for (const Readout& readout : readoutsOf(displayText)) {
        if (!tip.empty()) tip += "\n";
        tip += readout.label + ": " + readout.text;
    }
    return tip;
}

}  // namespace plumbrule
