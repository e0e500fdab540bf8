// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "history/HistoryTape.h"

namespace plumbrule::testing {

// Follows the tape the way the history window does: replays the listener's
// notifications on a copy, so a test checks that they always add up to the
// tape, and counts the moves of the caret to the end.
class TapeMirror : public HistoryTapeListener {
  public:
    void tapeAppended(std::string_view text) override { mirror.append(text); }
    void tapeTailReplaced(std::string_view removed, std::string_view text) override {
        ASSERT_GE(mirror.size(), removed.size());
        ASSERT_EQ(mirror.substr(mirror.size() - removed.size()), removed);
        mirror.resize(mirror.size() - removed.size());
        mirror.append(text);
    }
    void tapeCleared() override { mirror.clear(); }
    void tapeCaretToEnd() override { ++caretMoves; }

    std::string mirror;
    int caretMoves = 0;
};

}  // namespace plumbrule::testing
