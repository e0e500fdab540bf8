// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// Reads a metric length, a number written with its unit, into inches at
// exactly 25.4 mm to the inch. A metric length is always written with its
// unit: a number without one is inches wherever it is typed, and the keypad
// and the display never read metric.
namespace plumbrule {

enum class MetricText {
    NoUnit,     // no metric unit at the end: not for this reader
    Malformed,  // ends in a metric unit, yet is no metric length
    Length,     // a metric length, in MetricReading::inches
};

struct MetricReading {
    MetricText kind = MetricText::NoUnit;
    double inches = 0;  // for a Length only
};

// readMetric(text): a length box's text or an operand read as metric. With
// spaces and tabs around trimmed, a metric length is
//   an optional minus right before the number ("-2400mm"; no plus),
//   digits with at most one point, digits may be missing on one side
//   ("2.", ".5"), no fraction, no exponent, no feet or inch mark,
//   any blanks or none,
//   one unit, mm, cm or m, in any letter case ("2400MM", "2.4 M", "240cM").
// The unit is the run of letters that ends the text. A run that is not made
// of metric units ("km", "ft", "in") means NoUnit; a run of two or more units
// ("mmm") or a text before the unit that is not such a number means Malformed.
//   readMetric("2400 mm")  -> Length, 94.4881889763780 (2400 / 25.4)
//   readMetric("1 m")      -> Length, 39.3700787401575, shown 3'3-3/8"
//   readMetric("2500mm")   -> Length, 98.4251968503937, shown 8'2-7/16"
//   readMetric("1000 CM")  -> Length, 393.700787401575, shown 32'9-11/16"
//   readMetric("5m")       -> Length, 196.850393700787: metres, never minutes
//   readMetric("2.4.5 m"), readMetric("mm"), readMetric("3-1/2 mm"),
//   readMetric("5 mm mm"), readMetric("5mmm"), readMetric("5'3\" m")
//                          -> Malformed
//   readMetric("5 km"), readMetric("5"), readMetric("5'3\""), readMetric("")
//                          -> NoUnit
// A caller reports Malformed as the same error as any unreadable length,
// RuntimeError(errTypeMismatch), and leaves a NoUnit text to its own reading
// of lengths (which finds "5 km" unreadable too). Never throws: a number
// beyond the double range reads as an infinite length, which the caller
// reports as an overflow (error 6), as for any length too large.
// The inches are the number in tenths of a millimetre (its decimal point
// moved, not multiplied in floating point) divided by 254, so a whole number
// of tenths gives the correctly rounded inches.
MetricReading readMetric(std::string_view text);

// readMetricLength(text): the inches of a metric length, none for anything
// else (Malformed and NoUnit alike).
//   readMetricLength("2.4m") -> 94.4881889763780   readMetricLength("5") -> none
std::optional<double> readMetricLength(std::string_view text);

// isMetricUnit(word): the word is one metric unit, mm, cm or m, in any
// letter case: what may follow a number as a word of its own ("2400 mm").
//   isMetricUnit("MM") -> true   isMetricUnit("km") -> false
bool isMetricUnit(std::string_view word);

}  // namespace plumbrule
