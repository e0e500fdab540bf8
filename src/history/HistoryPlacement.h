// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "platform/SettingsStore.h"

// The history window's geometry rules, in twips (15 twips = 1 pixel at 96 dpi).
namespace plumbrule {

// "HistTop" / "HistLeft" as read back: a whole number of twips in
// -32768..32767, a fractional text rounded half to even. Anything else (absent,
// empty, not a number, out of range) gives nothing, and the window keeps its
// default placement for that coordinate.
//   "1500" -> 1500   "1500.5" -> 1500   "40000" -> none   "abc" -> none
std::optional<int> ReadHistoryCoordinate(const SettingsStore::Value& value);

// The text saved for a coordinate: its decimal text.   1500 -> "1500"
std::string HistoryCoordinateText(int twips);

struct TextBoxSize {
    int width = 0;
    int height = 0;
};

// The designed window frame around the client area below the menu bar: the
// borders (120 twips across) and the caption, menu bar and borders (705 twips
// down). A client area plus this frame is the W x H of the resize rule, which
// then leaves Text1 a 45-twip margin on every side.
constexpr int designedFrameWidthTwips = 120;
constexpr int designedFrameHeightTwips = 705;

// Form_Resize: Text1 fills the window but for a margin. With W x H the
// window's outer size: width W - 210, height H - 795, or 0 for a window lower
// than 795.   (3525, 5595) -> (3315, 4800)   (3525, 700) -> (3315, 0)
TextBoxSize HistoryTextBoxSize(int outerWidth, int outerHeight);

}  // namespace plumbrule
