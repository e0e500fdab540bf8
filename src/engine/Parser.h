// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// Reads a dimension text into inches. A position-based splitter: it finds the
// first occurrence of each mark and cuts the text by those positions.
namespace plumbrule {

enum InputType { itFractional = 0, itDecimal = 1 };

// DetType("5'3-1/2\"") -> itFractional (holds a "/");  DetType("5'6") -> itDecimal
InputType DetType(std::string_view text);

// ConvertInput(text, DetType(text)) -> inches. The empty text gives 0; a type
// other than itFractional/itDecimal gives 0. Throws RuntimeError 100, 13, 11,
// 6 or 5 for texts that are not lengths.
//   ConvertInput("5'3-1/2\"", itFractional) -> 63.5
//   ConvertInput("3-", itDecimal) throws 100
double ConvertInput(std::string_view text, int type);

// TryConvertInput(text): ConvertInput(text, DetType(text)) for a text that may
// well not be a length, such as a paste or the display shown to a reader:
// none where that throws a numbered error.
//   TryConvertInput("5'3-1/2\"") -> 63.5   TryConvertInput("3-") -> none
std::optional<double> TryConvertInput(std::string_view text);

double ConvertFractional(std::string_view text);
double ConvertDecimal(std::string_view text);

}  // namespace plumbrule
