// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "engine/DisplayOptions.h"
#include "platform/MessageDialog.h"
#include "stair/StairCalculator.h"
#include "tools/ToolPage.h"
#include "tools/ToolTable.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plumbrule {

// The Stairs tab (pageStairs), as the stair window always was: two sides of
// three boxes (risers: Text1_0..Text1_2, treads: Text2_0..Text2_2) on a
// drawing of the flight, the side chosen with optStair_0 "Risers" /
// optStair_1 "Treads", cmdCalculate "Claculate", Command1 "Close" and the
// result labels lblRiser, lblTread and lblStringer (the whole flight, once
// both sides have a result). The solving is StairCalculator's; the page only
// copies the boxes in and the results out, the overall dimension written in
// the output form `currentOptions` gives at the time of the click.
class StairPage : public QWidget {
    Q_OBJECT
  public:
    StairPage(const ToolRow& row, const ToolContext& context, QWidget* parent = nullptr);

    const StairCalculator& calculator() const { return calculator_; }

    void Form_Load();
    void optStair_Click(int index);
    void cmdCalculate_Click();

  private:
    void findControls();
    void setFocusOrder();
    void render();

    ToolContext context_;
    StairCalculator calculator_;
    std::array<QLineEdit*, 3> Text1_{};
    std::array<QLineEdit*, 3> Text2_{};
    std::array<QRadioButton*, 2> optStair_{};
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace plumbrule
