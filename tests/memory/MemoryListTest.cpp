// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "memory/MemoryList.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "entry/SavedSettings.h"
#include "support/FakePopupMenu.h"

namespace plumbrule {
namespace {

using testing::FakePopupMenu;
using Item = PopupMenuItems::Item;

std::vector<Item> fixedItems() {
    return {{"Clear", 0}, {"-", -1}};
}

std::vector<Item> withStored(const std::vector<std::string>& texts) {
    std::vector<Item> items = fixedItems();
    for (const std::string& text : texts) items.push_back({text, 1});
    return items;
}

// What the user sees when the menu opens.
std::vector<Item> shownItems(MemoryList& memory, FakePopupMenu& cp) {
    memory.cmdRecall_Click(3510, 1170, 870, 285);
    return cp.shown.back().items;
}

TEST(MemoryList, SetUpBuildsClearAndSeparatorUnderRecall) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    EXPECT_EQ(cp.items(), fixedItems());
    // The named copy holds them: a change not saved is undone by the next load.
    cp.AddMenuItem("stray", 1);
    EXPECT_EQ(shownItems(memory, cp), fixedItems());
}

TEST(MemoryList, ElevenStoresWithCapacityTenKeepTheSecondToTheEleventh) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    std::vector<std::string> stored;
    for (int i = 1; i <= 11; ++i) {
        memory.cmdStore_Click(std::to_string(i) + "'");
        stored.push_back(std::to_string(i) + "'");
    }
    stored.erase(stored.begin());
    EXPECT_EQ(shownItems(memory, cp), withStored(stored));
}

TEST(MemoryList, StoresAnyDisplayTextAsItIsAndDuplicatesTwice) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    memory.cmdStore_Click("0");
    memory.cmdStore_Click("3-1/");
    memory.cmdStore_Click("");
    memory.cmdStore_Click("5'3-1/2\"");
    memory.cmdStore_Click("5'3-1/2\"");
    EXPECT_EQ(shownItems(memory, cp), withStored({"0", "3-1/", "", "5'3-1/2\"", "5'3-1/2\""}));
}

TEST(MemoryList, ClearEmptiesTheListAndIsHarmlessWhenEmpty) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    EXPECT_EQ(memory.cp_Click(kClearItem), std::nullopt);
    EXPECT_EQ(shownItems(memory, cp), fixedItems());

    for (const char* text : {"1", "2", "3"}) memory.cmdStore_Click(text);
    EXPECT_EQ(memory.cp_Click(kClearItem), std::nullopt);
    EXPECT_EQ(shownItems(memory, cp), fixedItems());
    // The list fills again from the start.
    memory.cmdStore_Click("4");
    EXPECT_EQ(shownItems(memory, cp), withStored({"4"}));
}

TEST(MemoryList, RecallOpensAtTheButtonsRightEdgeLevelWithItsMiddle) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    memory.cmdRecall_Click(3510, 1170, 870, 285);  // 1312.5 rounds to even
    ASSERT_EQ(cp.shown.size(), 1u);
    EXPECT_EQ(cp.shown[0].x, 4380);
    EXPECT_EQ(cp.shown[0].y, 1312);
    memory.cmdRecall_Click(0, 1, 10, 3);  // 2.5 rounds to even
    EXPECT_EQ(cp.shown[1].y, 2);
    memory.cmdRecall_Click(0, 2, 10, 3);  // 3.5 rounds to even
    EXPECT_EQ(cp.shown[2].y, 4);
}

TEST(MemoryList, ChoosingAStoredTextGivesItAndNothingElseDoes) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    memory.cmdStore_Click("5'");
    memory.cmdStore_Click("7-1/2");
    EXPECT_EQ(memory.cp_Click(3), "5'");
    EXPECT_EQ(memory.cp_Click(4), "7-1/2");
    EXPECT_EQ(memory.cp_Click(2), std::nullopt);  // the separator
    EXPECT_EQ(memory.cp_Click(5), std::nullopt);
    EXPECT_EQ(memory.cp_Click(0), std::nullopt);
    EXPECT_EQ(memory.cp_Click(-1), std::nullopt);
    // Choosing does not change the list.
    EXPECT_EQ(shownItems(memory, cp), withStored({"5'", "7-1/2"}));
}

TEST(MemoryList, TheMenusClickReachesTheHandler) {
    FakePopupMenu cp;
    MemoryList memory(cp, 10);
    std::vector<std::string> recalled;
    cp.setClickHandler([&](std::int32_t position) {
        if (auto text = memory.cp_Click(position)) recalled.push_back(*text);
    });
    memory.cmdStore_Click("42");
    memory.cmdRecall_Click(0, 0, 10, 10);
    cp.choose(2);  // a separator cannot be chosen
    cp.choose(3);
    EXPECT_EQ(recalled, std::vector<std::string>{"42"});
    cp.choose(1);
    EXPECT_EQ(shownItems(memory, cp), fixedItems());
}

struct ListCountRow {
    SettingsStore::Value saved;
    std::int32_t lngListCount;
};

void PrintTo(const ListCountRow& row, std::ostream* out) {
    *out << (row.saved.exists ? "\"" + row.saved.text + "\"" : std::string("absent"));
}

class ListCountSetting : public ::testing::TestWithParam<ListCountRow> {};

TEST_P(ListCountSetting, ReadsTheCapacityAndKeepsThatManyTexts) {
    const ListCountRow& row = GetParam();
    const std::int32_t count = ReadListCount(row.saved);
    EXPECT_EQ(count, row.lngListCount);

    FakePopupMenu cp;
    MemoryList memory(cp, count);
    std::vector<std::string> stored;
    for (int i = 1; i <= row.lngListCount + 2; ++i) {
        memory.cmdStore_Click(std::to_string(i));
        stored.push_back(std::to_string(i));
    }
    stored.erase(stored.begin(), stored.begin() + 2);  // the two oldest went
    EXPECT_EQ(shownItems(memory, cp), withStored(stored));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ListCountSetting,
    ::testing::Values(ListCountRow{{"1", true}, 1}, ListCountRow{{"3", true}, 3},
                      ListCountRow{{"0", true}, 10}, ListCountRow{{"-5", true}, 10},
                      ListCountRow{{"x", true}, 10}, ListCountRow{{"", false}, 10},
                      ListCountRow{{"", true}, 10}, ListCountRow{{"2.5", true}, 2},
                      ListCountRow{{"99999999999", true}, 10}));

TEST(MemoryList, ACapacityBelowOneIsTakenAsTen) {
    for (const std::int32_t capacity : {0, -5, INT_MIN}) {
        FakePopupMenu cp;
        MemoryList memory(cp, capacity);
        EXPECT_EQ(memory.lngListCount(), 10) << capacity;
        for (int i = 0; i < 12; ++i) memory.cmdStore_Click("1");
        EXPECT_EQ(cp.ItemCount(), 12) << capacity;
    }
}

TEST(MemoryList, TheLargestCapacityNeverCountsAsFull) {
    FakePopupMenu cp;
    MemoryList memory(cp, INT_MAX);
    for (int i = 0; i < 20; ++i) memory.cmdStore_Click("1");
    EXPECT_EQ(cp.ItemCount(), 22);
}

}  // namespace
}  // namespace plumbrule
