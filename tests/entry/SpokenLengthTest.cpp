// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/SpokenLength.h"

#include <gtest/gtest.h>

namespace plumbrule {
namespace {

struct SpokenRow {
    const char* display;
    const char* spoken;
};

void PrintTo(const SpokenRow& row, std::ostream* os) {
    *os << row.display;
}

class SpokenLengthOf : public ::testing::TestWithParam<SpokenRow> {};

TEST_P(SpokenLengthOf, SaysTheLengthInWords) {
    EXPECT_EQ(spokenLength(GetParam().display), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(
    FinishedLengths, SpokenLengthOf,
    ::testing::Values(SpokenRow{"5'3-1/2\"", "5 feet 3 and 1/2 inches"},
                      SpokenRow{"-0'3-1/2\"", "minus 3 and 1/2 inches"},
                      SpokenRow{"-3-1/2\"", "minus 3 and 1/2 inches"},
                      SpokenRow{"-5'3-1/2\"", "minus 5 feet 3 and 1/2 inches"},
                      SpokenRow{"1'1\"", "1 foot 1 inch"}, SpokenRow{"1'0\"", "1 foot"},
                      SpokenRow{"5'0\"", "5 feet"}, SpokenRow{"0'0\"", "0 inches"},
                      SpokenRow{"0'0-1/16\"", "1/16 inch"},
                      SpokenRow{"-0'0-1/2\"", "minus 1/2 inch"}, SpokenRow{"0-1/2\"", "1/2 inch"},
                      SpokenRow{"0-1/2", "1/2"}, SpokenRow{"12'", "12 feet"},
                      SpokenRow{"1'", "1 foot"}, SpokenRow{"0'", "0 feet"},
                      SpokenRow{"-5'", "minus 5 feet"}, SpokenRow{"5.2917'", "5.2917 feet"},
                      SpokenRow{"63.5\"", "63.5 inches"}, SpokenRow{"1\"", "1 inch"},
                      SpokenRow{"0\"", "0 inches"}, SpokenRow{"5'3.5\"", "5 feet 3.5 inches"},
                      SpokenRow{"5'3", "5 feet 3 inches"}, SpokenRow{"63-1/2", "63 and 1/2"},
                      SpokenRow{"63.5", "63.5"}, SpokenRow{"0", "0"},
                      SpokenRow{"-63.5", "minus 63.5"}));

// What the display holds while a length is typed is spoken as far as it goes.
INSTANTIATE_TEST_SUITE_P(EntriesBeingTyped, SpokenLengthOf,
                         ::testing::Values(SpokenRow{"5'3-", "5 feet 3 and"},
                                           SpokenRow{"5'3-1", "5 feet 3 and 1"},
                                           SpokenRow{"5'3-1/", "5 feet 3 and 1/"},
                                           SpokenRow{"3-", "3 and"}, SpokenRow{"-", "minus"},
                                           SpokenRow{"", ""}, SpokenRow{"0.", "0."},
                                           SpokenRow{"5'", "5 feet"}));

}  // namespace
}  // namespace plumbrule
