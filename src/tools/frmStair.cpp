// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/frmStair.h"

#include <QFont>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <utility>
#include <vector>

#include "platform/AccessibleIds.h"
#include "platform/ProgramIcon.h"
#include "platform/WindowLayout.h"
#include "spacing/SpacingPage.h"
#include "stair/StairLayout.h"
#include "stair/StairPage.h"
#include "tools/QuietTabs.h"
#include "tools/TabSelection.h"
#include "tools/ToolPage.h"
#include "tools/ToolTable.h"

namespace plumbrule {

namespace {

// The tabs that need more than the shared page, by their tool's switch.
QWidget* makePage(const ToolRow& row, const ToolContext& context) {
    if (row.option == "--spacing") return new SpacingPage(row, context);
    return new ToolPage(row, context);
}

}  // namespace

frmStair::frmStair(MessageDialog& messages, std::function<DisplayOptions()> currentOptions,
                   QWidget* parent, TapeRecorder* tape)
    : QWidget(parent, Qt::Window), messages_(messages, this) {
    setObjectName(QStringLiteral("frmStair"));
    const auto tools = toolTable();
    setWindowTitle(ToQString(tools.front().caption));
    // The layout is measured for an 8-point face, as the classic dialog font.
    QFont face = font();
    face.setPointSizeF(8);
    setFont(face);
    // Each page is the stair window's client area; the tab bar sits above,
    // without a frame around the pages, so the window grows by the bar only.
    tabTools_ = new QTabWidget(this);
    tabTools_->setObjectName(QStringLiteral("tabTools"));
    tabTools_->setDocumentMode(true);
    const ToolContext context{messages_, std::move(currentOptions), tape};
    std::vector<std::pair<QWidget*, QString>> pages;
    for (const ToolRow& row : tools) {
        QWidget* page = nullptr;
        if (&row == &tools.front()) {
            stairs_ = new StairPage(row, context);
            page = stairs_;
        } else {
            page = makePage(row, context);
        }
        pages.emplace_back(page, ToQString(row.tab));
    }
    AddTabsUnreported(*tabTools_, pages);
    const QSize page = PixelRect(stair_layout::client).size();
    setFixedSize(page.width(), page.height() + tabTools_->tabBar()->sizeHint().height());
    tabTools_->setGeometry(rect());
    connect(tabTools_, &QTabWidget::currentChanged, this, &frmStair::tabTools_Change);
    setWindowIcon(programIcon());
    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    SpeakTextBoxesOnFocus(*this);
    Form_Load();
}

const StairCalculator& frmStair::calculator() const {
    return stairs_->calculator();
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
    setWindowTitle(ToQString(toolTable()[static_cast<std::size_t>(tool)].caption));
    Q_EMIT toolChosen(tool);
}

void frmStair::Form_Load() {
    stairs_->Form_Load();
}

void frmStair::optStair_Click(int index) {
    stairs_->optStair_Click(index);
}

void frmStair::cmdCalculate_Click() {
    stairs_->cmdCalculate_Click();
}

void frmStair::Command1_Click() {
    close();
}

}  // namespace plumbrule
