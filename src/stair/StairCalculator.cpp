// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/StairCalculator.h"

#include <cmath>
#include <utility>

#include "engine/Formatter.h"
#include "engine/NumberText.h"
#include "engine/RuntimeError.h"
#include "platform/MessageDialog.h"

namespace plumbrule {

namespace {

// A whole number as a 16-bit count; anything outside is an overflow.
std::int16_t toCount(double wholeNumber) {
    if (!(wholeNumber >= -32768.0 && wholeNumber <= 32767.0)) throw RuntimeError(errOverflow);
    return static_cast<std::int16_t>(wholeNumber);
}

// R10: rounded half away from zero to 10 decimal places.
double R10(double x) {
    return number(roundAway(x, "0.0000000000"));
}

// RI: rounded half away from zero to a whole 16-bit count.
std::int16_t RI(double x) {
    return toCount(number(roundAway(x, "0")));
}

// A count typed in a box: halves go to the even neighbour (12.5 -> 12).
std::int16_t readCount(const std::string& boxText) {
    return toCount(roundEven(number(boxText), 0));
}

double divide(double dividend, double divisor) {
    if (divisor == 0.0) throw RuntimeError(dividend != 0.0 ? errDivisionByZero : errOverflow);
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) throw RuntimeError(errOverflow);
    return quotient;
}

double multiply(double a, double b) {
    const double product = a * b;
    if (!std::isfinite(product)) throw RuntimeError(errOverflow);
    return product;
}

// The step size for the count. Entered with the count unknown, `step` still
// holds the user's maximum, and the count rises until the step, rounded to
// 10 places, is at most that maximum; then the step becomes the actual one.
void calcStep(double& step, std::int16_t& count, double overall, std::int32_t lngUnknown) {
    if (lngUnknown == 0) step = R10(divide(overall, count));
    double actual = R10(divide(overall, count));
    while (actual > step) {
        if (count == 32767) throw RuntimeError(errOverflow);
        ++count;
        actual = R10(divide(overall, count));
    }
    step = actual;
}

void calcCount(double& step, std::int16_t& count, double overall, std::int32_t lngUnknown) {
    count = RI(divide(overall, step));
    calcStep(step, count, overall, lngUnknown);
}

double calcOverall(double step, std::int16_t count) {
    return R10(multiply(count, step));
}

}  // namespace

StairCalculator::StairCalculator(MessageDialog& messages) : messages_(messages) {}

bool StairCalculator::CheckInputs() const {
    const auto& boxes = form_.risersChosen ? form_.Text1 : form_.Text2;
    int empty = 0;
    for (const std::string& box : boxes) {
        if (box.empty()) ++empty;
    }
    return empty <= 1;
}

void StairCalculator::cmdCalculate_Click(const DisplayOptions& options) {
    if (!CheckInputs()) {
        messages_.show("You must enter values in two of the three available fields.",
                       MessageIcon::Exclamation, "Stair Calculator");
        return;
    }
    try {
        calculate(options);
    } catch (const RuntimeError& error) {
        const int n = error.number();
        messages_.show(n == errOverflow
                           ? std::string("Error : 6 - A value that has been entered is too large.")
                           : "Error: " + std::to_string(n) + " - " + standardDescription(n),
                       MessageIcon::Exclamation, "Error");
    }
}

void StairCalculator::calculate(const DisplayOptions& options) {
    const bool risers = form_.risersChosen;
    auto& boxes = risers ? form_.Text1 : form_.Text2;
    double& step = risers ? dblRiserHeight : dblTreadWidth;
    std::int16_t& count = risers ? intRisers : intTreads;
    double& overall = risers ? dblOverallHeight : dblOverallWidth;

    // Read the boxes in order; a value read before a failing box keeps its
    // new value. An empty box zeroes its value on the risers side only, which
    // makes no difference: that value is the one computed.
    if (!boxes[0].empty()) {
        step = number(boxes[0]);
    } else if (risers) {
        step = 0;
    }
    if (!boxes[1].empty()) {
        count = readCount(boxes[1]);
    } else if (risers) {
        count = 0;
    }
    if (!boxes[2].empty()) {
        overall = number(boxes[2]);
    } else if (risers) {
        overall = 0;
    }

    // With no box empty the field computed last time, on either side, is
    // computed again.
    for (std::int32_t index = 0; index < 3; ++index) {
        if (boxes[static_cast<std::size_t>(index)].empty()) lngUnknown = index;
    }
    switch (lngUnknown) {
        case 0:
            risers ? CalcRiserHeight() : CalcTreadWidth();
            break;
        case 1:
            risers ? CalcRiserCount() : CalcTreadCount();
            break;
        case 2:
            risers ? CalcOverallHeight() : CalcOverallWidth();
            break;
        default:
            break;
    }

    // The step box is filled in only when it was the one left empty: after a
    // count is computed it keeps the user's maximum, while the label shows the
    // actual step.
    const std::string stepText = roundAway(step, "0.00");
    if (boxes[0].empty()) boxes[0] = stepText;
    boxes[1] = std::to_string(count);
    boxes[2] = text(overall);

    // Formatting the overall dimension may still fail; the boxes stay written.
    std::string label = std::to_string(count) + (risers ? " Risers @ " : " Treads @ ") + stepText +
                        "\" = " + DisplayValue(overall, options);
    (risers ? form_.lblRiser : form_.lblTread) = std::move(label);
}

void StairCalculator::CalcRiserHeight() {
    calcStep(dblRiserHeight, intRisers, dblOverallHeight, lngUnknown);
}
void StairCalculator::CalcRiserCount() {
    calcCount(dblRiserHeight, intRisers, dblOverallHeight, lngUnknown);
}
void StairCalculator::CalcOverallHeight() {
    dblOverallHeight = calcOverall(dblRiserHeight, intRisers);
}
void StairCalculator::CalcTreadWidth() {
    calcStep(dblTreadWidth, intTreads, dblOverallWidth, lngUnknown);
}
void StairCalculator::CalcTreadCount() {
    calcCount(dblTreadWidth, intTreads, dblOverallWidth, lngUnknown);
}
void StairCalculator::CalcOverallWidth() {
    dblOverallWidth = calcOverall(dblTreadWidth, intTreads);
}

}  // namespace plumbrule
