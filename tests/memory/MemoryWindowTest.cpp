// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The memory through the real main window: Store, Recall and the menu's
// choice, on the offscreen platform.
#include <QAction>
#include <QMenu>

#include "platform/QtPopupMenu.h"
#include "support/MainWindowFixture.h"

namespace plumbrule::testing {
namespace {

class MemoryWindow : public MainWindowTest {
  protected:
    // Opens the list with the Recall button and returns the captions shown.
    QStringList recallMenu() {
        click("cmdRecall");
        QMenu* menu = window->memoryMenu() ? window->memoryMenu()->menu() : nullptr;
        EXPECT_NE(menu, nullptr);
        if (!menu) return {};
        EXPECT_TRUE(menu->isVisible());
        QStringList captions;
        for (const QAction* action : menu->actions()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return captions;
    }
    // Opens the list and chooses the item at that 1-based position.
    void choose(int position) {
        recallMenu();
        QMenu* menu = window->memoryMenu()->menu();
        menu->actions().at(position - 1)->trigger();
        menu->close();
    }
};

TEST_F(MemoryWindow, StoresDisplayTextsAndRecallsThem) {
    start();
    EXPECT_EQ(recallMenu(), (QStringList{"Clear", "-"}));
    click("cmdStore");  // right after start-up: "0"
    clickKeys("5f3");
    click("cmdStore");
    EXPECT_EQ(recallMenu(), (QStringList{"Clear", "-", "0", "5'3"}));
    // A picture of the open list for the documentation, when asked for.
    const QString folder = qEnvironmentVariable("PLUMBRULE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        window->memoryMenu()->menu()->grab().save(folder + QStringLiteral("/plumbrule-memory.png"));
    }
    // The menu opens at the right edge of the Recall button, level with its middle.
    const QPushButton* recall = control<QPushButton>("cmdRecall");
    EXPECT_EQ(window->memoryMenu()->menu()->pos(),
              recall->mapToGlobal(QPoint(recall->width(), recall->height() / 2)));
    choose(1);  // Clear
    EXPECT_EQ(recallMenu(), (QStringList{"Clear", "-"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MemoryWindow, RecallWhileTypingIsAppendedToAfterEqualsIsReplaced) {
    start();
    clickKeys("7");
    click("cmdStore");
    clickKeys("C5f");
    choose(3);
    EXPECT_EQ(display(), "7");
    clickKeys("3");
    EXPECT_EQ(display(), "73");

    clickKeys("C5+3=");
    EXPECT_EQ(display(), "0'8\"");
    choose(3);
    EXPECT_EQ(display(), "7");
    clickKeys("3");
    EXPECT_EQ(display(), "3");
}

TEST_F(MemoryWindow, ARecalledOperandIsEvaluated) {
    start();
    clickKeys("3");
    click("cmdStore");
    clickKeys("C5+");
    choose(3);
    clickKeys("=");
    EXPECT_EQ(display(), "0'8\"");
}

TEST_F(MemoryWindow, ARecalledOperandAfterKeyboardOperatorIsEvaluatedByEnterOrOperator) {
    constexpr int kFive = 53, kPlusKey = 187, kShift = 1, kEnter = 13;
    start();
    clickKeys("3");
    click("cmdStore");
    clickKeys("C");
    window->Form_KeyDown(kFive, 0);
    window->Form_KeyDown(kPlusKey, kShift);
    choose(3);
    window->Form_KeyDown(kEnter, 0);
    EXPECT_EQ(display(), "0'8\"");

    // A recall begins a new entry, so a keyboard operator evaluates it too.
    clickKeys("C");
    window->Form_KeyDown(kFive, 0);
    window->Form_KeyDown(kPlusKey, kShift);
    choose(3);
    window->Form_KeyDown(kPlusKey, kShift);
    EXPECT_EQ(display(), "0'8\"");
    EXPECT_TRUE(messages.shown.empty());
}

struct Capacity {
    const char* listCount;  // nullptr: absent
    int kept;
};

void PrintTo(const Capacity& row, std::ostream* out) {
    *out << "ListCount " << (row.listCount ? row.listCount : "absent");
}

class MemoryCapacity : public MemoryWindow, public ::testing::WithParamInterface<Capacity> {};

TEST_P(MemoryCapacity, KeepsTheNewestTexts) {
    if (GetParam().listCount) settings.values["ListCount"] = GetParam().listCount;
    start();
    EXPECT_EQ(window->lngListCount(), GetParam().kept);
    QStringList expected{"Clear", "-"};
    const int stores = GetParam().kept + 1;
    for (int i = 1; i <= stores; ++i) {
        clickKeys("C" + std::to_string(i));
        click("cmdStore");
        if (i > 1) expected << QString::number(i);
    }
    EXPECT_EQ(recallMenu(), expected);
    // "ListCount" is only read.
    click("cmdStore");
    window->close();
    EXPECT_EQ(settings.values.count("ListCount"), GetParam().listCount ? 1u : 0u);
}

// The saved value's readings are MemoryList's (ListCountSetting); here the
// window's wiring of one: absent, and a capacity of its own.
INSTANTIATE_TEST_SUITE_P(ListCount, MemoryCapacity,
                         ::testing::Values(Capacity{nullptr, 10}, Capacity{"3", 3}));

}  // namespace
}  // namespace plumbrule::testing
