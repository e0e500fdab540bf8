// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <utility>
#include <vector>

class QTabWidget;
class QWidget;

namespace plumbrule {

// Adds `pages` with their titles to `tabs`, a tab widget of a window not yet
// shown, without telling a screen reader.
//
// Workaround: a QTabBar reports its first tab as selected as the tab is added,
// even in a window that has never been shown (Qt 6.4 and 6.8 alike). Orca 48
// handles selections after focus changes, so it takes that report, late, for
// a move of the focus: opening the window, it says "Stairs page tab." instead
// of the box the window opens in, and at times not even the window. No screen
// reader knows the controls of a window never shown, so nothing is lost by
// holding its reports back while the tabs are added; a tab chosen later is
// reported as always. It can go once Qt stops reporting from hidden windows.
void AddTabsUnreported(QTabWidget& tabs, const std::vector<std::pair<QWidget*, QString>>& pages);

}  // namespace plumbrule
