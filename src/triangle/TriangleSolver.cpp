// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "triangle/TriangleSolver.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "engine/NumberText.h"
#include "engine/RuntimeError.h"

namespace plumbrule {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

struct Triangle {
    double rise = 0;
    double run = 0;
    double diagonal = 0;
    double angle = 0;  // degrees
    double pitch = 0;  // inches of rise per 12 of run
};

class Unsolvable {
  public:
    explicit Unsolvable(int error) : error(error) {}
    int error;
};

std::optional<double> lengthOf(const std::string& box) {
    if (box.empty()) return std::nullopt;
    const double inches = readLengthBox(box);
    if (!(inches > 0)) throw Unsolvable(errTriangleSide);
    return inches;
}

std::optional<double> numberOf(const std::string& box) {
    if (box.empty()) return std::nullopt;
    return number(box);
}

double finite(double value) {
    if (!std::isfinite(value)) throw RuntimeError(errOverflow);
    return value;
}

// The other leg from the diagonal and one leg, which it must exceed.
double otherLeg(double diagonal, double leg) {
    if (!(diagonal > leg)) throw Unsolvable(errTriangleDiagonal);
    return finite(std::sqrt((diagonal - leg) * (diagonal + leg)));
}

// One side and the slope, as rise per inch of run: a pitch given keeps its
// ratio exact (a 10' run at 8 in 12 rises exactly 6'8").
Triangle fromSlope(std::optional<double> rise, std::optional<double> run,
                   std::optional<double> diagonal, double slope) {
    Triangle t;
    if (rise) {
        t.rise = *rise;
        t.run = finite(*rise / slope);
    } else if (run) {
        t.run = *run;
        t.rise = finite(*run * slope);
    } else {
        const double along = finite(std::hypot(1.0, slope));
        t.run = *diagonal / along;
        t.rise = finite(t.run * slope);
    }
    t.diagonal = diagonal ? *diagonal : finite(std::hypot(t.rise, t.run));
    return t;
}

Triangle solve(const TriangleBoxes& boxes) {
    const std::array filled{&boxes.rise, &boxes.run, &boxes.diagonal, &boxes.pitch, &boxes.angle};
    int count = 0;
    for (const std::string* box : filled) count += box->empty() ? 0 : 1;
    if (count != 2) throw Unsolvable(errTriangleTwoValues);
    if (!boxes.pitch.empty() && !boxes.angle.empty()) throw Unsolvable(errTrianglePitchAndAngle);

    const auto rise = lengthOf(boxes.rise);
    const auto run = lengthOf(boxes.run);
    const auto diagonal = lengthOf(boxes.diagonal);
    const auto pitch = numberOf(boxes.pitch);
    const auto angle = numberOf(boxes.angle);
    if (pitch && !(*pitch > 0)) throw Unsolvable(errTriangleSlope);
    if (angle && !(*angle > 0 && *angle < 90)) throw Unsolvable(errTriangleSlope);

    Triangle t;
    if (pitch || angle) {
        const double slope = pitch ? *pitch / 12.0 : finite(std::tan(*angle * kDegree));
        t = fromSlope(rise, run, diagonal, slope);
    } else if (rise && run) {
        t = {*rise, *run, finite(std::hypot(*rise, *run))};
    } else if (rise) {
        t = {*rise, otherLeg(*diagonal, *rise), *diagonal};
    } else {
        t = {otherLeg(*diagonal, *run), *run, *diagonal};
    }
    t.angle = angle ? *angle : std::atan2(t.rise, t.run) / kDegree;
    t.pitch = pitch ? *pitch : finite(12.0 * (t.rise / t.run));
    return t;
}

}  // namespace

TriangleAnswer solveTriangle(const TriangleBoxes& boxes, const LengthWriter& write,
                             const LengthWriter& writePitch, bool everyLine) {
    TriangleAnswer answer;
    try {
        const Triangle t = solve(boxes);
        const auto add = [&](const std::string& box, std::string line) {
            if (everyLine || box.empty()) answer.lines.push_back(std::move(line));
        };
        add(boxes.rise, "Rise " + write(t.rise));
        add(boxes.run, "Run " + write(t.run));
        add(boxes.diagonal, "Diagonal " + write(t.diagonal));
        add(boxes.angle, "Angle " + roundAway(t.angle, "0.0") + "\u00B0");
        add(boxes.pitch, "Pitch " + writePitch(t.pitch) + " in 12");
    } catch (const Unsolvable& unsolvable) {
        answer = {{}, unsolvable.error};
    } catch (const RuntimeError& error) {
        answer = {{}, error.number()};
    }
    return answer;
}

ToolMessage triangleMessage(int error) {
    const char* title = "Right Triangle";
    switch (error) {
        case errTriangleTwoValues:
            return {"Enter two values: two sides, or one side with the pitch or the angle.", title};
        case errTrianglePitchAndAngle:
            return {"The pitch and the angle are the same slope: enter a side with one of them.",
                    title};
        case errTriangleSide:
            return {"A side must be longer than 0.", title};
        case errTriangleSlope:
            return {"The pitch must be more than 0, the angle more than 0° and less than 90°.",
                    title};
        case errTriangleDiagonal:
            return {"The diagonal must be longer than the rise and the run.", title};
        default:
            break;
    }
    return {stairErrorMessage(error), "Error"};
}

}  // namespace plumbrule
