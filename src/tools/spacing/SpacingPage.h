// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "tools/ToolPage.h"

class QRadioButton;

namespace plumbrule {

// The Spacing tab: the shared page with the way to lay out chosen by
// optSpacing_0 "Even spacing" (the maximum gap or the count) or optSpacing_1
// "On centre" (the spacing, 16" when its box is empty); the other way's
// boxes are disabled and not read. cmdMarksToTape "Marks to Tape" writes the
// result lines shown to the history tape as a block after a blank line.
class SpacingPage : public ToolPage {
    Q_OBJECT
  public:
    SpacingPage(const ToolRow& row, const ToolContext& context, QWidget* parent = nullptr);

    void optSpacing_Click();
    void cmdMarksToTape_Click();

  protected:
    std::vector<std::string> boxTexts() const override;

  private:
    bool onCentre() const;

    std::array<QRadioButton*, 2> optSpacing_{};
};

}  // namespace plumbrule
