// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The hook for UI test automation. Qt's AT-SPI bridge publishes accessible
// names, descriptions, roles and positions but not objectName, so with the
// environment variable PLUMBRULE_ACCESSIBLE_IDS=1 every control's accessible
// description becomes its objectName ("lblDisplay", "cmdNum_7", "cmbFormat").
// Without it descriptions are for people: the tooltips.
namespace plumbrule {

// True when PLUMBRULE_ACCESSIBLE_IDS is "1".
bool AccessibleIdsRequested();

// Sets the accessible description of `window` and of every widget inside it
// that has an objectName to that objectName.
void ApplyAccessibleIds(QWidget& window);

}  // namespace plumbrule
