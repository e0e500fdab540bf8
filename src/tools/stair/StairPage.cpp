// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/StairPage.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tools/ResultLines.h"
#include "tools/ToolPage.h"

namespace plumbrule {

namespace {

// An enabled box has the window-background colour, a disabled one the
// button-face colour, as on the classic desktop.
void setSideEnabled(const std::array<QLineEdit*, 3>& boxes, bool enabled) {
    const QColor background =
        QApplication::palette().color(enabled ? QPalette::Base : QPalette::Button);
    for (QLineEdit* box : boxes) {
        box->setEnabled(enabled);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, background);
        box->setPalette(palette);
    }
}

}  // namespace

StairPage::StairPage(const ToolRow& row, const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("pageStairs"));
    BuildToolControls(*this, row);
    findControls();
    setFocusOrder();
}

void StairPage::findControls() {
    const auto made = [this](const QString& name) {
        QWidget* found = findChild<QWidget*>(name);
        Q_ASSERT(found);
        return found;
    };
    for (std::size_t index = 0; index < 3; ++index) {
        const QString suffix = QStringLiteral("%1").arg(index);
        Text1_[index] = qobject_cast<QLineEdit*>(made(QStringLiteral("Text1_") + suffix));
        Text2_[index] = qobject_cast<QLineEdit*>(made(QStringLiteral("Text2_") + suffix));
    }
    for (std::size_t index = 0; index < 2; ++index) {
        auto* option = qobject_cast<QRadioButton*>(made(QStringLiteral("optStair_%1").arg(index)));
        connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) optStair_Click(static_cast<int>(index));
        });
        optStair_[index] = option;
    }
    cmdCalculate_ = qobject_cast<QPushButton*>(made(QStringLiteral("cmdCalculate")));
    Command1_ = qobject_cast<QPushButton*>(made(QStringLiteral("Command1")));
    connect(cmdCalculate_, &QPushButton::clicked, this, &StairPage::cmdCalculate_Click);
    connect(Command1_, &QPushButton::clicked, this, [this] { window()->close(); });
}

void StairPage::setFocusOrder() {
    // Overall height, number of risers, overall width, number of treads,
    // maximum tread width, maximum riser height; the buttons; the options.
    const std::array<QWidget*, 10> order{Text1_[2],    Text1_[1],   Text2_[2],     Text2_[1],
                                         Text2_[0],    Text1_[0],   cmdCalculate_, Command1_,
                                         optStair_[0], optStair_[1]};
    for (std::size_t index = 0; index + 1 < order.size(); ++index) {
        setTabOrder(order[index], order[index + 1]);
    }
}

void StairPage::Form_Load() {
    optStair_[0]->setChecked(true);  // runs optStair_Click
    Text1_[2]->setFocus();
}

void StairPage::optStair_Click(int /*index*/) {
    // Decided by the "Risers" button's state, whichever button was clicked.
    const bool risers = optStair_[0]->isChecked();
    setSideEnabled(Text1_, risers);
    setSideEnabled(Text2_, !risers);
}

void StairPage::cmdCalculate_Click() {
    StairForm& form = calculator_.form();
    for (std::size_t index = 0; index < 3; ++index) {
        form.Text1[index] = Text1_[index]->text().toStdString();
        form.Text2[index] = Text2_[index]->text().toStdString();
    }
    form.risersChosen = optStair_[0]->isChecked();
    const int error = calculator_.cmdCalculate_Click(WritersFor(context_.options()).length);
    if (error != 0) {
        const ToolMessage message = stairMessage(error);
        context_.messages.show(message.text, MessageIcon::Exclamation, message.title);
    }
    render();
}

void StairPage::render() {
    const StairForm& form = calculator_.form();
    const auto show = [](QLineEdit* box, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (box->text() != shown) box->setText(shown);
    };
    for (std::size_t index = 0; index < 3; ++index) {
        show(Text1_[index], form.Text1[index]);
        show(Text2_[index], form.Text2[index]);
    }
    // A screen reader says the result lines that change, wherever the focus is.
    ShowResultLines(*window(), *findChild<QWidget*>(QStringLiteral("Frame2")),
                    {QString::fromStdString(form.lblRiser), QString::fromStdString(form.lblTread),
                     QString::fromStdString(form.lblStringer)});
}

}  // namespace plumbrule
