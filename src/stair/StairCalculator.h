// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/DisplayOptions.h"

namespace plumbrule {

class MessageDialog;

// The texts of the stair window: the two sides' boxes, indexed like
// lngUnknown (0 the step size, 1 the count, 2 the overall dimension), the
// chosen side and the two result labels.
struct StairForm {
    std::array<std::string, 3> Text1;  // risers: max riser height, number, overall height
    std::array<std::string, 3> Text2;  // treads: max tread width, number, overall width
    bool risersChosen = true;          // optStair(0) "Risers" is selected
    std::string lblRiser;
    std::string lblTread;
};

// The stair solver of frmStair, without the window: its form-level values
// (all 0 when the window loads) and the handlers that work on them. The
// window copies its boxes into form(), calls cmdCalculate_Click and shows
// form() again.
//
// Worked example, risers side, decimal output with the unit form None:
//   Text1 = {"7.5", "", "100"}  ->  Text1 = {"7.5", "14", "100"},
//   lblRiser = "14 Risers @ 7.14\" = 100"
// (100 / 7.5 rounds to 13 risers, 100 / 13 is above 7.5, so 14 risers of
// 7.1428571429.)
class StairCalculator {
  public:
    explicit StairCalculator(MessageDialog& messages);

    StairForm& form() { return form_; }
    const StairForm& form() const { return form_; }

    // True when at most one of the chosen side's boxes is empty (exactly the
    // empty text; a blank is not empty).
    bool CheckInputs() const;

    // Solves the chosen side for its empty box (or, with no box empty, for
    // the field computed last time on either side), writes the boxes back
    // and the side's result label, whose overall dimension is written in the
    // given output form. Every failure ends in one message box:
    //   two or three empty boxes -> "You must enter values in two of the
    //     three available fields." (title "Stair Calculator"), nothing changes;
    //   error 6 -> "Error : 6 - A value that has been entered is too large.";
    //   error n -> "Error: n - " and the standard description (title "Error").
    void cmdCalculate_Click(const DisplayOptions& options);

    // Form-level values, readable for the window and the tests.
    double dblRiserHeight = 0;
    std::int16_t intRisers = 0;
    double dblOverallHeight = 0;
    double dblTreadWidth = 0;
    std::int16_t intTreads = 0;
    double dblOverallWidth = 0;
    std::int32_t lngUnknown = 0;

  private:
    void calculate(const DisplayOptions& options);
    void CalcRiserHeight();
    void CalcRiserCount();
    void CalcOverallHeight();
    void CalcTreadWidth();
    void CalcTreadCount();
    void CalcOverallWidth();

    MessageDialog& messages_;
    StairForm form_;
};

}  // namespace plumbrule
