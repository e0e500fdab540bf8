// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The display text as a screen reader should say it. The marks ' and " mean
// little when read out one by one; this spells the length in words while
// keeping the numbers exactly as the display shows them.
namespace plumbrule {

// spokenLength(displayText):
//   "5'3-1/2\""   -> "5 feet 3 and 1/2 inches"
//   "-0'3-1/2\""  -> "minus 3 and 1/2 inches"     (zero feet are not spoken)
//   "1'1\""       -> "1 foot 1 inch"
//   "5'0\""       -> "5 feet"                      (zero inches after feet)
//   "0'0-1/16\""  -> "1/16 inch"
//   "0'0\""       -> "0 inches"
//   "5.2917'"     -> "5.2917 feet"
//   "63-1/2"      -> "63 and 1/2"                  (a bare number stays bare)
// An entry being typed is spoken as far as it goes: "5'3-" -> "5 feet 3 and".
std::string spokenLength(std::string_view displayText);

}  // namespace plumbrule
