// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "engine/DisplayOptions.h"
#include "platform/QtMessageDialog.h"
#include "stair/StairCalculator.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace plumbrule {

// The tools window, three tabs along its top (tabTools): "Stairs",
// "Right Triangle" (TrianglePage) and "Area and Volume" (AreaPage); its
// caption follows the tab: "Stair Calculator", "Right Triangle", "Area and
// Volume". Ctrl+Tab and Ctrl+PageDown switch tabs. The window is the stair
// window of old grown by the tab bar only.
//
// The Stairs tab (pageStairs), as the stair window always was: two sides of three boxes
// (risers: Text1_0..Text1_2, treads: Text2_0..Text2_2) on a drawing of the
// flight, the side chosen with optStair_0 "Risers" / optStair_1 "Treads",
// cmdCalculate "Claculate", Command1 "Close" and the result labels lblRiser,
// lblTread and lblStringer (the whole flight, once both sides have a result).
// The solving is StairCalculator's; the window only copies the boxes in and
// the results out. The overall dimension in the result is
// written in the output form `currentOptions` gives at the time of the click
// (the main window's options).
class frmStair : public QWidget {
    Q_OBJECT
  public:
    frmStair(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
             QWidget* parent = nullptr);

    const StairCalculator& calculator() const { return calculator_; }

    // The tabs, in their order along the top.
    enum Tool { Stairs, RightTriangle, AreaAndVolume };
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
    // Takes the controls the layout table made: member pointers, label
    // buddies, the note's text form and the handlers.
    void findControls();
    void setFocusOrder();
    void render();

    MessageDialogOver messages_;  // boxes appear over this window
    StairCalculator calculator_;
    std::function<DisplayOptions()> currentOptions_;
    QTabWidget* tabTools_ = nullptr;
    std::array<QLineEdit*, 3> Text1_{};
    std::array<QLineEdit*, 3> Text2_{};
    std::array<QRadioButton*, 2> optStair_{};
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace plumbrule
