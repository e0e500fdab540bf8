// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stair window opened from the main window's Stair Calculator button.
#include <QLineEdit>

#include "support/MainWindowFixture.h"
#include "tools/ToolTable.h"
#include "tools/frmStair.h"

namespace plumbrule::testing {
namespace {

using StairFromMain = MainWindowTest;

TEST_F(StairFromMain, OneWindowBroughtForwardAndClosedAtShutDown) {
    start();
    click("cmdStair");
    frmStair* stair = window->stairWindow();
    ASSERT_NE(stair, nullptr);
    EXPECT_TRUE(stair->isVisible());
    EXPECT_EQ(stair->windowTitle(), "Stair Calculator");
    stair->findChild<QLineEdit*>("Text1_2")->setText("100");
    click("cmdStair");
    EXPECT_EQ(window->stairWindow(), stair);
    EXPECT_EQ(window->findChildren<frmStair*>().size(), 1);
    EXPECT_EQ(stair->findChild<QLineEdit*>("Text1_2")->text(), "100");
    EXPECT_FALSE(stair->isModal());

    QPointer<frmStair> watched(stair);
    window->close();
    EXPECT_TRUE(!watched || !watched->isVisible());
}

TEST_F(StairFromMain, KeysTypedInTheStairWindowStayThere) {
    start();
    click("cmdStair");
    auto* box = window->stairWindow()->findChild<QLineEdit*>("Text1_2");
    box->setFocus();
    QTest::keyClicks(box, "100");
    EXPECT_EQ(box->text(), "100");
    EXPECT_EQ(display(), "0");
}

TEST_F(StairFromMain, ClosingUnloadsSoTheNextOpeningStartsAfresh) {
    start();
    click("cmdStair");
    QPointer<frmStair> first(window->stairWindow());
    first->findChild<QLineEdit*>("Text1_2")->setText("100");
    QTest::mouseClick(first->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    click("cmdStair");
    ASSERT_NE(window->stairWindow(), nullptr);
    EXPECT_EQ(window->stairWindow()->findChild<QLineEdit*>("Text1_2")->text(), "");
}

TEST_F(StairFromMain, WithinARunTheButtonOpensTheTabLastUsed) {
    start();
    click("cmdStair");
    EXPECT_EQ(window->stairWindow()->currentTool(), toolIndex("--stair"));
    window->stairWindow()->showTool(toolIndex("--area"));
    QTest::mouseClick(window->stairWindow()->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("cmdStair");
    EXPECT_EQ(window->stairWindow()->currentTool(), toolIndex("--area"));
    EXPECT_EQ(window->stairWindow()->windowTitle(), "Area and Volume");
}

TEST_F(StairFromMain, TheOverallDimensionFollowsTheMainWindowsOutputForm) {
    start();
    click("cmdStair");
    frmStair* stair = window->stairWindow();
    stair->findChild<QLineEdit*>("Text1_2")->setText("100");
    stair->findChild<QLineEdit*>("Text1_0")->setText("7.5");
    QTest::mouseClick(stair->findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(stair->findChild<QLabel*>("lblRiser")->text(), "14 Risers @ 7.14\" = 8'4\"");

    clickOption(1);          // decimal
    select("cmbFormat", 0);  // None
    QTest::mouseClick(stair->findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(stair->findChild<QLabel*>("lblRiser")->text(), "14 Risers @ 7.14\" = 100");
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace plumbrule::testing
