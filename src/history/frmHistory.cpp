// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/frmHistory.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "history/HistoryExport.h"
#include "history/HistoryPlacement.h"
#include "platform/AccessibleIds.h"
#include "platform/ControlNames.h"
#include "platform/ProgramIcon.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

namespace plumbrule {

namespace {

// Text1 holds one paragraph per tape line: a CR LF is one line break there.
QString widgetText(std::string_view tape) {
    QString text;
    text.reserve(static_cast<qsizetype>(tape.size()));
    for (std::size_t i = 0; i < tape.size(); ++i) {
        const char c = tape[i];
        if (c == '\r' && i + 1 < tape.size() && tape[i + 1] == '\n') continue;
        text += c == '\r' ? QChar('\n') : QChar::fromLatin1(c);
    }
    return text;
}

}  // namespace

frmHistory::frmHistory(HistoryTape& tape, Services services, QWidget* parent)
    : QMainWindow(parent), tape_(tape), services_(services) {
    setObjectName("frmHistory");
    setWindowTitle("History - Plumbrule");

    auto* client = new QWidget(this);
    setCentralWidget(client);
    Text1_ = new QPlainTextEdit(client);
    Text1_->setObjectName("Text1");
    Text1_->setAccessibleName("History tape");
    Text1_->setReadOnly(true);
    // Locked against typing, but the tape can be selected, by mouse or by
    // keyboard, and copied (Ctrl+C, or Copy in its right-click menu).
    Text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette colours = Text1_->palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, QColor(0, 192, 0));
    Text1_->setPalette(colours);
    QFont font("System");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    Text1_->setFont(font);
    Text1_->setGeometry(Pixels(45), Pixels(45), Pixels(3300), Pixels(4695));

    buildMenus();
    setWindowIcon(programIcon());
    ApplyAccessibleNames(*this);
    // The designed client area, 3405 x 4800 twips, below the menu bar.
    resize(Pixels(3405), Pixels(4800) + menuBar()->sizeHint().height());

    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    // Anything that moves the caret or the view away from the end.
    const auto moved = [this] { caretAtEndInView_ = false; };
    connect(Text1_, &QPlainTextEdit::cursorPositionChanged, this, moved);
    connect(Text1_->verticalScrollBar(), &QScrollBar::valueChanged, this, moved);
    connect(Text1_->horizontalScrollBar(), &QScrollBar::valueChanged, this, moved);

    renderWholeTape();
    tape_.setListener(this);
}

frmHistory::~frmHistory() {
    tape_.setListener(nullptr);
}

void frmHistory::buildMenus() {
    QMenu* mnuFile = menuBar()->addMenu("File");
    mnuFile->setObjectName("mnuFile");
    QAction* mnuExport = mnuFile->addAction("Export to File...");
    mnuExport->setObjectName("mnuExport");
    QAction* Space1 = mnuFile->addSeparator();
    Space1->setObjectName("Space1");
    QAction* mnuClose = mnuFile->addAction("Close");
    mnuClose->setObjectName("mnuClose");
    // Clear is a command on the bar itself, not a menu.
    QAction* mnuClear = menuBar()->addAction("Clear");
    mnuClear->setObjectName("mnuClear");

    connect(mnuExport, &QAction::triggered, this, &frmHistory::mnuExport_Click);
    connect(mnuClose, &QAction::triggered, this, &frmHistory::mnuClose_Click);
    connect(mnuClear, &QAction::triggered, this, &frmHistory::mnuClear_Click);
}

void frmHistory::load() {
    if (!loaded_) Form_Load();
}

void frmHistory::unload() {
    if (!loaded_) return;
    Form_Unload();
    hide();
}

// A saved coordinate that cannot be used leaves the default placement.
void frmHistory::Form_Load() {
    loaded_ = true;
    const std::optional<int> top = ReadHistoryCoordinate(services_.settings.ReadValue("HistTop"));
    const std::optional<int> left = ReadHistoryCoordinate(services_.settings.ReadValue("HistLeft"));
    if (top || left) {
        const int x = left ? Pixels(*left) : pos().x();
        const int y = top ? Pixels(*top) : pos().y();
        move(x, y);
    }
    Form_Resize();
}

void frmHistory::Form_Unload() {
    loaded_ = false;
    services_.settings.WriteValue("HistTop", HistoryCoordinateText(Twips(pos().y())));
    services_.settings.WriteValue("HistLeft", HistoryCoordinateText(Twips(pos().x())));
}

void frmHistory::Form_Resize() {
    const QRect outer = frameGeometry();
    const TextBoxSize size = HistoryTextBoxSize(Twips(outer.width()), Twips(outer.height()));
    Text1_->resize(Pixels(size.width), Pixels(size.height));
}

void frmHistory::closeEvent(QCloseEvent* event) {
    if (loaded_) Form_Unload();
    event->accept();
}

void frmHistory::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
    caretAtEndInView_ = false;
}

void frmHistory::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    caretAtEndInView_ = false;
}

void frmHistory::mnuExport_Click() {
    ExportHistory(tape_.text(), {services_.dialog, services_.writer, services_.messages,
                                 QCoreApplication::applicationDirPath().toStdString()});
}

void frmHistory::mnuClose_Click() {
    close();
}

void frmHistory::mnuClear_Click() {
    tape_.clear();
}

void frmHistory::renderWholeTape() {
    caretAtEndInView_ = false;
    Text1_->setPlainText(widgetText(tape_.text()));
    Text1_->moveCursor(QTextCursor::End);
}

void frmHistory::tapeAppended(std::string_view text) {
    caretAtEndInView_ = false;
    QTextCursor end(Text1_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(widgetText(text));
}

void frmHistory::tapeTailReplaced(std::string_view removed, std::string_view text) {
    // Taking off the LF of a CR LF would leave a lone CR that Text1 cannot
    // show apart from a line break: draw the whole tape again instead.
    const std::string& now = tape_.text();
    const std::size_t kept = now.size() - text.size();
    if (!removed.empty() && removed.front() == '\n' && kept > 0 && now[kept - 1] == '\r') {
        renderWholeTape();
        return;
    }
    caretAtEndInView_ = false;
    QTextCursor end(Text1_->document());
    end.movePosition(QTextCursor::End);
    end.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor,
                     static_cast<int>(widgetText(removed).size()));
    end.insertText(widgetText(text));
}

void frmHistory::tapeCleared() {
    caretAtEndInView_ = false;
    Text1_->clear();
}

void frmHistory::tapeCaretToEnd() {
    if (caretAtEndInView_) return;
    Text1_->moveCursor(QTextCursor::End);
    caretAtEndInView_ = true;
}

}  // namespace plumbrule
