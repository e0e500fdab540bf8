// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

#include "engine/DisplayOptions.h"
#include "platform/MessageDialog.h"

namespace plumbrule {

// The Area and Volume tab of the tools window: the boxes txtLength, txtWidth
// and txtThickness on a drawing of a slab, cmdCalculateArea "Calculate",
// cmdCloseArea "Close" and the result lines lblArea_0..3. The solving is
// solveArea's; the page copies the boxes in and the lines out, the perimeter
// in the output form `currentOptions` gives at the time of the click. The
// boxes are never rewritten.
class AreaPage : public QWidget {
    Q_OBJECT
  public:
    AreaPage(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
             QWidget* parent = nullptr);

    void cmdCalculate_Click();

  private:
    QString boxText(const char* name) const;

    MessageDialog& messages_;
    std::function<DisplayOptions()> currentOptions_;
};

}  // namespace plumbrule
