// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryTape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TapeMirror.h"

namespace plumbrule {
namespace {

using testing::TapeMirror;

TEST(RecordHistory, AppendsEveryEntryButChangeOpUnchanged) {
    HistoryTape tape;
    RecordHistory(tape, "5", 1);
    RecordHistory(tape, "\r\n+ ", 1);
    RecordHistory(tape, "changeop", 1);  // only the exact word is the command
    EXPECT_EQ(tape.text(), "5\r\n+ changeop");
}

struct ChangeOpRow {
    std::string before;
    std::int32_t op;
    std::string after;
};

class ChangeOp : public ::testing::TestWithParam<ChangeOpRow> {};

TEST_P(ChangeOp, ReplacesTheLastTwoCharactersByTheToken) {
    const ChangeOpRow& row = GetParam();
    HistoryTape tape;
    TapeMirror view;
    tape.setListener(&view);
    RecordHistory(tape, row.before, 0);
    RecordHistory(tape, "ChangeOp", row.op);
    EXPECT_EQ(tape.text(), row.after);
    EXPECT_EQ(view.mirror, row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ChangeOp,
    ::testing::Values(ChangeOpRow{"5\r\n+ ", 1, "5\r\n+ "}, ChangeOpRow{"5\r\n+ ", 2, "5\r\n- "},
                      ChangeOpRow{"5\r\n+ ", 3, "5\r\n* "}, ChangeOpRow{"5\r\n- ", 4, "5\r\n/ "},
                      // A code without a token only shortens the tape.
                      ChangeOpRow{"5\r\n+ ", 0, "5\r\n"}, ChangeOpRow{"5\r\n+ ", 7, "5\r\n"},
                      // A tape cleared between two operator keys: what there
                      // is goes, then the token.
                      ChangeOpRow{"", 2, "- "}, ChangeOpRow{"5", 3, "* "}));

TEST(HistoryTape, ListenerFollowsAppendsReplacementsAndClear) {
    HistoryTape tape;
    TapeMirror view;
    tape.setListener(&view);
    tape.append("5\r\n+ ");
    tape.replaceLastTwo("- ");
    tape.append("3\r\n= 2");
    EXPECT_EQ(view.mirror, "5\r\n- 3\r\n= 2");
    tape.moveCaretToEnd();
    EXPECT_EQ(view.caretMoves, 1);
    tape.clear();
    EXPECT_TRUE(tape.empty());
    EXPECT_EQ(view.mirror, "");
}

TEST(HistoryTape, KeepsItsTextWithoutAListener) {
    HistoryTape tape;
    TapeMirror view;
    tape.setListener(&view);
    tape.append("5");
    tape.setListener(nullptr);  // the window was closed: the tape stays
    tape.append("\r\n+ ");
    tape.moveCaretToEnd();
    EXPECT_EQ(tape.text(), "5\r\n+ ");
    EXPECT_EQ(view.mirror, "5");
}

TEST(OperatorToken, IsTheSignAndOneBlank) {
    EXPECT_EQ(OperatorToken(1), "+ ");
    EXPECT_EQ(OperatorToken(2), "- ");
    EXPECT_EQ(OperatorToken(3), "* ");
    EXPECT_EQ(OperatorToken(4), "/ ");
    EXPECT_EQ(OperatorToken(0), "");
    EXPECT_EQ(OperatorToken(-1), "");
}

}  // namespace
}  // namespace plumbrule
