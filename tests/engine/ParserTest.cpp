// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Parser.h"

#include <gtest/gtest.h>

#include "engine/RuntimeError.h"
#include "support/ErrorOf.h"
#include "support/TableFile.h"

namespace plumbrule {
namespace {

using testing::readTable;
using testing::RowName;
using testing::TableRow;

int errorOfReading(const std::string& t) {
    return testing::errorOf([&] { ConvertInput(t, DetType(t)); });
}

// Every example text, one test per row of parser_examples.tsv.
class ParserExample : public ::testing::TestWithParam<TableRow> {};

TEST_P(ParserExample, ReadsAsItsInches) {
    const auto& row = GetParam().cells;
    const std::string& t = row.at(0);
    EXPECT_DOUBLE_EQ(ConvertInput(t, DetType(t)), std::stod(row.at(1))) << t;
}

INSTANTIATE_TEST_SUITE_P(Table, ParserExample,
                         ::testing::ValuesIn(readTable("parser_examples.tsv")), RowName{1});

TEST(Parser, TheExampleTableHoldsEveryExample) {
    ASSERT_GE(readTable("parser_examples.tsv").size(), 22u);
}

// Every failure example, one test per row of parser_errors.tsv.
class ParserFailure : public ::testing::TestWithParam<TableRow> {};

TEST_P(ParserFailure, RaisesItsNumberedError) {
    const auto& row = GetParam().cells;
    EXPECT_EQ(errorOfReading(row.at(0)), std::stoi(row.at(1))) << row.at(0);
}

INSTANTIATE_TEST_SUITE_P(Table, ParserFailure, ::testing::ValuesIn(readTable("parser_errors.tsv")),
                         RowName{1});

TEST(Parser, TheFailureTableHoldsEveryFailureExample) {
    ASSERT_GE(readTable("parser_errors.tsv").size(), 17u);
}

TEST(Parser, ChoosesTheFractionalParserByTheBarAlone) {
    EXPECT_EQ(DetType("5'3-1/2\""), itFractional);
    EXPECT_EQ(DetType("/"), itFractional);
    EXPECT_EQ(DetType("5'6"), itDecimal);
    EXPECT_EQ(DetType(""), itDecimal);
}

TEST(Parser, TheEmptyTextAndUnknownTypesGiveZero) {
    EXPECT_EQ(ConvertInput("", itFractional), 0);
    EXPECT_EQ(ConvertInput("", 7), 0);
    EXPECT_EQ(ConvertInput("garbage", 7), 0);
}

TEST(Parser, TheTypeDecidesTheParserEvenWhenItDoesNotFit) {
    // The decimal parser sees a dash that is not the minus sign as unfinished.
    EXPECT_EQ(ConvertDecimal("6.25"), 6.25);
    EXPECT_THROW(ConvertDecimal("3-1/2"), RuntimeError);
    EXPECT_EQ(ConvertFractional("3-1/2"), 3.5);
}

TEST(Parser, DropsTheLastCharacterWheneverAnInchMarkIsPresent) {
    EXPECT_EQ(ConvertInput("6\"", itDecimal), 6);
    EXPECT_EQ(ConvertInput("6.5\"", itDecimal), 6.5);
    EXPECT_EQ(errorOfReading("\"6"), 13);        // what is left is the mark itself
    EXPECT_EQ(errorOfReading("3-1/2\"\""), 13);  // the denominator keeps one mark
    EXPECT_EQ(errorOfReading("\""), 13);
}

TEST(Parser, NegatingTheSmallestNumeratorOverflows) {
    EXPECT_EQ(errorOfReading("-3--2147483648/1"), 6);
}

TEST(Parser, ALengthBeyondTheDoubleRangeOverflows) {
    EXPECT_EQ(errorOfReading("1e308'"), 6);
    EXPECT_EQ(errorOfReading("1e308'1e308"), 6);
    EXPECT_EQ(errorOfReading("1e308-1/2"), 0);
}

TEST(Parser, FailingLeavesNothingHalfDone) {
    // The parser has no state: a failure followed by a good text reads normally.
    EXPECT_EQ(errorOfReading("3-"), 100);
    EXPECT_EQ(ConvertInput("5'3-1/2\"", itFractional), 63.5);
}

// The non-throwing reader agrees with the throwing one on every table row.
TEST(Parser, TryConvertInputGivesNoneExactlyWhereReadingFails) {
    for (const auto& row : readTable("parser_examples.tsv")) {
        const std::string& text = row.cells.at(0);
        EXPECT_EQ(TryConvertInput(text), ConvertInput(text, DetType(text))) << text;
    }
    for (const auto& row : readTable("parser_errors.tsv")) {
        EXPECT_EQ(TryConvertInput(row.cells.at(0)), std::nullopt) << row.cells.at(0);
    }
}

}  // namespace
}  // namespace plumbrule
