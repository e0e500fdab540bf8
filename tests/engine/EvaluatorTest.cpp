// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Evaluator.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/RuntimeError.h"

namespace plumbrule {
namespace {

// The keys of the calculator over the evaluator alone: an operator applies the
// pending operation to the display, equals applies it and clears it, and a
// reported error clears all, as the window does.
struct Keys {
    EvaluatorState state;
    DisplayOptions options;  // fractional, feet and inches, 1/16 inch
    std::string display = "0";
    std::vector<std::string> reports;

    void evaluate() {
        const std::size_t before = reports.size();
        display = DoMath(display, state.lngPendingOp, state, options,
                         [this](const std::string& message) { reports.push_back(message); });
        if (reports.size() != before) state = {};  // clear all after the box
    }
    void type(const std::string& text) { display = text; }
    void op(std::int32_t code) {
        evaluate();
        state.lngPendingOp = code;
    }
    void equals() {
        evaluate();
        state.lngPendingOp = opNone;
    }
};

TEST(Evaluator, FollowsTheWorkedSequence) {
    Keys k;
    const struct {
        const char* typed;  // nullptr: keep the display
        int key;            // an operation code, or -1 for equals
        double total;
        std::int32_t pending;
        const char* display;
    } rows[] = {
        {"5'", opAdd, 60, opAdd, "5'0\""},    {"3\"", opMultiply, 63, opMultiply, "5'3\""},
        {"2", -1, 126, opNone, "10'6\""},     {nullptr, opDivide, 126, opDivide, "10'6\""},
        {"4", -1, 31.5, opNone, "2'7-1/2\""},
    };
    for (const auto& row : rows) {
        if (row.typed) k.type(row.typed);
        row.key < 0 ? k.equals() : k.op(row.key);
        EXPECT_EQ(k.state.dblTotal, row.total);
        EXPECT_EQ(k.state.lngPendingOp, row.pending);
        EXPECT_EQ(k.display, row.display);
    }
    EXPECT_TRUE(k.reports.empty());
}

TEST(Evaluator, EqualsRightAfterAnOperatorUsesTheDisplay) {
    Keys k;
    k.type("5");
    k.op(opAdd);
    k.equals();
    EXPECT_EQ(k.display, "0'10\"");
}

TEST(Evaluator, EqualsTwiceReloadsTheDisplay) {
    Keys k;
    k.type("5");
    k.op(opAdd);
    k.type("3");
    k.equals();
    EXPECT_EQ(k.display, "0'8\"");
    k.equals();
    EXPECT_EQ(k.display, "0'8\"");
    EXPECT_EQ(k.state.dblTotal, 8);
}

TEST(Evaluator, AfterEqualsTheNextOperatorStartsFromTheRoundedDisplay) {
    Keys k;
    k.type("10");
    k.op(opDivide);
    k.type("3");
    k.equals();
    EXPECT_EQ(k.display, "0'3-5/16\"");
    EXPECT_EQ(k.state.dblTotal, 10.0 / 3);  // full precision until then
    k.op(opMultiply);
    EXPECT_EQ(k.state.dblTotal, 3.3125);
}

TEST(Evaluator, ReportsEveryErrorAndClears) {
    const struct {
        const char* first;
        std::int32_t op;
        const char* second;
        const char* report;
    } rows[] = {
        {"5", opDivide, "0", "Error 11: Division by zero"},
        {"5", opAdd, "3-", "Error 100: Invalid fractional or decimal input."},
        {"5", opAdd, "3-1/", "Error 13: Invalid input."},
        {"5", opAdd, "3-0/0", "Error 6: Overflow"},
        {"5", opAdd, "1/2", "Error 5: Invalid procedure call or argument"},
        {"1e300", opMultiply, "1e300", "Error 6: Overflow"},
    };
    for (const auto& row : rows) {
        Keys k;
        k.type(row.first);
        k.op(row.op);
        k.type(row.second);
        k.equals();
        ASSERT_EQ(k.reports.size(), 1u) << row.second;
        EXPECT_EQ(k.reports[0], row.report);
        EXPECT_EQ(k.display, "0");
        EXPECT_EQ(k.state.dblTotal, 0);
        EXPECT_EQ(k.state.lngPendingOp, opNone);
    }
}

TEST(Evaluator, AnErrorFromAnOperatorKeepsThatOperatorPending) {
    Keys k;
    k.type("5");
    k.op(opDivide);
    k.type("0");
    k.op(opAdd);
    EXPECT_EQ(k.reports.size(), 1u);
    EXPECT_EQ(k.display, "0");
    EXPECT_EQ(k.state.dblTotal, 0);
    EXPECT_EQ(k.state.lngPendingOp, opAdd);
}

TEST(Evaluator, EvaluateLeavesTheStateUnchangedOnError) {
    EvaluatorState state{42, opDivide};
    for (const char* bad : {"0", "3-", "x", "1/2"}) {
        EXPECT_THROW(Evaluate(bad, opDivide, state, {}), RuntimeError) << bad;
        EXPECT_EQ(state.dblTotal, 42);
        EXPECT_EQ(state.lngPendingOp, opDivide);
    }
    EXPECT_THROW(Evaluate("1", 9, state, {}), RuntimeError);  // no such operation
    EXPECT_EQ(state.dblTotal, 42);
}

TEST(Evaluator, UnderflowIsNotAnError) {
    // (an exponent text with a dash is an unfinished fraction, so plain digits)
    EvaluatorState state{1e-300, opNone};
    EXPECT_EQ(Evaluate("0.000000000000000000001", opMultiply, state, {}), "0'0\"");
    EXPECT_GT(state.dblTotal, 0);
    EXPECT_LT(state.dblTotal, 1e-308);
    EXPECT_EQ(Evaluate("0.000000000000000000001", opMultiply, state, {}), "0'0\"");
    EXPECT_EQ(state.dblTotal, 0);
}

TEST(Evaluator, ErrorReportWordsTheMessageBox) {
    EXPECT_EQ(ErrorReport(100, "anything"), "Error 100: Invalid fractional or decimal input.");
    EXPECT_EQ(ErrorReport(13, "Type mismatch"), "Error 13: Invalid input.");
    EXPECT_EQ(ErrorReport(11, "Division by zero"), "Error 11: Division by zero");
    EXPECT_EQ(ErrorReport(6, "Overflow"), "Error 6: Overflow");
}

TEST(Evaluator, ApplyOperationIsTheArithmeticAlone) {
    EXPECT_EQ(ApplyOperation("3\"", opAdd, 60), 63);
    EXPECT_EQ(ApplyOperation("3\"", opSubtract, 60), 57);
    EXPECT_EQ(ApplyOperation("2", opMultiply, 60), 120);
    EXPECT_EQ(ApplyOperation("0-1/2", opDivide, 60), 120);
    EXPECT_EQ(ApplyOperation("5'", opNone, 60), 60);
}

}  // namespace
}  // namespace plumbrule
