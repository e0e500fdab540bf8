// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/KeyTranslation.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <vector>

#include "platform/KeyPreview.h"

namespace plumbrule {
namespace {

struct KeyRow {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int KeyCode;
    int Shift;
};

void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << row.name;
}

class TranslateKeyRow : public ::testing::TestWithParam<KeyRow> {};

// Each row is a key event as X11 delivers it for a US keyboard, or for
// another layout where marked.
TEST_P(TranslateKeyRow, GivesTheUsVirtualKeyAndMask) {
    const KeyRow& row = GetParam();
    const QKeyEvent event(QEvent::KeyPress, row.qtKey, row.modifiers);
    EXPECT_EQ(TranslateKey(event), (KeyPress{row.KeyCode, row.Shift})) << row.name;
}

constexpr auto none = Qt::NoModifier;
constexpr auto shift = Qt::ShiftModifier;
constexpr auto ctrl = Qt::ControlModifier;
constexpr auto alt = Qt::AltModifier;
constexpr auto keypad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    X11, TranslateKeyRow,
    ::testing::Values(
        KeyRow{"0", Qt::Key_0, none, 48, 0}, KeyRow{"5", Qt::Key_5, none, 53, 0},
        KeyRow{"9", Qt::Key_9, none, 57, 0}, KeyRow{"8", Qt::Key_8, none, 56, 0},
        KeyRow{"Shift+8", Qt::Key_Asterisk, shift, 56, 1},
        KeyRow{"Ctrl+Shift+8", Qt::Key_Asterisk, shift | ctrl, 56, 3},
        KeyRow{"Ctrl+8", Qt::Key_8, ctrl, 56, 2}, KeyRow{"Shift+1", Qt::Key_Exclam, shift, 49, 1},
        KeyRow{"Shift+0", Qt::Key_ParenRight, shift, 48, 1},
        KeyRow{"=", Qt::Key_Equal, none, 187, 0}, KeyRow{"Shift+=", Qt::Key_Plus, shift, 187, 1},
        KeyRow{"Ctrl+=", Qt::Key_Equal, ctrl, 187, 2},
        KeyRow{"'", Qt::Key_Apostrophe, none, 222, 0},
        KeyRow{"Shift+'", Qt::Key_QuoteDbl, shift, 222, 1},
        KeyRow{"Ctrl+'", Qt::Key_Apostrophe, ctrl, 222, 2},
        KeyRow{"Alt+'", Qt::Key_Apostrophe, alt, 222, 4},
        KeyRow{"Ctrl+Shift+'", Qt::Key_QuoteDbl, shift | ctrl, 222, 3},
        KeyRow{"-", Qt::Key_Minus, none, 189, 0},
        KeyRow{"Shift+-", Qt::Key_Underscore, shift, 189, 1},
        KeyRow{".", Qt::Key_Period, none, 190, 0},
        KeyRow{"Shift+.", Qt::Key_Greater, shift, 190, 1}, KeyRow{"/", Qt::Key_Slash, none, 191, 0},
        KeyRow{"Shift+/", Qt::Key_Question, shift, 191, 1}, KeyRow{"F", Qt::Key_F, none, 70, 0},
        KeyRow{"Shift+F", Qt::Key_F, shift, 70, 1}, KeyRow{"Ctrl+F", Qt::Key_F, ctrl, 70, 2},
        KeyRow{"N", Qt::Key_N, none, 78, 0}, KeyRow{"A", Qt::Key_A, none, 65, 0},
        KeyRow{"Z", Qt::Key_Z, none, 90, 0}, KeyRow{"Backspace", Qt::Key_Backspace, none, 8, 0},
        KeyRow{"Return", Qt::Key_Return, none, 13, 0},
        KeyRow{"Delete", Qt::Key_Delete, none, 46, 0},
        KeyRow{"Escape", Qt::Key_Escape, none, 27, 0}, KeyRow{"F1", Qt::Key_F1, none, 112, 0},
        KeyRow{"Space", Qt::Key_Space, none, 32, 0}, KeyRow{"Left", Qt::Key_Left, none, 37, 0},
        // The keypad, told apart by the keypad modifier.
        KeyRow{"KP0", Qt::Key_0, keypad, 96, 0}, KeyRow{"KP7", Qt::Key_7, keypad, 103, 0},
        KeyRow{"KP9", Qt::Key_9, keypad, 105, 0}, KeyRow{"KP*", Qt::Key_Asterisk, keypad, 106, 0},
        KeyRow{"KP+", Qt::Key_Plus, keypad, 107, 0}, KeyRow{"KP-", Qt::Key_Minus, keypad, 109, 0},
        KeyRow{"KP.", Qt::Key_Period, keypad, 110, 0}, KeyRow{"KP/", Qt::Key_Slash, keypad, 111, 0},
        KeyRow{"KP Enter", Qt::Key_Enter, keypad, 13, 0},
        KeyRow{"Shift+KP+", Qt::Key_Plus, keypad | shift, 107, 1},
        KeyRow{"Ctrl+KP5", Qt::Key_5, keypad | ctrl, 101, 2},
        KeyRow{"KP Delete (Num Lock off)", Qt::Key_Delete, keypad, 46, 0},
        // Presses of the modifiers themselves, with or without their own bit.
        KeyRow{"Shift", Qt::Key_Shift, none, 16, 1},
        KeyRow{"Shift bit", Qt::Key_Shift, shift, 16, 1},
        KeyRow{"Ctrl", Qt::Key_Control, none, 17, 2},
        KeyRow{"Ctrl bit", Qt::Key_Control, ctrl, 17, 2}, KeyRow{"Alt", Qt::Key_Alt, none, 18, 4},
        KeyRow{"Alt bit", Qt::Key_Alt, alt, 18, 4},
        KeyRow{"Ctrl then Shift", Qt::Key_Shift, ctrl, 16, 3},
        // Other layouts: the character decides, not the Shift held.
        KeyRow{"ca Shift+, types '", Qt::Key_Apostrophe, shift, 222, 0},
        KeyRow{"de + without Shift", Qt::Key_Plus, none, 187, 1},
        KeyRow{"de Shift+0 types =", Qt::Key_Equal, shift, 187, 0},
        KeyRow{"fr Shift+5 types 5", Qt::Key_5, shift, 53, 0},
        KeyRow{"fr * without Shift", Qt::Key_Asterisk, none, 56, 1},
        KeyRow{"on-screen \"", Qt::Key_QuoteDbl, none, 222, 1},
        KeyRow{"us intl dead '", Qt::Key_Dead_Acute, none, 222, 0},
        KeyRow{"us intl dead \"", Qt::Key_Dead_Diaeresis, shift, 222, 1},
        KeyRow{"us intl Ctrl+dead '", Qt::Key_Dead_Acute, ctrl, 222, 2},
        KeyRow{"de keypad decimal prints ,", Qt::Key_Comma, keypad, 110, 0},
        // A key no US keyboard has gets no code.
        KeyRow{"Euro sign", Qt::Key_unknown, none, 0, 0},
        KeyRow{"e acute", Qt::Key_Eacute, none, 0, 0}),
    [](const ::testing::TestParamInfo<KeyRow>& info) {
        return "row" + std::to_string(info.index);
    });

// A window with a text box that holds the focus, watched by a key preview.
class KeyPreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        box = new QLineEdit(window.get());
        layout->addWidget(box);
        new KeyPreview(window.get(), [this](const KeyPress& key) { seen.push_back(key); });
        window->show();
        box->setFocus();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* box = nullptr;
    std::vector<KeyPress> seen;
};

TEST_F(KeyPreviewTest, SeesEveryPressOnceAndLeavesItToTheFocusedControl) {
    QTest::keyClick(box, Qt::Key_5);
    QTest::keyClick(box, Qt::Key_5);
    QTest::keyClick(box, Qt::Key_Apostrophe);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (KeyPress{53, 0}));
    EXPECT_EQ(seen[2], (KeyPress{222, 0}));
    EXPECT_EQ(box->text(), "55'");  // not consumed
}

TEST_F(KeyPreviewTest, AKeyTheControlIgnoresTravelsOnButCountsOnce) {
    // A line edit ignores F5, so it goes on to the window: still one press.
    QTest::keyClick(box, Qt::Key_F5);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(KeyPreviewTest, SeesKeysSentToTheWindowItself) {
    // Like X11, QTest presses Shift itself first.
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ShiftModifier);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (KeyPress{16, 1}));
    EXPECT_EQ(seen[1], (KeyPress{187, 1}));
}

TEST_F(KeyPreviewTest, SeesNativeWindowKeysOnce) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QTest::keyClick(window->windowHandle(), Qt::Key_7);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(KeyPreviewTest, KeysTypedIntoABoxTheHandlerOpensDoNotRepeatThePress) {
    // The handler of the first press types into another window, as a user
    // does into an error box the key opened; the press then goes on to the
    // focused control and must not reach the handler a second time.
    QLineEdit box2;
    box2.show();
    bool typed = false;
    window.reset();
    window = std::make_unique<QWidget>();
    new KeyPreview(window.get(), [&](const KeyPress& key) {
        seen.push_back(key);
        if (!typed) {
            typed = true;
            QTest::keyClick(&box2, Qt::Key_Return);
        }
    });
    auto* layout = new QVBoxLayout(window.get());
    box = new QLineEdit(window.get());
    layout->addWidget(box);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    box->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_5);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(box->text(), "5");
}

// Stands in for the desktop's accessibility bridge: it swallows every press
// the system delivers and posts a copy of it to the same receiver later, as
// the bridge does once a screen reader has asked the registry about keys.
class HoldAndRepost : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !event->spontaneous()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        QCoreApplication::postEvent(
            watched,
            new QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                          key->nativeVirtualKey(), key->nativeModifiers(), key->text()));
        return true;
    }
};

TEST_F(KeyPreviewTest, APressTheAccessibilityBridgeHoldsCountsOnceWhicheverFilterRunsFirst) {
    for (const bool bridgeFirst : {true, false}) {
        SCOPED_TRACE(bridgeFirst ? "bridge filter runs first" : "key preview runs first");
        HoldAndRepost bridge;
        seen.clear();
        box->clear();
        window.reset();
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        box = new QLineEdit(window.get());
        layout->addWidget(box);
        // The filter installed last runs first.
        if (!bridgeFirst) qApp->installEventFilter(&bridge);
        new KeyPreview(window.get(), [this](const KeyPress& key) { seen.push_back(key); });
        if (bridgeFirst) qApp->installEventFilter(&bridge);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        box->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_7);
        QCoreApplication::processEvents();
        EXPECT_EQ(seen.size(), 1u);
        EXPECT_EQ(box->text(), "7");
    }
}

TEST_F(KeyPreviewTest, IgnoresOtherWindows) {
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_5);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(other.text(), "5");
}

}  // namespace
}  // namespace plumbrule
