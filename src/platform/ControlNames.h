// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace plumbrule {

// The accessible name of a control, looked up by the window's and the
// control's objectName; nothing for a control that keeps its own.
using AccessibleNameTable = std::optional<std::string> (*)(std::string_view window,
                                                           std::string_view control);

// Gives each control of `window` the accessible name that says what it does,
// as the caller's table has it (the windows pass accessibleNameOf of
// entry/AccessibleNames.h): "Feet mark" for the "ft" key, "Digit 7",
// "Overall height". Controls the table does not name keep theirs; the display
// labels keep none, so their name stays their whole text. Descriptions are
// left alone: the tooltips, or the objectNames under PLUMBRULE_ACCESSIBLE_IDS=1.
void ApplyAccessibleNames(QWidget& window, AccessibleNameTable accessibleNameOf);

}  // namespace plumbrule
