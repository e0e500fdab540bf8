// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DisplayOptions.h"
#include "tools/ToolBoxes.h"

namespace plumbrule {

// The texts of the stair window: the two sides' boxes, indexed like
// lngUnknown (0 the step size, 1 the count, 2 the overall dimension), the
// chosen side and the three result lines.
struct StairForm {
    std::array<std::string, 3> Text1;  // risers: max riser height, number, overall height
    std::array<std::string, 3> Text2;  // treads: max tread width, number, overall width
    bool risersChosen = true;          // optStair(0) "Risers" is selected
    std::string lblRiser;
    std::string lblTread;
    // The whole flight, once both sides have a result: stringer length,
    // angle and the step rule (see flightLine).
    std::string lblStringer;
};

// The stair's own errors: two or three of the chosen side's boxes are
// empty; on the command line, a side given all three values.
inline constexpr int errStairTwoOfThree = 1001;
inline constexpr int errStairAllThree = 1002;

// stairMessage(errStairTwoOfThree)
//   -> {"You must enter values in two of the three available fields.", "Stair Calculator"}
// stairMessage(13) -> {"Error: 13 - Type mismatch", "Error"}
ToolMessage stairMessage(int error);

// The stair's boxes as the command line gives them, the risers' side first,
// each side in the order of its window boxes (step, count, overall).
inline constexpr std::array stairBoxes{
    ToolBox{"--max-riser", "Text1_0", BoxKind::Length},
    ToolBox{"--risers", "Text1_1", BoxKind::Count},
    ToolBox{"--height", "Text1_2", BoxKind::Length},
    ToolBox{"--max-tread", "Text2_0", BoxKind::Length},
    ToolBox{"--treads", "Text2_1", BoxKind::Count},
    ToolBox{"--run", "Text2_2", BoxKind::Length},
};

// Both sides at once, as plumbrule-calc --stair gives them (texts in the
// order of stairBoxes, "" for a value not given):
//   solveStairSides({"7.75", "", "8'10-1/2\"", "10", "", "130"}, first-run form)
//   -> {"14 Risers @ 7.61\" = 8'10-1/2\"", "13 Treads @ 10.00\" = 10'10\"",
//       "Stringer 14'0-1/16\" @ 37.3°, 2R+T 25.2\": steep"}
// Each side given is solved as its window side is, risers first: two of its
// three values, the third calculated. A side with one value or all three,
// or no side at all, is an error whose context names the side and its
// options, and so is any value that does not read (its box named).
ToolAnswer solveStairSides(const std::vector<std::string>& texts, const ToolWriters& write,
                           bool everyLine);

// The comfort of a step by the rule builders use, 2R + T between 24 and 25
// inches (R one riser's height, T one tread's width). An advisory only:
// building codes differ from country to country.
enum class Comfort { Comfortable, Steep, Shallow };

struct FlightCheck {
    double stringer = 0;       // inches: the hypotenuse of overall height and width
    std::string angleText;     // atan(R / T) in degrees, one decimal: "37.3"
    std::string stepRuleText;  // 2R + T in inches, one decimal: "25.2"
    Comfort comfort = Comfort::Comfortable;
};

// checkFlight(7.6071428571, 10, 106.5, 130)
//   -> {168.054..., "37.3", "25.2", Steep}
// Steep when 2R + T is above 25 or the angle above 42 degrees, shallow when
// 2R + T is below 24, comfortable otherwise; judged on the numbers as shown
// (one decimal), so the word never contradicts them. A tread of 0 stands at
// 90 degrees. Throws RuntimeError(6) for a result beyond the double range.
FlightCheck checkFlight(double riserHeight, double treadWidth, double overallHeight,
                        double overallWidth);

// flightLine(check, write)
//   -> "Stringer 14'0-1/16\" @ 37.3°, 2R+T 25.2\": steep"   (first-run output form)
std::string flightLine(const FlightCheck& check, const LengthWriter& write);

// The stair solver of frmStair, without the window: its form-level values
// (all 0 when the window loads) and the handlers that work on them. The
// window copies its boxes into form(), calls cmdCalculate_Click and shows
// form() again; plumbrule-calc fills the boxes from its options the same way.
//
// Worked example, risers side, decimal output with the unit form None:
//   Text1 = {"7.5", "", "100"}  ->  Text1 = {"7.5", "14", "100"},
//   lblRiser = "14 Risers @ 7.14\" = 100"
// (100 / 7.5 rounds to 13 risers, 100 / 13 is above 7.5, so 14 risers of
// 7.1428571429.)
class StairCalculator {
  public:
    StairForm& form() { return form_; }
    const StairForm& form() const { return form_; }

    // True when at most one of the chosen side's boxes is empty (exactly the
    // empty text; a blank is not empty).
    bool CheckInputs() const;

    // Solves the chosen side for its empty box (or, with no box empty, for
    // the field computed last time on either side), writes the boxes back
    // and the side's result label, whose overall dimension is written in the
    // given output form. A box the user typed keeps a text that reads back as
    // exactly the value used: a plain number may come back in number form
    // ("100.50" -> "100.5"), a length with marks stays as typed, so pressing
    // the button again never changes a result; a computed box is written as
    // a plain number. Once both sides have a result, lblStringer describes
    // the whole flight.
    // Returns 0, or the one error number of the failure (stairMessage says
    // it): errStairTwoOfThree for two or three empty boxes, and then nothing
    // changes; otherwise the run-time error's number.
    int cmdCalculate_Click(const DisplayOptions& options);
    int cmdCalculate_Click(const LengthWriter& write);

    // Form-level values, readable for the window and the tests.
    double dblRiserHeight = 0;
    std::int16_t intRisers = 0;
    double dblOverallHeight = 0;
    double dblTreadWidth = 0;
    std::int16_t intTreads = 0;
    double dblOverallWidth = 0;
    std::int32_t lngUnknown = 0;

  private:
    // One side's values behind its shown label.
    struct SideResult {
        double step = 0;
        double overall = 0;
    };

    void calculate(const LengthWriter& write);
    void writeFlightLine(const LengthWriter& write);
    void CalcRiserHeight();
    void CalcRiserCount();
    void CalcOverallHeight();
    void CalcTreadWidth();
    void CalcTreadCount();
    void CalcOverallWidth();

    StairForm form_;
    std::optional<SideResult> risersResult_;
    std::optional<SideResult> treadsResult_;
};

}  // namespace plumbrule
