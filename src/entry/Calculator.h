// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "engine/DisplayOptions.h"
#include "engine/Evaluator.h"

namespace plumbrule {

class MessageDialog;

// Pictures of the operator indicator (ImageList1), numbered from 1.
enum IndicatorPicture : int {
    imgAdd = 1,
    imgSubtract = 2,
    imgMultiply = 3,
    imgDivide = 4,
    imgBlank = 5,
};

// The picture that shows a pending operation: the four operators have their
// sign, no operation the blank picture.
constexpr IndicatorPicture IndicatorFor(std::int32_t op) {
    switch (op) {
        case opAdd:
            return imgAdd;
        case opSubtract:
            return imgSubtract;
        case opMultiply:
            return imgMultiply;
        case opDivide:
            return imgDivide;
        default:
            return imgBlank;
    }
}

// The last completed keyboard action, kept by the keyboard map.
enum LastAction : std::int16_t {
    actOperator = 0,  // an operator key
    actEnter = 1,
    actClearAll = 2,  // clear all by Delete on an empty display
};

// Everything the main window's calculator keeps between events.
struct CalculatorState {
    std::string display = "0";      // caption of lblDisplay
    int indicator = imgBlank;       // picture shown in Picture1
    bool blnNewExpresion = true;    // the next digit, point or fraction replaces the display
    bool blnFractionEntry = false;  // a fraction is begun: divide appends "/"
    bool blnOperatorKeyed = false;  // the last key typed was an operator key
    LastAction intLastAction = actOperator;  // keyboard only
    bool blnNewNumber = false;               // keyboard: a new number begun since Enter / clear all
    EvaluatorState evaluator;                // dblTotal, lngPendingOp
    DisplayOptions options;                  // mirrors the options panel
};

// The entry editor and the evaluator's buttons, as plain operations on the
// state. The window forwards each click here, then renders the state and
// gives the keyboard focus back to itself.
class Calculator {
  public:
    explicit Calculator(MessageDialog& messages);

    CalculatorState& state() { return state_; }
    const CalculatorState& state() const { return state_; }

    // Entry editor.
    void cmdNum_Click(int index);
    void cmdDot_Click();
    void cmdFeet_Click();
    void cmdInches_Click();
    void cmdFraction_Click();
    void cmdNeg_Click();
    void cmdBack_Click();
    void cmdDelete_Click();
    void cmdAC_Click();

    // Evaluator.
    void cmdAdd_Click();
    void cmdSubtract_Click();
    void cmdMultiply_Click();
    void cmdDivide_Click();
    void cmdEquals_Click();

    // Puts a whole text into the display as a new entry (memory recall,
    // paste): clears blnOperatorKeyed and sets blnNewNumber, so the operand
    // is evaluated by the next operator.
    void recall(const std::string& text);

    // Runs DoMath on the display with the pending operation, reporting an
    // error in a critical message box and clearing all.
    std::string DoMath(std::int32_t op);

  private:
    void operatorKey(std::int32_t op);
    // Clears the display for a new operand: blnNewExpresion off,
    // blnOperatorKeyed off, blnNewNumber on.
    void beginNewEntry();

    MessageDialog& messages_;
    CalculatorState state_;
};

}  // namespace plumbrule
