// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ExpressionEvaluator.h"

#include <gtest/gtest.h>

namespace plumbrule::cli {
namespace {

using Style = DisplayOptions::Style;
using Units = DisplayOptions::Units;

TEST(ExpressionEvaluator, EvaluatesLeftToRightAsKeyed) {
    const struct {
        const char* line;
        const char* result;
    } rows[] = {
        {"5' + 3\" * 2", "10'6\""},  // (60 + 3) * 2, no precedence
        {"10'6\" / 4", "2'7-1/2\""},
        {"5'3-1/2\" + 0-3/8", "5'3-7/8\""},
        {"-6.25 - 1", "-0'7-1/4\""},
        {"5' - -0'3\"", "5'3\""},
        {"10 / 3 * 3", "0'10\""},  // the total keeps full precision
        {"59.99", "5'0\""},        // twelve inches carry into the feet
        {"  5\t+\t3  ", "0'8\""},
        {"5 + 3\r", "0'8\""},
        {"0", "0'0\""},
        {"2400mm + 1'", "8'10-1/2\""},   // metric operands, the unit in the word
        {"1' + 2400 MM", "8'10-1/2\""},  // or the next one
        {"", ""},
        {"   \t ", ""},
    };
    ExpressionEvaluator evaluator(OutputForm{});
    for (const auto& row : rows) {
        const LineResult result = evaluator.evaluateLine(row.line);
        EXPECT_EQ(result.text, row.result) << row.line;
        EXPECT_FALSE(result.failed) << row.line;
    }
}

TEST(ExpressionEvaluator, ReportsErrorsAsTheMessageBoxWordsThem) {
    const struct {
        const char* line;
        const char* report;
    } rows[] = {
        {"3- + 1", "Error 100: Invalid fractional or decimal input."},
        {"5 + 3-1/", "Error 13: Invalid input."},
        {"5 / 0", "Error 11: Division by zero"},
        {"5 + 3-0/0", "Error 6: Overflow"},
        {"1e300 * 1e300", "Error 6: Overflow"},
        {"1/2", "Error 5: Invalid procedure call or argument"},
        // operands and operators must alternate
        {"5 +", "Error 13: Invalid input."},
        {"+ 5", "Error 13: Invalid input."},
        {"5 3", "Error 13: Invalid input."},
        {"5 + * 3", "Error 13: Invalid input."},
        {"-", "Error 13: Invalid input."},
        {"5 / 0 3", "Error 13: Invalid input."},      // a malformed line, whatever else fails
        {"5 / 0 + 3", "Error 11: Division by zero"},  // the first error
        {"2.4.5 m + 1", "Error 13: Invalid input."},  // malformed metric operands
        {"5 mm mm", "Error 13: Invalid input."},
        {"5 km", "Error 13: Invalid input."},
        {"5 / 0 + 3 mm", "Error 11: Division by zero"},
    };
    ExpressionEvaluator evaluator(OutputForm{});
    for (const auto& row : rows) {
        const LineResult result = evaluator.evaluateLine(row.line);
        EXPECT_EQ(result.text, row.report) << row.line;
        EXPECT_TRUE(result.failed) << row.line;
    }
    // Each line starts afresh after an error.
    EXPECT_EQ(evaluator.evaluateLine("1 + 1").text, "0'2\"");
}

TEST(ExpressionEvaluator, ShowsTheResultInTheChosenForm) {
    const struct {
        OutputForm form;
        const char* result;
    } rows[] = {
        {{{Style::Fractional, Units::None, 4}, {}}, "3-5/16"},
        {{{Style::Fractional, Units::Inches, 8}, {}}, "3-85/256\""},
        {{{Style::Decimal, Units::Feet, 4}, {}}, "0.2778'"},
        {{{Style::Decimal, Units::Inches, 4}, {}}, "3.333\""},
        {{{Style::Decimal, Units::None, 2}, MetricUnit::Millimetres}, "84.67 mm"},
        {{{Style::Decimal, Units::None, 1}, MetricUnit::Centimetres}, "8.5 cm"},
        {{{Style::Decimal, Units::None, 4}, MetricUnit::Metres}, "0.0847 m"},
    };
    for (const auto& row : rows) {
        ExpressionEvaluator evaluator(row.form);
        EXPECT_EQ(evaluator.evaluateLine("10 / 3").text, row.result);
    }
}

TEST(ExpressionEvaluator, WordsMaySpanPiecesOfInput) {
    ExpressionEvaluator evaluator(OutputForm{});
    evaluator.feed("5'3-");
    evaluator.feed("1/2\" +");
    evaluator.feed(" 0-1/");
    evaluator.feed("2");
    EXPECT_EQ(evaluator.finishLine().text, "5'4\"");
}

TEST(ExpressionEvaluator, RefusesAWordLongerThanAnyOperand) {
    ExpressionEvaluator evaluator(OutputForm{});
    const std::string huge(ExpressionEvaluator::kLongestWord + 1, '1');
    const LineResult result = evaluator.evaluateLine(huge + " + 1");
    EXPECT_EQ(result.text, "Error 13: Invalid input.");
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(evaluator.evaluateLine("1 + 1").text, "0'2\"");
}

TEST(ExpressionEvaluator, OperatorWordsAreTheFourSigns) {
    EXPECT_EQ(operatorCode("+"), 1);
    EXPECT_EQ(operatorCode("-"), 2);
    EXPECT_EQ(operatorCode("*"), 3);
    EXPECT_EQ(operatorCode("/"), 4);
    EXPECT_FALSE(operatorCode("x"));
    EXPECT_FALSE(operatorCode("-1"));
    EXPECT_FALSE(operatorCode("++"));
}

}  // namespace
}  // namespace plumbrule::cli
