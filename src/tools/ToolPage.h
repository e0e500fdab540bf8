// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

#include "engine/DisplayOptions.h"
#include "platform/MessageDialog.h"
#include "tools/ToolTable.h"

namespace plumbrule {

// How a tab writes its results: lengths in the main window's output form,
// plain numbers in its style with the unit form None.
ToolWriters WritersFor(const DisplayOptions& options);

// Builds a tool's controls from its row on `page`, its drawing (a
// ToolDiagram) under the boxes, each label the buddy of the box listed just
// before it, the note wrapped.
void BuildToolControls(QWidget& page, const ToolRow& row);

// A tab of the tools window built from its tool's row (page<Tool>, named
// after the switch: "--triangle" -> pageTriangle): boxes in, one message or
// result lines out. Calculate copies the boxes' texts to the tool's solver,
// with lengths in the output form `currentOptions` gives at the time of the
// click; an error is one message box and changes nothing, a result fills the
// results frame's lines top to bottom, a long line wrapped onto as many
// lines as it needs. The boxes are never rewritten. Close
// closes the window.
class ToolPage : public QWidget {
    Q_OBJECT
  public:
    ToolPage(const ToolRow& row, MessageDialog& messages,
             std::function<DisplayOptions()> currentOptions, QWidget* parent = nullptr);

    void cmdCalculate_Click();

  private:
    const ToolRow& row_;
    QRect firstLine_;  // the top result line's place as laid out
    MessageDialog& messages_;
    std::function<DisplayOptions()> currentOptions_;
};

}  // namespace plumbrule
