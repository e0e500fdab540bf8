// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "triangle/TriangleSolver.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "engine/NumberText.h"

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

using Value = std::optional<double>;

// The other leg from the diagonal and one leg, which it must exceed.
double otherLeg(double diagonal, double leg) {
    if (!(diagonal > leg)) throw ToolError{errTriangleDiagonal};
    return finite(std::sqrt((diagonal - leg) * (diagonal + leg)));
}

// One side and the slope, as rise per inch of run: a pitch given keeps its
// ratio exact (a 10' run at 8 in 12 rises exactly 6'8").
Triangle fromSlope(Value rise, Value run, Value diagonal, double slope) {
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

Triangle solve(const std::vector<std::string>& texts) {
    const auto values = readBoxes(triangleBoxes, texts);
    int count = 0;
    for (const Value& value : values) count += value ? 1 : 0;
    if (count != 2) throw ToolError{errTriangleTwoValues};
    const auto [rise, run, diagonal, pitch, angle] =
        std::array{values[0], values[1], values[2], values[3], values[4]};
    if (pitch && angle) throw ToolError{errTrianglePitchAndAngle};
    for (const Value& side : {rise, run, diagonal}) {
        if (side && !(*side > 0)) throw ToolError{errTriangleSide};
    }
    if (pitch && !(*pitch > 0)) throw ToolError{errTriangleSlope};
    if (angle && !(*angle > 0 && *angle < 90)) throw ToolError{errTriangleSlope};

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

ToolAnswer solveTriangle(const std::vector<std::string>& texts, const ToolWriters& write,
                         bool everyLine) {
    return answerOf([&] {
        const Triangle t = solve(texts);
        std::vector<std::string> lines;
        const auto add = [&](std::size_t box, std::string line) {
            if (everyLine || texts[box].empty()) lines.push_back(std::move(line));
        };
        add(0, "Rise " + write.length(t.rise));
        add(1, "Run " + write.length(t.run));
        add(2, "Diagonal " + write.length(t.diagonal));
        add(4, "Angle " + roundAway(t.angle, "0.0") + "\u00B0");
        add(3, "Pitch " + write.plain(t.pitch) + " in 12");
        return lines;
    });
}

ToolMessage triangleMessage(int error) {
    const char* text = "";
    switch (error) {
        case errTriangleTwoValues:
            text = "Enter two values: two sides, or one side with the pitch or the angle.";
            break;
        case errTrianglePitchAndAngle:
            text = "The pitch and the angle are the same slope: enter a side with one of them.";
            break;
        case errTriangleSide:
            text = "A side must be longer than 0.";
            break;
        case errTriangleSlope:
            text = "The pitch must be more than 0, the angle more than 0° and less than 90°.";
            break;
        case errTriangleDiagonal:
            text = "The diagonal must be longer than the rise and the run.";
            break;
        default:
            break;
    }
    return toolMessage(error, text, "Right Triangle");
}

}  // namespace plumbrule
