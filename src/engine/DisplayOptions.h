// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace plumbrule {

// The output form the display uses, mirrored from the options panel.
struct DisplayOptions {
    enum class Style { Fractional, Decimal };
    enum class Units { None, FeetAndInches, Feet, Inches };

    Style style = Style::Fractional;
    Units units = Units::FeetAndInches;
    // Fractional: round to 1/2^precision inch. Decimal: precision places. 0..8.
    int precision = 4;

    friend bool operator==(const DisplayOptions&, const DisplayOptions&) = default;
};

}  // namespace plumbrule
