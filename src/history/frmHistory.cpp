// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/frmHistory.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextCursor>

#include "history/HistoryExport.h"
#include "history/HistoryLayout.h"
#include "history/HistoryPlacement.h"
#include "history/KeptTape.h"
#include "history/TapePrinter.h"
#include "platform/AccessibleIds.h"
#include "platform/ProgramIcon.h"
#include "platform/QtPrintDialog.h"
#include "platform/Screens.h"
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
    : QMainWindow(parent), tape_(tape), services_(services), messages_(services.messages, this) {
    setObjectName("frmHistory");
    setWindowTitle("History - Plumbrule");

    auto* client = new QWidget(this);
    setCentralWidget(client);
    Text1_ = new QPlainTextEdit(client);
    PlaceControl(*Text1_, history_layout::controls[0]);
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

    buildMenus();
    setWindowIcon(programIcon());
    // The designed client area, below the menu bar.
    const QSize size = PixelRect(history_layout::client).size();
    resize(size.width(), size.height() + menuBar()->sizeHint().height());

    if (AccessibleIdsRequested()) ApplyAccessibleIds(*this);
    // Anything that moves the caret or the view away from the end.
    const auto moved = [this] { caretAtEndInView_ = false; };
    connect(Text1_, &QPlainTextEdit::cursorPositionChanged, this, moved);
    connect(Text1_->verticalScrollBar(), &QScrollBar::valueChanged, this, moved);
    connect(Text1_->horizontalScrollBar(), &QScrollBar::valueChanged, this, moved);

    constexpr std::size_t longTape = 64 * 1024;
    if (tape_.text().size() > longTape)
        drawWhenShown_ = true;
    else
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
    QAction* mnuExportCsv = mnuFile->addAction("Export for Spreadsheet...");
    mnuExportCsv->setObjectName("mnuExportCsv");
    QAction* mnuPrint = mnuFile->addAction("Print...");
    mnuPrint->setObjectName("mnuPrint");
    mnuFile->addSeparator()->setObjectName("Space2");
    mnuKeepTape_ = mnuFile->addAction("Keep Tape Between Runs");
    mnuKeepTape_->setObjectName("mnuKeepTape");
    mnuKeepTape_->setCheckable(true);
    mnuKeepTape_->setChecked(services_.kept && services_.kept->enabled());
    mnuKeepTape_->setEnabled(services_.kept != nullptr);
    // A screen reader says a command by its caption (and the keep command's
    // check state): the captions name what each command does.
    QAction* Space1 = mnuFile->addSeparator();
    Space1->setObjectName("Space1");
    QAction* mnuClose = mnuFile->addAction("Close");
    mnuClose->setObjectName("mnuClose");
    // Clear is a command on the bar itself, not a menu.
    QAction* mnuClear = menuBar()->addAction("Clear");
    mnuClear->setObjectName("mnuClear");

    connect(mnuExport, &QAction::triggered, this, &frmHistory::mnuExport_Click);
    connect(mnuExportCsv, &QAction::triggered, this, &frmHistory::mnuExportCsv_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmHistory::mnuPrint_Click);
    connect(mnuKeepTape_, &QAction::triggered, this, &frmHistory::mnuKeepTape_Click);
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

// A saved coordinate that cannot be used leaves the default placement, and
// so does a saved position entirely off every screen (a screen since
// removed): the window can never be lost.
void frmHistory::Form_Load() {
    loaded_ = true;
    shownSinceLoad_ = false;
    readTop_ = ReadHistoryCoordinate(services_.settings.ReadValue("HistTop"));
    readLeft_ = ReadHistoryCoordinate(services_.settings.ReadValue("HistLeft"));
    if (readTop_ || readLeft_) {
        const QPoint target(readLeft_ ? Pixels(*readLeft_) : pos().x(),
                            readTop_ ? Pixels(*readTop_) : pos().y());
        if (OnSomeScreen(QRect(target, frameGeometry().size()))) move(target);
    }
    Form_Resize();
}

// A window loaded only hidden has no place of its own on the screen yet, and
// on a desktop that does not tell a window's place (Wayland) none is known: it
// writes back what it read (nothing for a coordinate it did not read), so the
// next run still opens it where it was last seen, or where the desktop puts it.
void frmHistory::Form_Unload() {
    loaded_ = false;
    if (shownSinceLoad_ && ReportsWindowPlace()) {
        readTop_ = Twips(pos().y());
        readLeft_ = Twips(pos().x());
    }
    if (readTop_) services_.settings.WriteValue("HistTop", HistoryCoordinateText(*readTop_));
    if (readLeft_) services_.settings.WriteValue("HistLeft", HistoryCoordinateText(*readLeft_));
}

// W and H are the outer size of the window as designed: the client area
// below the menu bar plus the designed frame. The frame the window manager
// actually draws is not counted: Qt learns it only once the window is mapped,
// and it differs from one desktop to the next, so Text1 keeps its 45-twip
// margin on every side whatever frames the window.
void frmHistory::Form_Resize() {
    const QSize client = centralWidget()->size();
    const TextBoxSize size = HistoryTextBoxSize(Twips(client.width()) + designedFrameWidthTwips,
                                                Twips(client.height()) + designedFrameHeightTwips);
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
    if (loaded_) shownSinceLoad_ = true;
    if (drawWhenShown_) renderWholeTape();
    caretAtEndInView_ = false;
    Form_Resize();
}

ExportServices frmHistory::exportServices() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const ExportFolders folders{program.toStdString(), QFileInfo(program).isWritable(),
                                QFileInfo(documents).isDir() ? documents.toStdString() : "",
                                QDir::homePath().toStdString()};
    const auto exists = [](const std::string& path) {
        return QFileInfo::exists(QString::fromStdString(path));
    };
    return {services_.dialog, services_.writer, messages_, ExportFolder(folders), exists};
}

void frmHistory::mnuExport_Click() {
    ExportHistory(tape_.text(), exportServices());
}

void frmHistory::mnuExportCsv_Click() {
    ExportHistoryCsv(tape_.text(), exportServices());
}

// Cancel prints nothing; a printer that fails is said so, over this window.
void frmHistory::mnuPrint_Click() {
    QtPrintDialog desktopDialog;
    PrintDialog& dialog = services_.printDialog ? *services_.printDialog : desktopDialog;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Plumbrule history"));
    if (!dialog.askPrinter(printer, this)) return;
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    if (!PrintTape(tape_.text(), printer, date))
        messages_.show("The history could not be printed.", MessageIcon::Exclamation);
}

void frmHistory::mnuKeepTape_Click(bool checked) {
    if (services_.kept) services_.kept->setEnabled(checked);
}

void frmHistory::mnuClose_Click() {
    close();
}

void frmHistory::mnuClear_Click() {
    tape_.clear();
}

void frmHistory::renderWholeTape() {
    drawWhenShown_ = false;
    caretAtEndInView_ = false;
    // Through the document: half the time of the text box's own setPlainText.
    Text1_->document()->setPlainText(widgetText(tape_.text()));
    Text1_->moveCursor(QTextCursor::End);
}

bool frmHistory::drawnWhenShown() {
    // A screen reader is told of every change to Text1, shown or not, and
    // looks into each; the tape changes with the keys, when the screen
    // reader should be free for them. Hidden, Text1 waits to be shown.
    if (!drawWhenShown_ && !isVisible() && QAccessible::isActive()) drawWhenShown_ = true;
    return drawWhenShown_;
}

void frmHistory::tapeAppended(std::string_view text) {
    if (drawnWhenShown()) return;
    caretAtEndInView_ = false;
    QTextCursor end(Text1_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(widgetText(text));
}

void frmHistory::tapeTailReplaced(std::string_view removed, std::string_view text) {
    if (drawnWhenShown()) return;
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
    drawWhenShown_ = false;
    caretAtEndInView_ = false;
    Text1_->clear();
}

void frmHistory::tapeCaretToEnd() {
    if (caretAtEndInView_ || drawnWhenShown()) return;
    Text1_->moveCursor(QTextCursor::End);
    caretAtEndInView_ = true;
}

}  // namespace plumbrule
