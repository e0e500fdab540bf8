// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/frmHistory.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <algorithm>
#include <csignal>

#include "platform/QtFileWriter.h"
#include "platform/QtPrintDialog.h"
#include "support/FakeMessageDialog.h"
#include "support/FakeSaveDialog.h"
#include "support/FakeSettingsStore.h"
#include "support/NeedsTool.h"

namespace plumbrule {
namespace {

// Text1 shows one paragraph per line; the tape separates lines by CR LF.
std::string tapeOf(const QPlainTextEdit* box) {
    return box->toPlainText().replace("\n", "\r\n").toStdString();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class frmHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window = std::make_unique<frmHistory>(
            tape, frmHistory::Services{settings, dialog, writer, messages});
        Text1 = window->findChild<QPlainTextEdit*>("Text1");
        ASSERT_NE(Text1, nullptr);
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }

    HistoryTape tape;
    testing::FakeSettingsStore settings;
    testing::FakeSaveDialog dialog;
    QtFileWriter writer;
    testing::FakeMessageDialog messages;
    QTemporaryDir folder;
    std::unique_ptr<frmHistory> window;
    QPlainTextEdit* Text1 = nullptr;
};

TEST_F(frmHistoryTest, HasItsDocumentedControlsAndLook) {
    EXPECT_EQ(window->objectName(), "frmHistory");
    EXPECT_EQ(window->windowTitle(), "History - Plumbrule");
    EXPECT_TRUE(Text1->isReadOnly());
    EXPECT_EQ(Text1->palette().color(QPalette::Text), QColor(0, 192, 0));
    EXPECT_EQ(Text1->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_TRUE(Text1->font().bold());
    EXPECT_DOUBLE_EQ(Text1->font().pointSizeF(), 9.75);

    auto* mnuFile = window->findChild<QMenu*>("mnuFile");
    ASSERT_NE(mnuFile, nullptr);
    EXPECT_EQ(mnuFile->title(), "File");
    QStringList items;
    for (const QAction* item : mnuFile->actions())
        items << (item->isSeparator() ? "-" : item->objectName() + " " + item->text());
    EXPECT_EQ(items,
              QStringList({"mnuExport Export to File...", "mnuExportCsv Export for Spreadsheet...",
                           "mnuPrint Print...", "-", "mnuKeepTape Keep Tape Between Runs", "-",
                           "mnuClose Close"}));
    EXPECT_TRUE(action("mnuKeepTape")->isCheckable());
    ASSERT_NE(action("mnuClear"), nullptr);
    EXPECT_EQ(action("mnuClear")->text(), "Clear");
    EXPECT_TRUE(window->menuBar()->actions().contains(action("mnuClear")));
}

TEST_F(frmHistoryTest, Text1FollowsEveryChangeOfTheTape) {
    RecordHistory(tape, "5\r\n+ ", 1);
    EXPECT_EQ(tapeOf(Text1), "5\r\n+ ");
    RecordHistory(tape, "ChangeOp", 2);
    EXPECT_EQ(tapeOf(Text1), "5\r\n- ");
    RecordHistory(tape, "4", 2);
    RecordHistory(tape, "\r\n= 1", 2);
    RecordHistory(tape, "\r\nclr\r\n\r\n", 0);
    EXPECT_EQ(tapeOf(Text1), "5\r\n- 4\r\n= 1\r\nclr\r\n\r\n");
    RecordHistory(tape, "ChangeOp", 3);  // takes off the blank line's CR LF
    EXPECT_EQ(tapeOf(Text1), tape.text());
    tape.clear();
    EXPECT_EQ(Text1->toPlainText(), "");
}

TEST_F(frmHistoryTest, AWindowOpenedLaterShowsTheTapeSoFar) {
    RecordHistory(tape, "5\r\n+ ", 1);
    window.reset();
    window = std::make_unique<frmHistory>(tape,
                                          frmHistory::Services{settings, dialog, writer, messages});
    EXPECT_EQ(tapeOf(window->findChild<QPlainTextEdit*>("Text1")), "5\r\n+ ");
}

TEST_F(frmHistoryTest, ALongTapeReadBackIsDrawnWhenShownThenFollowed) {
    tape.replaceAll(std::string(100000, '5'));
    frmHistory fresh(tape, {settings, dialog, writer, messages});
    RecordHistory(tape, "\r\n+ ", 1);  // a key loads it hidden: nothing drawn yet
    fresh.show();
    RecordHistory(tape, "ChangeOp", 2);
    EXPECT_EQ(tapeOf(fresh.textBox()), tape.text());
}

TEST_F(frmHistoryTest, ClearEmptiesTheTapeAndCloseKeepsIt) {
    RecordHistory(tape, "5\r\n+ ", 1);
    window->load();
    window->show();
    action("mnuClose")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isLoaded());
    EXPECT_EQ(tape.text(), "5\r\n+ ");
    action("mnuClear")->trigger();
    EXPECT_TRUE(tape.empty());
    EXPECT_EQ(Text1->toPlainText(), "");
}

TEST_F(frmHistoryTest, LoadRestoresThePositionAndUnloadSavesIt) {
    settings.values["HistTop"] = "1500";
    settings.values["HistLeft"] = "3000";
    window->load();
    EXPECT_FALSE(window->isVisible());  // loaded hidden
    EXPECT_EQ(window->pos(), QPoint(200, 100));
    window->show();
    window->move(30, 45);
    window->unload();
    ASSERT_EQ(settings.writes.size(), 2u);
    EXPECT_EQ(settings.writes[0], (std::pair<std::string, std::string>{"HistTop", "675"}));
    EXPECT_EQ(settings.writes[1], (std::pair<std::string, std::string>{"HistLeft", "450"}));
}

TEST_F(frmHistoryTest, AWindowNeverShownWritesBackWhatItRead) {
    // Loaded hidden by a key and never shown: it has no place of its own yet.
    window->load();
    window->unload();
    EXPECT_TRUE(settings.writes.empty());
    settings.values["HistTop"] = "1500";
    window->load();
    window->unload();
    ASSERT_EQ(settings.writes.size(), 1u);
    EXPECT_EQ(settings.writes[0], (std::pair<std::string, std::string>{"HistTop", "1500"}));
}

TEST_F(frmHistoryTest, TheCloseBoxUnloadsToo) {
    window->load();
    window->show();
    window->close();
    EXPECT_EQ(settings.writes.size(), 2u);
    window->close();  // not loaded any more: nothing saved again
    EXPECT_EQ(settings.writes.size(), 2u);
}

TEST_F(frmHistoryTest, AnUnusableSavedPositionKeepsTheDefaultPlacement) {
    // 30000 twips (2000 px) down and across is off every screen here.
    for (const char* bad : {"abc", "", "40000", "30000"}) {
        settings.values["HistTop"] = bad;
        settings.values["HistLeft"] = bad;
        frmHistory fresh(tape, {settings, dialog, writer, messages});
        const QPoint before = fresh.pos();
        fresh.load();
        EXPECT_EQ(fresh.pos(), before) << bad;
        EXPECT_FALSE(fresh.testAttribute(Qt::WA_Moved)) << bad;
    }
}

TEST_F(frmHistoryTest, Text1KeepsAThreePixelMarginOnEverySide) {
    // Whatever frame the window manager draws: the client area below the
    // menu bar counts, as shown and after every resize.
    window->show();
    for (const QSize size : {window->size(), QSize(300, 400), QSize(520, 180)}) {
        window->resize(size);
        QApplication::processEvents();
        const QRect client = window->centralWidget()->rect();
        EXPECT_EQ(Text1->geometry(), client.adjusted(3, 3, -3, -3)) << size.width();
    }
    window->resize(300, 40);  // never a negative height
    QApplication::processEvents();
    EXPECT_EQ(Text1->height(), std::max(0, window->centralWidget()->height() - 6));
}

class frmHistoryExport : public frmHistoryTest {};

TEST_F(frmHistoryExport, WritesTheTapeWithCrLfAndOneLineBreakAfterTheLastLine) {
    RecordHistory(tape, "5\r\n+ 3\r\n= 8", 0);
    dialog.answer = folder.filePath("History").toStdString();
    action("mnuExport")->trigger();
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].folder, QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(readFile(folder.filePath("History.txt")), QByteArray("5\r\n+ 3\r\n= 8\r\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(frmHistoryExport, AnEmptyTapeIsExactlyTwoBytes) {
    dialog.answer = folder.filePath("empty.TXT").toStdString();
    action("mnuExport")->trigger();
    EXPECT_EQ(readFile(folder.filePath("empty.TXT")), QByteArray("\r\n"));
    EXPECT_FALSE(QFile::exists(folder.filePath("empty.TXT.txt")));
}

TEST_F(frmHistoryExport, ReplacesAnExistingFile) {
    const QString path = folder.filePath("a.txt.old");
    ASSERT_TRUE(writeFile(path, "a much longer text that was there before\r\n"));
    RecordHistory(tape, "5", 0);
    dialog.answer = path.toStdString();
    action("mnuExport")->trigger();
    EXPECT_EQ(readFile(path), QByteArray("5\r\n"));
}

TEST_F(frmHistoryExport, AsksBeforeReplacingAFileTheAddedExtensionNames) {
    // The dialog asked about "History", not about the History.txt it becomes.
    const QString path = folder.filePath("History.txt");
    ASSERT_TRUE(writeFile(path, "old\r\n"));
    RecordHistory(tape, "5", 0);
    dialog.answer = folder.filePath("History").toStdString();
    messages.answer = false;
    action("mnuExport")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "History.txt already exists.\nDo you want to replace it?");
    EXPECT_EQ(readFile(path), QByteArray("old\r\n"));
    messages.answer = true;
    action("mnuExport")->trigger();
    EXPECT_EQ(readFile(path), QByteArray("5\r\n"));
    // A name the dialog itself asked about is not asked about again.
    dialog.answer = path.toStdString();
    action("mnuExport")->trigger();
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(frmHistoryExport, CancelWritesNothing) {
    dialog.answer = "";
    action("mnuExport")->trigger();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(frmHistoryExport, AFolderThatCannotBeWrittenIsReported) {
    // A path below a regular file can never be created, even by root.
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    dialog.answer = folder.filePath("plain/History.txt").toStdString();
    action("mnuExport")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.lastText().find("plain/History.txt"), std::string::npos);
    EXPECT_EQ(readFile(folder.filePath("plain")), QByteArray());
}

TEST_F(frmHistoryExport, AWriteThatFailsHalfwayLeavesTheOldFileIntact) {
    // A file-size limit makes the write fail after a few bytes, for root too.
    const QString path = folder.filePath("History.txt");
    ASSERT_TRUE(writeFile(path, "old\r\n"));
    RecordHistory(tape, std::string(100000, '5'), 0);
    dialog.answer = path.toStdString();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    action("mnuExport")->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(readFile(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"History.txt"});
}

TEST_F(frmHistoryExport, ExportsForASpreadsheetWithCsvAdded) {
    RecordHistory(tape, "5'3-1/2\"\r\n+ ", 0);
    dialog.answer = folder.filePath("History").toStdString();  // .csv added, quotes doubled
    action("mnuExportCsv")->trigger();
    EXPECT_EQ(dialog.asked.at(0).fileName, "History.csv");
    EXPECT_EQ(readFile(folder.filePath("History.csv")),
              "Operator,Shown,Inches,Millimetres\r\n,\"5'3-1/2\"\"\",63.5,1612.9\r\n+,,,\r\n");
}

// Prints to a PDF file as the dialog's "Print to File" does, or cancels.
class PdfDialog : public PrintDialog {
  public:
    bool askPrinter(QPrinter& printer, QWidget*) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
        return !path.isEmpty();
    }
    QString path;
};

TEST_F(frmHistoryTest, PrintsEveryLineOfALongTapeWithAHeadingOnEachPage) {
    PLUMBRULE_NEEDS(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
                    "pdftotext (poppler-utils) to read the printed PDF back");
    PdfDialog pdf;
    window = std::make_unique<frmHistory>(
        tape, frmHistory::Services{settings, dialog, writer, messages, &pdf});
    action("mnuPrint")->trigger();  // Cancel
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    const std::string longLine(150, '7');
    for (int n = 1; n <= 120; ++n) RecordHistory(tape, "+ " + std::to_string(n) + "\r\n", 1);
    RecordHistory(tape, "= " + longLine, 0);
    pdf.path = folder.filePath("tape.pdf");
    action("mnuPrint")->trigger();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf.path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // More than one page, each with its heading (how many depends on the
    // fonts the release has).
    const QRegularExpressionMatch pages = QRegularExpression("Page 1 of (\\d+)").match(text);
    ASSERT_TRUE(pages.hasMatch()) << text.toStdString();
    const QString count = pages.captured(1);
    EXPECT_GE(count.toInt(), 2);
    EXPECT_EQ(text.count("Plumbrule history"), count.toInt());
    EXPECT_TRUE(text.contains("Page " + count + " of " + count)) << text.toStdString();
    // In order, each line whole; the long one over two printed lines.
    qsizetype at = 0;
    for (int n = 1; n <= 120; ++n) {
        at = text.indexOf(QString("+ %1\n").arg(n), at);
        ASSERT_GE(at, 0) << n;
    }
    EXPECT_EQ(
        QString(text).remove(QRegularExpression("\\s")).count(QString::fromStdString(longLine)), 1);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace plumbrule
