// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window opened from the main window's About button. The About
// window is the modal dialog this test expects, so it keeps its own guard
// instead of the window tests' watchdog for unexpected dialogs.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "about/frmAbout.h"
#include "mainwindow/frmMain.h"
#include "support/FakeMessageDialog.h"
#include "support/FakeSettingsStore.h"

namespace plumbrule::testing {
namespace {

class AboutFromMain : public ::testing::Test {
  protected:
    void SetUp() override {
        window.Form_Load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString display() const { return window.findChild<QLabel*>("lblDisplay")->text(); }

    // A click given to the main window's platform window, so modality applies.
    void clickThroughWindowSystem(const char* name) {
        auto* button = window.findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        const QPoint at = button->mapTo(&window, button->rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
    }

    // Clicks About; `whileOpen` runs once the About window is up. A modal
    // window still open after five seconds fails the test and is closed.
    void openAbout(const std::function<void(frmAbout&)>& whileOpen) {
        QTimer::singleShot(0, &window, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            whileOpen(*about);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &window, [] {
            ADD_FAILURE() << "the About window stayed open";
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        guard.start(5000);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdAbout"), Qt::LeftButton);
    }

    FakeMessageDialog messages;
    FakeSettingsStore settings;
    frmMain window{messages, settings};
};

TEST_F(AboutFromMain, OpensModallyOverTheMainWindowTwiceAlike) {
    for (int opening = 0; opening < 2; ++opening) {
        bool seen = false;
        openAbout([&](frmAbout& about) {
            seen = true;
            EXPECT_EQ(about.parentWidget(), &window);
            EXPECT_EQ(about.windowTitle(), "About Plumbrule");
            EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.5.0");
            // Clicks on the main window do nothing while it is open.
            clickThroughWindowSystem("cmdNum_7");
            EXPECT_EQ(display(), "0");
            QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    clickThroughWindowSystem("cmdNum_7");
    EXPECT_EQ(display(), "7");
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace plumbrule::testing
