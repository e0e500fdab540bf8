// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

// How the main window reads its saved values at start-up and writes them at
// shut-down. Start-up runs in skip mode: a value that does not convert gives
// no result (std::nullopt) and the window keeps what it had, so no saved text
// can stop the program from starting.
namespace plumbrule {

// "Top" / "Left": a single-precision number of twips.
//   ReadSingle("1500") -> 1500   ReadSingle("abc"), ReadSingle(""), ReadSingle("1e400") -> none
std::optional<float> ReadSingle(const std::string& text);

// Shut-down's text of a single-precision number: whole numbers without a
// point, at most 7 significant digits, never in the reader's locale.
//   WriteSingle(1500) -> "1500"   WriteSingle(-22.5f) -> "-22.5"
std::string WriteSingle(float value);

// "ShowOptions": "True" / "False" in any letter case; numeric text is true
// when not zero.   ReadTruth("True") -> true   ReadTruth("0") -> false   ReadTruth("yes") -> none
std::optional<bool> ReadTruth(const std::string& text);

// "True" or "False".
std::string WriteTruth(bool value);

// "Output": "" and "0" are Fractional (0), "1" is Decimal (1); any other text
// falls back to Fractional, so the display always has an output kind.
int ReadOutput(const std::string& text);

// "Format" / "Round": a whole number that is a position of a list of `count`
// entries.   ReadListPosition("2", 4) -> 2   ReadListPosition("99", 9), ReadListPosition("-1", 9)
// -> none
std::optional<int> ReadListPosition(const std::string& text, int count);

// "ListCount": the memory capacity, a whole number of at least 1; absent or
// anything else gives 10.
inline constexpr std::int32_t defaultListCount = 10;
std::int32_t ReadListCount(const SettingsStore::Value& value);

}  // namespace plumbrule
