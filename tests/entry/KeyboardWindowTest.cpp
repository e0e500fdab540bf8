// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard map in the real main window: real key events as X11 delivers
// them for a US keyboard, the display read from lblDisplay and the tape from
// the history window's Text1.
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QWindow>

#include <cctype>
#include <map>
#include <utility>

#include "history/frmHistory.h"
#include "support/FakeFileWriter.h"
#include "support/FakeSaveDialog.h"
#include "support/KeyboardRows.h"
#include "support/MainWindowFixture.h"

namespace plumbrule::testing {

void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << row.name;
}

namespace {

struct QtKey {
    int key;
    Qt::KeyboardModifiers modifiers;
};

// The Qt key of a shifted key of the main block on a US keyboard.
int shiftedKey(const std::string& name) {
    static const std::map<std::string, int> shifted = {
        {"0", Qt::Key_ParenRight},  {"1", Qt::Key_Exclam},    {"2", Qt::Key_At},
        {"3", Qt::Key_NumberSign},  {"4", Qt::Key_Dollar},    {"5", Qt::Key_Percent},
        {"6", Qt::Key_AsciiCircum}, {"7", Qt::Key_Ampersand}, {"8", Qt::Key_Asterisk},
        {"9", Qt::Key_ParenLeft},   {"=", Qt::Key_Plus},      {"-", Qt::Key_Underscore},
        {"/", Qt::Key_Question},    {".", Qt::Key_Greater},   {"'", Qt::Key_QuoteDbl},
    };
    const auto found = shifted.find(name);
    return found == shifted.end() ? 0 : found->second;
}

// A key name of KeyboardRows.h as the key event X11 delivers.
QtKey qtKeyFromName(std::string name) {
    Qt::KeyboardModifiers modifiers;
    for (const auto& [prefix, bit] :
         {std::pair{"Ctrl+", Qt::ControlModifier}, std::pair{"Alt+", Qt::AltModifier},
          std::pair{"Shift+", Qt::ShiftModifier}}) {
        const std::string p = prefix;
        while (name.size() > p.size() && name.compare(0, p.size(), p) == 0) {
            modifiers |= bit;
            name.erase(0, p.size());
        }
    }
    // The shifted names stand for Shift with their unshifted key.
    static const std::map<std::string, std::string> shiftedNames = {
        {"+", "="}, {"*", "8"}, {"\"", "'"}};
    if (const auto found = shiftedNames.find(name); found != shiftedNames.end()) {
        modifiers |= Qt::ShiftModifier;
        name = found->second;
    }
    if ((modifiers & Qt::ShiftModifier) && shiftedKey(name)) return {shiftedKey(name), modifiers};

    if (name.size() == 2 && name[0] == 'k' && std::isdigit(static_cast<unsigned char>(name[1])))
        return {Qt::Key_0 + (name[1] - '0'), modifiers | Qt::KeypadModifier};
    if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0])))
        return {Qt::Key_0 + (name[0] - '0'), modifiers};
    static const std::map<std::string, QtKey> named = {
        {"-", {Qt::Key_Minus, {}}},
        {"/", {Qt::Key_Slash, {}}},
        {".", {Qt::Key_Period, {}}},
        {"'", {Qt::Key_Apostrophe, {}}},
        {"=", {Qt::Key_Equal, {}}},
        {"k+", {Qt::Key_Plus, Qt::KeypadModifier}},
        {"k-", {Qt::Key_Minus, Qt::KeypadModifier}},
        {"k*", {Qt::Key_Asterisk, Qt::KeypadModifier}},
        {"k/", {Qt::Key_Slash, Qt::KeypadModifier}},
        {"k.", {Qt::Key_Period, Qt::KeypadModifier}},
        {"kEnter", {Qt::Key_Enter, Qt::KeypadModifier}},
        {"Enter", {Qt::Key_Return, {}}},
        {"Del", {Qt::Key_Delete, {}}},
        {"Back", {Qt::Key_Backspace, {}}},
        {"Esc", {Qt::Key_Escape, {}}},
    };
    if (const auto found = named.find(name); found != named.end())
        return {found->second.key, found->second.modifiers | modifiers};
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return {Qt::Key_A + (name[0] - 'A'), modifiers};
    ADD_FAILURE() << "unknown key name " << name;
    return {Qt::Key_unknown, {}};
}

class KeyboardWindowTest : public MainWindowTest {
  protected:
    // Decimal output, unit form None, as the rows of KeyboardRows.h expect.
    frmMain& startDecimalNone() {
        settings.values = {{"Output", "1"}, {"Format", "0"}};
        frmMain& shown = start();
        shown.setExportServices(saveDialog, fileWriter);
        return shown;
    }

    void type(const std::string& keys) {
        for (const std::string& name : keyNames(keys)) {
            const QtKey key = qtKeyFromName(name);
            QTest::keyClick(window.get(), Qt::Key(key.key), key.modifiers);
        }
    }

    QPlainTextEdit* Text1() const {
        frmHistory* history = window->historyWindow();
        return history ? history->findChild<QPlainTextEdit*>(QStringLiteral("Text1")) : nullptr;
    }

    // The tape as Text1 shows it, lines joined by CR LF.
    std::string tape() const {
        QPlainTextEdit* box = Text1();
        return box ? box->toPlainText()
                         .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                         .toStdString()
                   : std::string("<no history window>");
    }

    FakeSaveDialog saveDialog;
    FakeFileWriter fileWriter;
};

class KeyRowInWindow : public KeyboardWindowTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyRowInWindow, LeavesTheDisplayAndTheTape) {
    startDecimalNone();
    type(GetParam().keys);
    EXPECT_EQ(display(), GetParam().display) << GetParam().keys;
    EXPECT_EQ(tape(), GetParam().tape) << GetParam().keys;
    EXPECT_EQ(window->historyTape().text(), GetParam().tape);
}

INSTANTIATE_TEST_SUITE_P(Dispatch, KeyRowInWindow, ::testing::ValuesIn(dispatchRows()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Tape, KeyRowInWindow, ::testing::ValuesIn(tapeRows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardWindowTest, TheWorkedTapeExportsByteForByte) {
    startDecimalNone();
    type("5 + 3 Enter * 2 Enter 7 - 4 Enter Del Del 5 + -");
    QTemporaryDir folder;
    saveDialog.answer = folder.filePath(QStringLiteral("History")).toStdString();
    window->historyWindow()->mnuExport_Click();
    EXPECT_EQ(fileWriter.files.at(saveDialog.answer + ".txt"),
              "5\r\n+ 3\r\n= 8\r\n* 2\r\n= 16\r\n\r\n7\r\n- 4\r\n= 3\r\nclr\r\n\r\n5\r\n- \r\n");
}

TEST_F(KeyboardWindowTest, FractionalOutputLandsOnTheTapeAsShown) {
    start();
    type("5 ' + 3 Enter");
    EXPECT_EQ(display(), "5'3\"");
    EXPECT_EQ(tape(), "5'\r\n+ 3\r\n= 5'3\"");
}

TEST_F(KeyboardWindowTest, TheFirstKeyLoadsTheHistoryWindowHiddenAtItsSavedPlace) {
    settings.values = {{"HistTop", "1500"}, {"HistLeft", "3000"}};
    start();
    EXPECT_EQ(window->historyWindow(), nullptr);
    type("Q");
    ASSERT_NE(window->historyWindow(), nullptr);
    EXPECT_TRUE(window->historyWindow()->isLoaded());
    EXPECT_FALSE(window->historyWindow()->isVisible());
    EXPECT_EQ(window->historyWindow()->pos(), QPoint(200, 100));
}

TEST_F(KeyboardWindowTest, TheHistoryButtonShowsAndHidesTheWindowButKeepsTheTape) {
    startDecimalNone();
    type("5 +");
    click("cmdHistory");
    ASSERT_TRUE(window->historyWindow()->isVisible());
    EXPECT_EQ(window->historyWindow()->windowTitle(), "History - Plumbrule");
    EXPECT_EQ(tape(), "5\r\n+ ");
    window->historyWindow()->move(40, 60);
    click("cmdHistory");
    EXPECT_FALSE(window->historyWindow()->isVisible());
    EXPECT_EQ(settings.values["HistTop"], "900");
    EXPECT_EQ(settings.values["HistLeft"], "600");
    type("3 Enter");
    click("cmdHistory");
    EXPECT_TRUE(window->historyWindow()->isVisible());
    EXPECT_EQ(tape(), "5\r\n+ 3\r\n= 8");
}

TEST_F(KeyboardWindowTest, ShutDownClosesTheHistoryWindowWhichSavesItsPlace) {
    startDecimalNone();
    type("5");
    click("cmdHistory");
    window->historyWindow()->move(20, 30);
    window->close();
    EXPECT_EQ(settings.values["HistTop"], "450");
    EXPECT_EQ(settings.values["HistLeft"], "300");
    EXPECT_FALSE(window->historyWindow()->isLoaded());
}

TEST_F(KeyboardWindowTest, ShutDownWithoutAHistoryWindowSavesNoHistoryPlace) {
    start();
    window->close();
    EXPECT_EQ(settings.values.count("HistTop"), 0u);
    EXPECT_EQ(settings.values.count("HistLeft"), 0u);
}

TEST_F(KeyboardWindowTest, ClicksLeaveTheTapeAloneButTheirOperandsCount) {
    startDecimalNone();
    clickKeys("5+3=");
    EXPECT_EQ(window->historyTape().text(), "");
    type("+");
    clickKeys("2");
    type("+");
    EXPECT_EQ(display(), "10");
    EXPECT_EQ(tape(), "8\r\n+ 2\r\n= 10\r\n+ ");
}

TEST_F(KeyboardWindowTest, ClearOnTheHistoryWindowEmptiesTheTape) {
    startDecimalNone();
    type("5 + 3 Enter");
    window->historyWindow()->mnuClear_Click();
    EXPECT_EQ(tape(), "");
    type("* 2 Enter");
    EXPECT_EQ(tape(), "8\r\n* 2\r\n= 16");
}

TEST_F(KeyboardWindowTest, KeysReachTheKeyboardMapOnceFromTheNativeWindow) {
    startDecimalNone();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_7);
    QTest::keyClick(window->windowHandle(), Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(display(), "7");
    EXPECT_EQ(tape(), "7\r\n+ ");
}

TEST_F(KeyboardWindowTest, ARefusedKeyLeavesTheTapeCaretWhereItIs) {
    startDecimalNone();
    type("5 + 123456789012345");
    QPlainTextEdit* box = Text1();
    QTextCursor start = box->textCursor();
    start.movePosition(QTextCursor::Start);
    box->setTextCursor(start);
    type("6 .");
    EXPECT_EQ(display(), "123456789012345");
    EXPECT_EQ(box->textCursor().position(), 0);
    type("Q");
    EXPECT_TRUE(box->textCursor().atEnd());
}

TEST_F(KeyboardWindowTest, TheFocusComesBackToTheMainWindow) {
    startDecimalNone();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* keys : {"5", "+", "Q", "Enter"}) {
        window->clearFocus();
        type(keys);
        EXPECT_TRUE(window->hasFocus()) << keys;
    }
}

TEST_F(KeyboardWindowTest, EscapeDoesNotCloseTheMainWindow) {
    startDecimalNone();
    type("Esc");
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace plumbrule::testing
