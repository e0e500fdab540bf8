// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stair/StairCalculator.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "engine/Formatter.h"
#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

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

// What a length box the user typed holds after a calculation: its number
// form when that reads back as exactly the value used ("100.50" -> "100.5"),
// otherwise the text as typed. A rounded rewrite ("100.3\"" as 8'4-5/16")
// would make the next click calculate with another length.
std::string typedBoxText(const std::string& typed, double used) {
    if (!isPlainNumber(typed)) return typed;
    std::string written = text(used);
    return tryNumber(written) == used ? written : typed;
}

const char* comfortWord(Comfort comfort) {
    switch (comfort) {
        case Comfort::Steep:
            return "steep";
        case Comfort::Shallow:
            return "shallow";
        case Comfort::Comfortable:
            break;
    }
    return "comfortable";
}

}  // namespace

ToolMessage stairMessage(int error) {
    const char* text = "";
    if (error == errStairTwoOfThree) {
        text = "You must enter values in two of the three available fields.";
    } else if (error == errStairAllThree) {
        text = "give two of the three; the third is calculated";
    }
    return toolMessage(error, text, "Stair Calculator");
}

FlightCheck checkFlight(double riserHeight, double treadWidth, double overallHeight,
                        double overallWidth) {
    FlightCheck check;
    check.stringer = std::hypot(overallHeight, overallWidth);
    if (!std::isfinite(check.stringer)) throw RuntimeError(errOverflow);
    // atan2 is atan(R / T) for a tread of any width, 90 degrees for none.
    const double angle = std::atan2(riserHeight, treadWidth) * 180.0 / std::numbers::pi;
    check.angleText = roundAway(angle, "0.0");
    check.stepRuleText = roundAway(multiply(2.0, riserHeight) + treadWidth, "0.0");
    // Judged on the numbers shown, so "25.0" is never called steep.
    const double shownAngle = number(check.angleText);
    const double shownRule = number(check.stepRuleText);
    if (shownRule > 25.0 || shownAngle > 42.0) {
        check.comfort = Comfort::Steep;
    } else if (shownRule < 24.0) {
        check.comfort = Comfort::Shallow;
    }
    return check;
}

std::string flightLine(const FlightCheck& check, const LengthWriter& write) {
    return "Stringer " + write(check.stringer) + " @ " + check.angleText + "\u00B0, 2R+T " +
           check.stepRuleText + "\": " + comfortWord(check.comfort);
}

bool StairCalculator::CheckInputs() const {
    const auto& boxes = form_.risersChosen ? form_.Text1 : form_.Text2;
    int empty = 0;
    for (const std::string& box : boxes) {
        if (box.empty()) ++empty;
    }
    return empty <= 1;
}

int StairCalculator::cmdCalculate_Click(const DisplayOptions& options) {
    return cmdCalculate_Click([&options](double inches) { return DisplayValue(inches, options); });
}

int StairCalculator::cmdCalculate_Click(const LengthWriter& write) {
    if (!CheckInputs()) return errStairTwoOfThree;
    try {
        calculate(write);
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

void StairCalculator::calculate(const LengthWriter& write) {
    const bool risers = form_.risersChosen;
    auto& boxes = risers ? form_.Text1 : form_.Text2;
    double& step = risers ? dblRiserHeight : dblTreadWidth;
    std::int16_t& count = risers ? intRisers : intTreads;
    double& overall = risers ? dblOverallHeight : dblOverallWidth;

    // Read the boxes in order; a value read before a failing box keeps its
    // new value. An empty box zeroes its value on the risers side only, which
    // makes no difference: that value is the one computed.
    if (!boxes[0].empty()) {
        step = readLengthBox(boxes[0]);
    } else if (risers) {
        step = 0;
    }
    if (!boxes[1].empty()) {
        count = readCountBox(boxes[1]);
    } else if (risers) {
        count = 0;
    }
    if (!boxes[2].empty()) {
        overall = readLengthBox(boxes[2]);
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
    // actual step. A typed overall box keeps a text that reads back as the
    // height or width used; a computed one is a plain number.
    const std::string stepText = roundAway(step, "0.00");
    const bool overallTyped = !boxes[2].empty() && lngUnknown != 2;
    std::string overallText = overallTyped ? typedBoxText(boxes[2], overall) : text(overall);
    if (boxes[0].empty()) boxes[0] = stepText;
    boxes[1] = std::to_string(count);
    boxes[2] = std::move(overallText);

    // Formatting the overall dimension may still fail; the boxes stay written.
    std::string label = std::to_string(count) + (risers ? " Risers @ " : " Treads @ ") + stepText +
                        "\" = " + write(overall);
    (risers ? form_.lblRiser : form_.lblTread) = std::move(label);
    (risers ? risersResult_ : treadsResult_) = SideResult{step, overall};
    writeFlightLine(write);
}

void StairCalculator::writeFlightLine(const LengthWriter& write) {
    if (!risersResult_ || !treadsResult_) return;
    try {
        form_.lblStringer = flightLine(checkFlight(risersResult_->step, treadsResult_->step,
                                                   risersResult_->overall, treadsResult_->overall),
                                       write);
    } catch (const RuntimeError&) {
        // A line that no longer matches the two results above it is worse
        // than none; the message box says why.
        form_.lblStringer.clear();
        throw;
    }
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
