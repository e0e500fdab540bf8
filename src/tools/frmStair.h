// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

#include "engine/DisplayOptions.h"
#include "entry/TapeRecorder.h"
#include "platform/QtMessageDialog.h"
#include "stair/StairCalculator.h"

class QTabWidget;

namespace plumbrule {

class StairPage;

// The tools window: one tab along its top (tabTools) for each row of the
// tools' table, in its order ("Stairs", "Right Triangle", "Area and
// Volume", ...); its caption follows the tab ("Stair Calculator" with the
// Stairs tab forward). Ctrl+Tab and Ctrl+PageDown switch tabs. The window is
// the stair window of old grown by the tab bar only: every tab is the stair
// tab's size. Every tab is a ToolPage built from its row, but the Stairs tab
// (a StairPage) and the Spacing tab (a SpacingPage), which need more.
class frmStair : public QWidget {
    Q_OBJECT
  public:
    // Results a tab sends to the history tape go to `tape` (none: the tab
    // offers nothing to send).
    frmStair(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
             QWidget* parent = nullptr, TapeRecorder* tape = nullptr);

    const StairCalculator& calculator() const;

    // The tab forward, as the index of its row in the tools' table.
    int currentTool() const;
    void showTool(int tool);

    void optStair_Click(int index);
    void cmdCalculate_Click();
    void Command1_Click();

  protected:
    // Ctrl+PageDown and Ctrl+PageUp switch tabs, as Ctrl+Tab and
    // Ctrl+Shift+Tab do, from any control that leaves the keys alone.
    void keyPressEvent(QKeyEvent* event) override;

  Q_SIGNALS:
    // The user brought another tab forward.
    void toolChosen(int tool);

  private:
    void tabTools_Change(int tool);
    void Form_Load();

    MessageDialogOver messages_;  // boxes appear over this window
    QTabWidget* tabTools_ = nullptr;
    StairPage* stairs_ = nullptr;
};

}  // namespace plumbrule
