// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

#include "engine/DisplayOptions.h"
#include "platform/MessageDialog.h"

namespace plumbrule {

// The Right Triangle tab of the tools window: the boxes txtRise, txtRun,
// txtDiagonal, txtPitch and txtAngle on a drawing of the triangle,
// cmdCalculateTriangle "Calculate", cmdCloseTriangle "Close" and the result
// lines lblTriangle_0..2. The solving is solveTriangle's; the page copies the
// boxes in and the lines out, lengths in the output form `currentOptions`
// gives at the time of the click. The boxes are never rewritten.
class TrianglePage : public QWidget {
    Q_OBJECT
  public:
    TrianglePage(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
                 QWidget* parent = nullptr);

    void cmdCalculate_Click();

  private:
    QString boxText(const char* name) const;

    MessageDialog& messages_;
    std::function<DisplayOptions()> currentOptions_;
};

}  // namespace plumbrule
