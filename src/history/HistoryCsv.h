// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The tape for a spreadsheet: comma-separated values (RFC 4180), UTF-8, rows
// ending in CR LF. A spreadsheet would read 5'3-1/2" as text, so each line
// also carries its value as plain numbers.
namespace plumbrule {

// The header row, then one row per tape line: the operator ("" for a first
// operand, "+" "-" "*" "/", "=" for a result, "clr" for the clear mark), the
// value as the tape shows it, the same value in decimal inches (at most six
// places, no trailing zeros) and in millimetres (25.4 to the inch, one place).
// A blank line is an empty row; a waiting operator has empty value cells, and
// so has a value the calculator cannot read back.
//   "5'3-1/2\"\r\n+ "  ->
//   "Operator,Shown,Inches,Millimetres\r\n,\"5'3-1/2\"\"\",63.5,1612.9\r\n+,,,\r\n"
std::string CsvBytes(std::string_view tape);

// A field quoted where it holds a comma, a quotation mark or a line break,
// quotation marks doubled:  5'3"  ->  "5'3"""      5  ->  5
std::string CsvField(std::string_view text);

// The inches of a shown value as a plain decimal number:  63.5 -> "63.5",
// 1/3 -> "0.333333", -0 -> "0".
std::string DecimalInches(double inches);
// Millimetres with one place:  63.5 -> "1612.9", 10 -> "254.0".
std::string Millimetres(double inches);

}  // namespace plumbrule
