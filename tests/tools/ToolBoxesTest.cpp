// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolBoxes.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

namespace plumbrule {
namespace {

struct LengthBox {
    std::string text;
    double inches;
    bool plain;
};

void PrintTo(const LengthBox& row, std::ostream* out) {
    *out << row.text;
}

class LengthBoxReader : public ::testing::TestWithParam<LengthBox> {};

TEST_P(LengthBoxReader, ReadsWhatTheCalculatorReadsOrPastes) {
    EXPECT_DOUBLE_EQ(readLengthBox(GetParam().text), GetParam().inches);
    EXPECT_EQ(isPlainNumber(GetParam().text), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LengthBoxReader,
    ::testing::Values(LengthBox{"106.5", 106.5, true}, LengthBox{" 7 ", 7, true},
                      LengthBox{"8'10-1/2\"", 106.5, false}, LengthBox{"8' 10 1/2\"", 106.5, false},
                      LengthBox{"10-3/4\"", 10.75, false}, LengthBox{"1/2\"", 0.5, false},
                      LengthBox{"5 ' 3", 63, false}, LengthBox{"5 ft 3 in", 63, false},
                      LengthBox{"-0'3\"", -3, false}, LengthBox{"3\u00BD\"", 3.5, false},
                      LengthBox{"2540 mm", 100, false}, LengthBox{"25.4CM", 10, false}));

TEST(ToolBoxes, TextThatIsNoLengthIsATypeMismatchAndCountsTakeNumbersOnly) {
    for (const char* text : {"abc", "3-", "3-1/0\"", "5'3-1/", " ", "12 risers", "\"", "'", "-",
                             "3-1/2", "3 1/2", "\u00BD", "2.4.5 m", "3-1/2 mm", "5 km"}) {
        EXPECT_EQ(testing::errorOf([&] { readLengthBox(text); }), 13) << text;
    }
    EXPECT_EQ(testing::errorOf([] { readLengthBox("1E400"); }), 6);  // a number, too large
    EXPECT_EQ(testing::errorOf([] { readCountBox("14'"); }), 13);
    EXPECT_EQ(readCountBox("13.5"), 14);
}

// The command line names the box that does not read, and a solver's own
// errors and run-time errors come back as one answer.
TEST(ToolBoxes, TheFirstBoxThatDoesNotReadIsNamedByItsIndex) {
    const std::array boxes{ToolBox{"--a", "txtA", BoxKind::Length},
                           ToolBox{"--b", "txtB", BoxKind::Number},
                           ToolBox{"--c", "txtC", BoxKind::Count}};
    const auto values = readBoxes(boxes, {"5'", "", "12.5"});
    EXPECT_EQ(values[0], 60);
    EXPECT_FALSE(values[1]);
    EXPECT_EQ(values[2], 12);
    const ToolAnswer answer = answerOf([&] {
        readBoxes(boxes, {"5'", "9'", "40000"});
        return std::vector<std::string>{};
    });
    EXPECT_EQ(answer.error, 13);
    EXPECT_EQ(answer.box, 1);
    EXPECT_EQ(toolMessage(13, "", "Tool").title, "Error");
}

// A block for the tape: a blank line before it only after what is there.
TEST(ToolBoxes, ResultLinesGoToTheTapeAsABlock) {
    EXPECT_EQ(tapeBlock({"a", "b"}, true), "a\r\nb\r\n");
    EXPECT_EQ(tapeBlock({"a"}, false), "\r\n\r\na\r\n");
}

}  // namespace
}  // namespace plumbrule
