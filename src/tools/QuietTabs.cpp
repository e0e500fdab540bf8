// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/QuietTabs.h"

#include <QAccessible>
#include <QTabWidget>

namespace plumbrule {

namespace {

void dropReport(QAccessibleEvent* /*event*/) {}

// The handler in place before, whatever happens while the tabs are added.
class ReportsHeld {
  public:
    ReportsHeld() : previous_(QAccessible::installUpdateHandler(&dropReport)) {}
    ~ReportsHeld() { QAccessible::installUpdateHandler(previous_); }
    ReportsHeld(const ReportsHeld&) = delete;
    ReportsHeld& operator=(const ReportsHeld&) = delete;

  private:
    QAccessible::UpdateHandler previous_;
};

}  // namespace

void AddTabsUnreported(QTabWidget& tabs, const std::vector<std::pair<QWidget*, QString>>& pages) {
    Q_ASSERT(!tabs.window()->isVisible());
    const ReportsHeld held;
    for (const auto& [page, title] : pages) tabs.addTab(page, title);
}

}  // namespace plumbrule
