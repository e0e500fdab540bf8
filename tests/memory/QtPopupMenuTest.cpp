// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtPopupMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <vector>

#include "memory/MemoryPictures.h"

namespace plumbrule {
namespace {

class QtMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.setGeometry(20, 30, 298, 194);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        cp.setClickHandler([this](std::int32_t position) { clicked.push_back(position); });
        cp.AddMenuItem("Clear", 0);
        cp.AddMenuItem("-", -1);
        cp.AddMenuItem("5'3-1/2\"", 1);
        cp.AddMenuItem("R&D", 1);
    }
    void TearDown() override {
        if (cp.menu()) cp.menu()->close();
    }

    QWidget owner;
    QtPopupMenu cp{owner, MemoryPictures()};
    std::vector<std::int32_t> clicked;
};

TEST_F(QtMenu, ShowsTheItemsWithPicturesAndASeparatorWithoutBlocking) {
    cp.ShowAt(4380, 1312);
    QMenu* menu = cp.menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->objectName(), "cp");
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "Clear");
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "5'3-1/2\"");
    EXPECT_FALSE(actions[2]->icon().isNull());
    EXPECT_EQ(actions[3]->text(), "R&&D");  // shown as "R&D", not as a shortcut
    // Opened at the given twips of the owner's client area.
    EXPECT_EQ(menu->pos(), owner.mapToGlobal(QPoint(292, 87)));
}

TEST_F(QtMenu, ChoosingAnItemRaisesClickWithItsPosition) {
    cp.ShowAt(0, 0);
    const QList<QAction*> actions = cp.menu()->actions();
    actions[2]->trigger();
    actions[0]->trigger();
    EXPECT_EQ(clicked, (std::vector<std::int32_t>{3, 1}));
    // Showing again rebuilds the menu; old actions raise nothing twice.
    cp.RemoveMenuItem(3);
    cp.ShowAt(0, 0);
    ASSERT_EQ(cp.menu()->actions().size(), 3);
    cp.menu()->actions()[2]->trigger();
    EXPECT_EQ(clicked, (std::vector<std::int32_t>{3, 1, 3}));
}

TEST_F(QtMenu, KeepsNamedCopiesAndIgnoresPositionsItDoesNotHave) {
    cp.SaveMenu("Recall");
    cp.RemoveMenuItem(3);
    cp.RemoveMenuItem(0);
    cp.RemoveMenuItem(99);
    EXPECT_EQ(cp.ItemCount(), 3);
    EXPECT_EQ(cp.ItemCaption(3), "R&D");
    EXPECT_EQ(cp.ItemCaption(4), "");
    cp.LoadMenu("Other");  // never saved: nothing changes
    EXPECT_EQ(cp.ItemCount(), 3);
    cp.LoadMenu("Recall");
    EXPECT_EQ(cp.ItemCount(), 4);
    EXPECT_EQ(cp.ItemCaption(3), "5'3-1/2\"");
}

TEST(MemoryPictures, TwoSixteenPixelPictures) {
    const QList<QIcon> pictures = MemoryPictures();
    ASSERT_EQ(pictures.size(), 2);
    for (const QIcon& picture : pictures) {
        EXPECT_FALSE(picture.pixmap(16, 16).isNull());
        EXPECT_EQ(picture.pixmap(16, 16).size(), QSize(16, 16));
    }
}

}  // namespace
}  // namespace plumbrule
