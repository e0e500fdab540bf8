// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/StairCalculator.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "support/ErrorOf.h"

namespace plumbrule {
namespace {

using Boxes = std::array<std::string, 3>;

const DisplayOptions kDecimalNone{DisplayOptions::Style::Decimal, DisplayOptions::Units::None, 4};
const DisplayOptions kFirstRun{};  // fractional, feet and inches, 1/16 inch

const char kTwoOfThree[] = "You must enter values in two of the three available fields.";
const char kTooLarge[] = "Error : 6 - A value that has been entered is too large.";

class Stair : public ::testing::Test {
  protected:
    // Fills the chosen side's boxes and presses the calculate button.
    void calculate(bool risers, const Boxes& boxes, const DisplayOptions& options = kDecimalNone) {
        stair.form().risersChosen = risers;
        (risers ? stair.form().Text1 : stair.form().Text2) = boxes;
        error = stair.cmdCalculate_Click(options);
    }
    const Boxes& risers() const { return stair.form().Text1; }
    const Boxes& treads() const { return stair.form().Text2; }

    // The calculation failed with the error the window shows as this message.
    void expectMessage(const std::string& text, const std::string& title) const {
        ASSERT_NE(error, 0);
        EXPECT_EQ(stairMessage(error).text, text);
        EXPECT_EQ(stairMessage(error).title, title);
    }

    StairCalculator stair;
    int error = 0;  // of the last calculation
};

struct Example {
    Boxes before;
    Boxes after;
    std::string label;
};

void PrintTo(const Example& row, std::ostream* out) {
    *out << row.before[0] << " | " << row.before[1] << " | " << row.before[2];
}

class StairRisersExample : public Stair, public ::testing::WithParamInterface<Example> {};

TEST_P(StairRisersExample, FillsTheEmptyBoxAndTheLabel) {
    const Example& row = GetParam();
    calculate(true, row.before);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(risers(), row.after);
    EXPECT_EQ(stair.form().lblRiser, row.label);
    EXPECT_EQ(stair.form().lblTread, "");
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, StairRisersExample,
    ::testing::Values(
        Example{{"7.5", "", "100"}, {"7.5", "14", "100"}, "14 Risers @ 7.14\" = 100"},
        Example{{"", "16", "100"}, {"6.25", "16", "100"}, "16 Risers @ 6.25\" = 100"},
        Example{{"7.25", "14", ""}, {"7.25", "14", "101.5"}, "14 Risers @ 7.25\" = 101.5"},
        // Exact division keeps the count: only a greater height adds a riser.
        Example{{"10", "", "100"}, {"10", "10", "100"}, "10 Risers @ 10.00\" = 100"},
        // Counts are read halves to even.
        Example{{"", "12.5", "100"}, {"8.33", "12", "100"}, "12 Risers @ 8.33\" = 100"},
        Example{{"", "13.5", "100"}, {"7.14", "14", "100"}, "14 Risers @ 7.14\" = 100"},
        // The comparison is on the height rounded to 10 places.
        Example{
            {"7.1428571429", "", "100"}, {"7.1428571429", "14", "100"}, "14 Risers @ 7.14\" = 100"},
        Example{
            {"7.1428571428", "", "100"}, {"7.1428571428", "15", "100"}, "15 Risers @ 6.67\" = 100"},
        // Counts and overall dimensions are written back in number form.
        Example{{"", " 016 ", "100.50"}, {"6.28", "16", "100.5"}, "16 Risers @ 6.28\" = 100.5"},
        // Signs are not checked.
        Example{{"", "-8", "100"}, {"-12.50", "-8", "100"}, "-8 Risers @ -12.50\" = 100"}));

TEST_F(Stair, FirstRunOptionsWriteTheOverallHeightInFeetAndInches) {
    calculate(true, {"7.5", "", "100"}, kFirstRun);
    EXPECT_EQ(stair.form().lblRiser, "14 Risers @ 7.14\" = 8'4\"");
}

TEST_F(Stair, TreadsExample) {
    calculate(false, {"11", "", "120"});
    EXPECT_EQ(treads(), (Boxes{"11", "11", "120"}));
    EXPECT_EQ(stair.form().lblTread, "11 Treads @ 10.91\" = 120");
    EXPECT_EQ(stair.form().lblRiser, "");

    calculate(false, {"11", "", "120"}, kFirstRun);
    EXPECT_EQ(stair.form().lblTread, "11 Treads @ 10.91\" = 10'0\"");
    EXPECT_EQ(error, 0);
}

TEST_F(Stair, TwoOrThreeEmptyBoxesChangeNothing) {
    for (const Boxes& boxes : {Boxes{"", "", "100"}, Boxes{"7.5", "", ""}, Boxes{"", "", ""}}) {
        for (const bool side : {true, false}) {
            StairCalculator local;
            local.form().risersChosen = side;
            (side ? local.form().Text1 : local.form().Text2) = boxes;
            ASSERT_EQ(local.cmdCalculate_Click(kDecimalNone), errStairTwoOfThree);
            EXPECT_EQ(stairMessage(errStairTwoOfThree).text, kTwoOfThree);
            EXPECT_EQ(stairMessage(errStairTwoOfThree).title, "Stair Calculator");
            EXPECT_EQ(side ? local.form().Text1 : local.form().Text2, boxes);
            EXPECT_EQ(local.form().lblRiser, "");
            EXPECT_EQ(local.form().lblTread, "");
            EXPECT_EQ(local.dblOverallHeight, 0);
            EXPECT_EQ(local.dblRiserHeight, 0);
            EXPECT_EQ(local.dblOverallWidth, 0);
            EXPECT_EQ(local.dblTreadWidth, 0);
        }
    }
}

TEST_F(Stair, ABlankIsNotAnEmptyBox) {
    calculate(true, {" ", "", "100"});
    expectMessage("Error: 13 - Type mismatch", "Error");
    EXPECT_EQ(risers(), (Boxes{" ", "", "100"}));
}

TEST_F(Stair, AllFilledRightAfterOpeningRecomputesTheStepButKeepsItsBox) {
    calculate(true, {"7", "16", "100.50"});
    EXPECT_EQ(error, 0);
    EXPECT_EQ(risers(), (Boxes{"7", "16", "100.5"}));
    EXPECT_EQ(stair.form().lblRiser, "16 Risers @ 6.28\" = 100.5");
    EXPECT_DOUBLE_EQ(stair.dblRiserHeight, 6.28125);
}

TEST_F(Stair, AllFilledRecomputesWhatTheLastCalculationOnEitherSideComputed) {
    calculate(false, {"11", "", "120"});  // the count
    EXPECT_EQ(stair.lngUnknown, 1);
    calculate(true, {"7.5", "3", "100"});
    EXPECT_EQ(risers(), (Boxes{"7.5", "14", "100"}));
    EXPECT_EQ(stair.form().lblRiser, "14 Risers @ 7.14\" = 100");

    calculate(true, {"7.25", "14", ""});  // the overall height
    EXPECT_EQ(stair.lngUnknown, 2);
    calculate(false, {"10", "12", "1"});
    EXPECT_EQ(treads(), (Boxes{"10", "12", "120"}));
    EXPECT_EQ(stair.form().lblTread, "12 Treads @ 10.00\" = 120");
    EXPECT_EQ(error, 0);
}

TEST_F(Stair, WhenTheCountIsComputedTheStepBoxKeepsTheMaximum) {
    calculate(true, {"7.5", "", "100"});
    EXPECT_EQ(risers()[0], "7.5");
    EXPECT_DOUBLE_EQ(stair.dblRiserHeight, 7.1428571429);
    EXPECT_EQ(stair.intRisers, 14);
}

TEST_F(Stair, TheOtherSidesTextIsIgnored) {
    stair.form().Text2 = {"junk", "", ""};
    calculate(true, {"7.5", "", "100"});
    EXPECT_EQ(error, 0);
    EXPECT_EQ(stair.form().Text2, (Boxes{"junk", "", ""}));
}

struct Failure {
    bool risers;
    Boxes boxes;
    std::string message;
};

void PrintTo(const Failure& row, std::ostream* out) {
    *out << (row.risers ? "risers " : "treads ") << row.boxes[0] << " | " << row.boxes[1] << " | "
         << row.boxes[2];
}

class StairFailure : public Stair, public ::testing::WithParamInterface<Failure> {};

TEST_P(StairFailure, ReportsOnceAndLeavesBoxesAndLabelAlone) {
    const Failure& row = GetParam();
    stair.form().lblRiser = "before";
    stair.form().lblTread = "before";
    calculate(row.risers, row.boxes);
    expectMessage(row.message, "Error");
    EXPECT_EQ(row.risers ? risers() : treads(), row.boxes);
    EXPECT_EQ(stair.form().lblRiser, "before");
    EXPECT_EQ(stair.form().lblTread, "before");
}

INSTANTIATE_TEST_SUITE_P(Errors, StairFailure,
                         ::testing::Values(
                             // The estimated count rounds to 0.
                             Failure{true, {"7.5", "", "3"}, "Error: 11 - Division by zero"},
                             Failure{false, {"11", "", "5"}, "Error: 11 - Division by zero"},
                             Failure{true, {"", "0", "100"}, "Error: 11 - Division by zero"},
                             Failure{true, {"0", "", "100"}, "Error: 11 - Division by zero"},
                             Failure{true, {"", "0", "0"}, kTooLarge},
                             Failure{true, {"", "32768", "100"}, kTooLarge},
                             Failure{true, {"", "-32769", "100"}, kTooLarge},
                             Failure{false, {"", "1E10", "100"}, kTooLarge},
                             // A computed count beyond 32767.
                             Failure{true, {"1", "", "40000"}, kTooLarge},
                             Failure{true, {"1E305", "30000", ""}, kTooLarge},
                             Failure{true, {"abc", "", "100"}, "Error: 13 - Type mismatch"},
                             Failure{true, {"", "12", "3-1/2"}, "Error: 13 - Type mismatch"},
                             Failure{false, {"", "x", "100"}, "Error: 13 - Type mismatch"}));

TEST_F(Stair, CountsAtTheEdgeOfSixteenBitsAreAccepted) {
    calculate(true, {"", "32767", "32767"});
    EXPECT_EQ(error, 0);
    EXPECT_EQ(risers(), (Boxes{"1.00", "32767", "32767"}));
    calculate(true, {"", "-32768", "32768"});
    EXPECT_EQ(error, 0);
    EXPECT_EQ(risers(), (Boxes{"-1.00", "-32768", "32768"}));
}

TEST_F(Stair, ValuesReadBeforeAFailingBoxKeepTheirNewValue) {
    calculate(true, {"7.5", "x", "100"});
    expectMessage("Error: 13 - Type mismatch", "Error");
    EXPECT_EQ(stair.dblRiserHeight, 7.5);
    EXPECT_EQ(stair.intRisers, 0);
    EXPECT_EQ(stair.dblOverallHeight, 0);
}

TEST_F(Stair, AFormattingFailureLeavesOnlyTheLabelUnchanged) {
    stair.form().lblRiser = "before";
    const DisplayOptions unusable{DisplayOptions::Style::Fractional,
                                  DisplayOptions::Units::FeetAndInches, 9};
    calculate(true, {"7.5", "", "100"}, unusable);
    expectMessage("Error: 5 - Invalid procedure call or argument", "Error");
    EXPECT_EQ(risers(), (Boxes{"7.5", "14", "100"}));
    EXPECT_EQ(stair.form().lblRiser, "before");
}

TEST_F(Stair, SwitchingSidesKeepsTextsAndValues) {
    calculate(true, {"7.5", "", "100"});
    stair.form().risersChosen = false;
    stair.form().Text2 = {"11", "", "120"};
    EXPECT_EQ(stair.cmdCalculate_Click(kDecimalNone), 0);
    EXPECT_EQ(risers(), (Boxes{"7.5", "14", "100"}));
    EXPECT_EQ(stair.form().lblRiser, "14 Risers @ 7.14\" = 100");
    EXPECT_EQ(stair.intRisers, 14);
    EXPECT_EQ(stair.intTreads, 11);
}

// ---- The whole flight ----------------------------------------

TEST_F(Stair, TheWorkedFlightInFeetAndInches) {
    calculate(true, {"7.75", "", "8'10-1/2\""}, kFirstRun);
    EXPECT_EQ(error, 0);
    // The box reads as the user wrote it, not 106.5.
    EXPECT_EQ(risers(), (Boxes{"7.75", "14", "8'10-1/2\""}));
    EXPECT_EQ(stair.form().lblRiser, "14 Risers @ 7.61\" = 8'10-1/2\"");
    EXPECT_EQ(stair.form().lblStringer, "");  // one side only

    calculate(false, {"10", "", "130"}, kFirstRun);
    EXPECT_EQ(treads(), (Boxes{"10", "13", "130"}));  // a plain number stays one
    EXPECT_EQ(stair.form().lblTread, "13 Treads @ 10.00\" = 10'10\"");
    EXPECT_EQ(stair.form().lblStringer, "Stringer 14'0-1/16\" @ 37.3\u00B0, 2R+T 25.2\": steep");

    // Every later calculation writes the line in the output form of its click.
    calculate(false, {"10", "", "130"});
    EXPECT_EQ(stair.form().lblStringer, "Stringer 168.0543 @ 37.3\u00B0, 2R+T 25.2\": steep");
    // In any output form the box keeps what was typed.
    calculate(true, {"7.75", "", "8'10-1/2\""},
              {DisplayOptions::Style::Fractional, DisplayOptions::Units::None, 4});
    EXPECT_EQ(risers()[2], "8'10-1/2\"");
    EXPECT_EQ(error, 0);
}

// A box typed with marks keeps its text, which reads back as the value used,
// so pressing Claculate again, nothing typed, gives the same result.
TEST_F(Stair, ARepeatedCalculationKeepsTheTypedBoxAndTheResult) {
    calculate(true, {"", "14", "100.3\""}, kFirstRun);
    EXPECT_EQ(stair.form().lblRiser, "14 Risers @ 7.16\" = 8'4-5/16\"");
    EXPECT_EQ(risers()[2], "100.3\"");
    EXPECT_EQ(stair.cmdCalculate_Click(kFirstRun), 0);
    EXPECT_EQ(stair.form().lblRiser, "14 Risers @ 7.16\" = 8'4-5/16\"");
    EXPECT_EQ(risers(), (Boxes{"7.16", "14", "100.3\""}));
}

TEST_F(Stair, AComputedOrEmptyBoxIsWrittenAsBefore) {
    calculate(true, {"7-3/4\"", "14", ""}, kFirstRun);
    EXPECT_EQ(risers(), (Boxes{"7-3/4\"", "14", "108.5"}));
    calculate(true, {"", "14", "8'10-1/2\""}, kFirstRun);
    EXPECT_EQ(risers(), (Boxes{"7.61", "14", "8'10-1/2\""}));
}

TEST_F(Stair, TheFlightLineDescribesTheResultsShownAndOnlyThose) {
    calculate(true, {"7.5", "", "100"});
    calculate(false, {"11", "", "120"});
    const std::string line = stair.form().lblStringer;
    EXPECT_EQ(line, "Stringer 156.205 @ 33.2\u00B0, 2R+T 25.2\": steep");
    // A failed calculation changes no line, and the next one on the other
    // side still pairs with the risers shown.
    calculate(true, {"8", "x", "100"});
    EXPECT_EQ(stair.form().lblStringer, line);
    calculate(false, {"11", "", "120"});
    EXPECT_EQ(stair.form().lblStringer, line);
}

TEST_F(Stair, AFlightLineThatCannotBeWrittenIsEmptiedAndReported) {
    calculate(true, {"", "2", "1.7E308"});
    calculate(false, {"", "2", "100"});
    EXPECT_EQ(error, 0);
    EXPECT_NE(stair.form().lblStringer, "");
    calculate(false, {"", "2", "1.7E308"});  // the stringer is beyond the double range
    expectMessage(kTooLarge, "Error");
    EXPECT_EQ(stair.form().lblStringer, "");
}

// Expected values worked out by hand: stringer = sqrt(H^2 + W^2), angle =
// atan(R / T) in degrees, 2R + T.
struct Flight {
    double riser, tread, height, width;
    double stringer;
    std::string angle, stepRule;
    Comfort comfort;
};

void PrintTo(const Flight& row, std::ostream* out) {
    *out << "R " << row.riser << ", T " << row.tread;
}

class StairFlight : public ::testing::TestWithParam<Flight> {};

TEST_P(StairFlight, StringerAngleAndStepRule) {
    const Flight& row = GetParam();
    const FlightCheck check = checkFlight(row.riser, row.tread, row.height, row.width);
    EXPECT_NEAR(check.stringer, row.stringer, 1e-6);
    EXPECT_EQ(check.angleText, row.angle);
    EXPECT_EQ(check.stepRuleText, row.stepRule);
    EXPECT_EQ(check.comfort, row.comfort);
}

INSTANTIATE_TEST_SUITE_P(
    Flights, StairFlight,
    ::testing::Values(Flight{7.6071428571, 10, 106.5, 130, 168.0543067, "37.3", "25.2",
                             Comfort::Steep},
                      Flight{7, 11, 84, 120, 146.4786674, "32.5", "25.0", Comfort::Comfortable},
                      Flight{7.5, 9, 100, 120, 156.2049935, "39.8", "24.0", Comfort::Comfortable},
                      Flight{6, 11, 36, 44, 56.8506816, "28.6", "23.0", Comfort::Shallow},
                      // Steep by the angle alone, even where the rule says shallow.
                      Flight{8, 8, 0, 0, 0, "45.0", "24.0", Comfort::Steep},
                      Flight{9, 4, 0, 0, 0, "66.0", "22.0", Comfort::Steep},
                      // 25.04 shows as 25.0, and is called what it shows.
                      Flight{7.52, 10, 3, 4, 5, "36.9", "25.0", Comfort::Comfortable},
                      Flight{7.75, 0, 0, 0, 0, "90.0", "15.5", Comfort::Steep}));

}  // namespace
}  // namespace plumbrule
