// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/frmStair.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <string>
#include <utility>

#include "area/AreaPage.h"
#include "platform/AccessibleIds.h"
#include "platform/ProgramIcon.h"
#include "platform/QuietTabs.h"
#include "platform/ResultLines.h"
#include "platform/TabSelection.h"
#include "platform/Twips.h"
#include "stair/StairDiagram.h"
#include "stair/StairLayout.h"
#include "triangle/TrianglePage.h"

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

// The window's caption for each tab.
const char* const kCaptions[] = {"Stair Calculator", "Right Triangle", "Area and Volume"};

}  // namespace

frmStair::frmStair(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      messages_(messages, this),
      currentOptions_(std::move(currentOptions)) {
    setObjectName(QStringLiteral("frmStair"));
    setWindowTitle(QString::fromLatin1(kCaptions[Stairs]));
    // The layout is measured for an 8-point face, as the classic dialog font.
    QFont face = font();
    face.setPointSizeF(8);
    setFont(face);
    // Each page is the stair window's client area; the tab bar sits above,
    // without a frame around the pages, so the window grows by the bar only.
    tabTools_ = new QTabWidget(this);
    tabTools_->setObjectName(QStringLiteral("tabTools"));
    tabTools_->setDocumentMode(true);
    auto* stairs = new QWidget;
    stairs->setObjectName(QStringLiteral("pageStairs"));
    BuildLayout(*stairs, stair_layout::controls,
                [](const ControlPlace&, QWidget* parent) { return new StairDiagram(parent); });
    AddTabsUnreported(
        *tabTools_,
        {{stairs, QStringLiteral("Stairs")},
         {new TrianglePage(messages_, currentOptions_), QStringLiteral("Right Triangle")},
         {new AreaPage(messages_, currentOptions_), QStringLiteral("Area and Volume")}});
    const QSize page = PixelRect(stair_layout::client).size();
    setFixedSize(page.width(), page.height() + tabTools_->tabBar()->sizeHint().height());
    tabTools_->setGeometry(rect());
    connect(tabTools_, &QTabWidget::currentChanged, this, &frmStair::tabTools_Change);
    findControls();
    setFocusOrder();
    setWindowIcon(programIcon());
    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    SpeakTextBoxesOnFocus(*this);
    Form_Load();
}

void frmStair::findControls() {
    const auto made = [this](const QString& name) {
        QWidget* found = findChild<QWidget*>(name);
        Q_ASSERT(found);
        return found;
    };
    for (std::size_t index = 0; index < 3; ++index) {
        const QString suffix = QStringLiteral("%1").arg(index);
        Text1_[index] = qobject_cast<QLineEdit*>(made(QStringLiteral("Text1_") + suffix));
        Text2_[index] = qobject_cast<QLineEdit*>(made(QStringLiteral("Text2_") + suffix));
        qobject_cast<QLabel*>(made(QStringLiteral("Label1_") + suffix))->setBuddy(Text1_[index]);
        qobject_cast<QLabel*>(made(QStringLiteral("Label2_") + suffix))->setBuddy(Text2_[index]);
    }
    for (std::size_t index = 0; index < 2; ++index) {
        auto* option = qobject_cast<QRadioButton*>(made(QStringLiteral("optStair_%1").arg(index)));
        connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) optStair_Click(static_cast<int>(index));
        });
        optStair_[index] = option;
    }
    auto* note = qobject_cast<QLabel*>(made(QStringLiteral("lblNote")));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdCalculate_ = qobject_cast<QPushButton*>(made(QStringLiteral("cmdCalculate")));
    Command1_ = qobject_cast<QPushButton*>(made(QStringLiteral("Command1")));
    connect(cmdCalculate_, &QPushButton::clicked, this, &frmStair::cmdCalculate_Click);
    connect(Command1_, &QPushButton::clicked, this, &frmStair::Command1_Click);
}

void frmStair::setFocusOrder() {
    // Overall height, number of risers, overall width, number of treads,
    // maximum tread width, maximum riser height; the buttons; the options.
    const std::array<QWidget*, 10> order{Text1_[2],    Text1_[1],   Text2_[2],     Text2_[1],
                                         Text2_[0],    Text1_[0],   cmdCalculate_, Command1_,
                                         optStair_[0], optStair_[1]};
    for (std::size_t index = 0; index + 1 < order.size(); ++index) {
        setTabOrder(order[index], order[index + 1]);
    }
}

int frmStair::currentTool() const {
    return tabTools_->currentIndex();
}

void frmStair::showTool(int tool) {
    tabTools_->setCurrentIndex(tool);
}

void frmStair::keyPressEvent(QKeyEvent* event) {
    const bool down = event->key() == Qt::Key_PageDown;
    if ((down || event->key() == Qt::Key_PageUp) && event->modifiers() == Qt::ControlModifier) {
        const int count = tabTools_->count();
        showTool((tabTools_->currentIndex() + (down ? 1 : count - 1)) % count);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmStair::tabTools_Change(int tool) {
    if (tool < 0) return;
    setWindowTitle(QString::fromLatin1(kCaptions[tool]));
    Q_EMIT toolChosen(tool);
}

void frmStair::Form_Load() {
    optStair_[0]->setChecked(true);  // runs optStair_Click
    Text1_[2]->setFocus();
}

void frmStair::optStair_Click(int /*index*/) {
    // Decided by the "Risers" button's state, whichever button was clicked.
    const bool risers = optStair_[0]->isChecked();
    setSideEnabled(Text1_, risers);
    setSideEnabled(Text2_, !risers);
}

void frmStair::cmdCalculate_Click() {
    StairForm& form = calculator_.form();
    for (std::size_t index = 0; index < 3; ++index) {
        form.Text1[index] = Text1_[index]->text().toStdString();
        form.Text2[index] = Text2_[index]->text().toStdString();
    }
    form.risersChosen = optStair_[0]->isChecked();
    const int error =
        calculator_.cmdCalculate_Click(currentOptions_ ? currentOptions_() : DisplayOptions{});
    if (error != 0) {
        const ToolMessage message = stairMessage(error);
        messages_.show(message.text, MessageIcon::Exclamation, message.title);
    }
    render();
}

void frmStair::Command1_Click() {
    close();
}

void frmStair::render() {
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
    ShowResultLines(*this, *findChild<QWidget*>(QStringLiteral("Frame2")),
                    {QString::fromStdString(form.lblRiser), QString::fromStdString(form.lblTread),
                     QString::fromStdString(form.lblStringer)});
}

}  // namespace plumbrule
