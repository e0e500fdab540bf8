// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spacing/SpacingPage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "spacing/SpacingSolver.h"

namespace plumbrule {

namespace {

// The boxes of each way to lay out, by their index in spacingBoxes.
constexpr std::size_t kGap = 2;
constexpr std::size_t kCount = 3;
constexpr std::size_t kOnCentre = 4;

}  // namespace

SpacingPage::SpacingPage(const ToolRow& row, const ToolContext& context, QWidget* parent)
    : ToolPage(row, context, parent) {
    for (std::size_t index = 0; index < optSpacing_.size(); ++index) {
        optSpacing_[index] = findChild<QRadioButton*>(QStringLiteral("optSpacing_%1").arg(index));
        connect(optSpacing_[index], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) optSpacing_Click();
        });
    }
    auto* toTape = findChild<QPushButton*>(QStringLiteral("cmdMarksToTape"));
    connect(toTape, &QPushButton::clicked, this, &SpacingPage::cmdMarksToTape_Click);
    toTape->setEnabled(context.tape != nullptr);
    optSpacing_[0]->setChecked(true);
}

bool SpacingPage::onCentre() const {
    return optSpacing_[1]->isChecked();
}

void SpacingPage::optSpacing_Click() {
    box(kGap)->setEnabled(!onCentre());
    box(kCount)->setEnabled(!onCentre());
    box(kOnCentre)->setEnabled(onCentre());
}

std::vector<std::string> SpacingPage::boxTexts() const {
    std::vector<std::string> texts = ToolPage::boxTexts();
    if (onCentre()) {
        texts[kGap].clear();
        texts[kCount].clear();
        if (texts[kOnCentre].empty()) texts[kOnCentre] = "16";
    } else {
        texts[kOnCentre].clear();
    }
    return texts;
}

void SpacingPage::cmdMarksToTape_Click() {
    TapeRecorder* tape = context().tape;
    if (!tape || shownLines().empty()) return;
    tape->append(tapeBlock(shownLines(), tape->empty()));
    tape->moveCaretToEnd();
}

}  // namespace plumbrule
