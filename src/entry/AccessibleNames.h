// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// What each control does, in words a screen reader speaks: the captions of
// the keypad ("ft", ">", "CE", "-/+") say little when read aloud.
namespace plumbrule {

// accessibleNameOf(windowObjectName, controlObjectName):
//   ("frmMain", "cmdFeet")    -> "Feet mark"
//   ("frmMain", "cmdNum_7")   -> "Digit 7"
//   ("frmStair", "Text1_2")   -> "Overall height"
//   ("frmHistory", "Text1")   -> "History tape"
// Nothing for a control without a name of its own: the display labels
// (lblDisplay, lblRiser, lblTread, lblStringer, and the tools window's
// lblTriangle_0..2 and lblArea_0..3), whose accessible name is always their
// whole text; the operator indicator Picture1, named after the pending
// operation by the window; and controls this table does not know.
std::optional<std::string> accessibleNameOf(std::string_view window, std::string_view control);

}  // namespace plumbrule
