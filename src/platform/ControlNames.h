// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace plumbrule {

// Gives each control of `window` the accessible name that says what it does
// (accessibleNameOf in entry/AccessibleNames.h, looked up by the window's and
// the control's objectName): "Feet mark" for the "ft" key, "Digit 7",
// "Overall height". Controls the table does not name keep theirs; the display
// labels keep none, so their name stays their whole text. Descriptions are
// left alone: the tooltips, or the objectNames under PLUMBRULE_ACCESSIBLE_IDS=1.
void ApplyAccessibleNames(QWidget& window);

}  // namespace plumbrule
