// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The value the display shows, written in the other forms people ask for:
// the display's tooltip lists them and the display's right-click menu copies
// them. Each is computed from the value the display text reads as, so a
// readout agrees with what the user sees, not with digits kept out of sight.
namespace plumbrule {

enum class ReadoutKind { FeetAndInches, DecimalInches, DecimalFeet, Millimetres };

struct Readout {
    ReadoutKind kind;
    std::string label;  // "Feet and inches", "Inches", "Feet", "Millimetres"
    std::string text;   // what is copied: "5'3-1/2\"", "63.5\"", "5.2917'", "1612.9 mm"

    friend bool operator==(const Readout&, const Readout&) = default;
};

// readoutsOf("5'3-1/2\"") ->
//   Feet and inches  5'3-1/2"    (fractional, to the nearest 1/16 inch)
//   Inches           63.5"       (decimal, four places, trailing zeros dropped)
//   Feet             5.2917'     (decimal, four places)
//   Millimetres      1612.9 mm   (25.4 mm per inch exactly, one place)
// A display text that does not read as a length (an entry being typed, such
// as "5'3-") gives no readouts. A form that cannot be written for a very
// large value is left out.
std::vector<Readout> readoutsOf(std::string_view displayText);

// The tooltip of the display: one line per readout, "Label: text", or the
// empty text when there are none.
//   readoutTooltip("5'") -> "Feet and inches: 5'0\"\nInches: 60\"\nFeet: 5'\nMillimetres: 1524 mm"
std::string readoutTooltip(std::string_view displayText);

}  // namespace plumbrule
