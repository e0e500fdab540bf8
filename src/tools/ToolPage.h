// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

#include "engine/DisplayOptions.h"
#include "entry/TapeRecorder.h"
#include "platform/MessageDialog.h"
#include "tools/ToolTable.h"

class QLineEdit;

namespace plumbrule {

// How a tab writes its results: lengths in the main window's output form,
// plain numbers in its style with the unit form None.
ToolWriters WritersFor(const DisplayOptions& options);

// Builds a tool's controls from its row on `page`, its drawing (a
// ToolDiagram) under the boxes, each label the buddy of the box listed just
// before it, the note wrapped.
void BuildToolControls(QWidget& page, const ToolRow& row);

// What every tab of the tools window is given: the message boxes (shown over
// the window), the main window's output form at the time of a click, and the
// history tape (none in a window tested alone).
struct ToolContext {
    MessageDialog& messages;
    std::function<DisplayOptions()> currentOptions;
    TapeRecorder* tape = nullptr;

    DisplayOptions options() const { return currentOptions ? currentOptions() : DisplayOptions{}; }
};

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
    ToolPage(const ToolRow& row, const ToolContext& context, QWidget* parent = nullptr);

    void cmdCalculate_Click();

  protected:
    // The texts the solver is given, in the order of the row's boxes: each
    // box's text, unless a page of its own chooses otherwise.
    virtual std::vector<std::string> boxTexts() const;
    QLineEdit* box(std::size_t index) const;
    // The result lines shown since the last calculation that gave any.
    const std::vector<std::string>& shownLines() const { return shown_; }
    const ToolContext& context() const { return context_; }

  private:
    const ToolRow& row_;
    ToolContext context_;
    QWidget* lines_ = nullptr;  // the result lines, in the results frame's scroll area
    int lineHeight_ = 0;
    std::vector<std::string> shown_;
};

}  // namespace plumbrule
