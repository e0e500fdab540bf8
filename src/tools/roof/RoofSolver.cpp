// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roof/RoofSolver.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace plumbrule {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

std::string degrees(double radians) {
    return decimals(radians / kDegree, "0.0") + "\u00B0";
}

std::vector<std::string> solve(const std::vector<std::string>& texts, const ToolWriters& write) {
    const auto values = readBoxes(roofBoxes, texts);
    const auto& [pitchBox, angleBox, runBox, spanBox, ridgeBox, overhangBox, jacksBox] =
        std::array{values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
    if (pitchBox.has_value() == angleBox.has_value()) throw ToolError{errRoofPitchOrAngle};
    if (runBox.has_value() == spanBox.has_value()) throw ToolError{errRoofRunOrSpan};
    for (const std::optional<double>& value : values) {
        if (value && !(*value > 0)) throw ToolError{errRoofNotPositive};
    }
    if (angleBox && !(*angleBox < 90)) throw ToolError{errRoofAngle};

    const double pitch = pitchBox ? *pitchBox : finite(12.0 * std::tan(*angleBox * kDegree));
    const double run = runBox ? *runBox : *spanBox / 2;
    const double ridge = ridgeBox.value_or(0);
    if (!(ridge < 2 * run)) throw ToolError{errRoofRidge};
    // The rafter's length per inch of run, common and hip.
    const double common = finite(std::sqrt(144.0 + pitch * pitch) / 12.0);
    const double hip = finite(std::sqrt(288.0 + pitch * pitch) / 12.0);
    const double shortened = run - ridge / 2;

    std::vector<std::string> lines{
        "Rise " + write.length(finite(run * pitch / 12.0)),
        "Common rafter " + write.length(finite(shortened * common)),
    };
    if (overhangBox) {
        const double tail = finite(*overhangBox * common);
        lines.push_back("Overhang " + write.length(tail));
        lines.push_back("Rafter total " + write.length(finite(shortened * common + tail)));
    }
    const double plumb = std::atan(pitch / 12.0);
    lines.push_back("Plumb cut " + degrees(plumb) + ", level cut " +
                    degrees(std::numbers::pi / 2 - plumb));
    lines.push_back("Hip or valley " + write.length(finite(shortened * hip)) + " @ " +
                    degrees(std::atan(pitch / (12.0 * std::numbers::sqrt2))));
    if (jacksBox) {
        const double difference = finite(*jacksBox * common);
        // The common rafter's line length, the ridge not taken off.
        const double line = finite(run * common);
        if (line / difference > kMostJacks) throw ToolError{errRoofJackCount};
        std::string jacks;
        for (int k = 1; line - k * difference > 0; ++k) {
            jacks += (k > 1 ? ", " : "") + write.length(line - k * difference);
        }
        lines.push_back("Jack difference " + write.length(difference));
        if (!jacks.empty()) lines.push_back("Jacks " + jacks);
    }
    return lines;
}

}  // namespace

ToolAnswer solveRoof(const std::vector<std::string>& texts, const ToolWriters& write,
                     bool /*everyLine*/) {
    return answerOf([&] { return solve(texts, write); });
}

ToolMessage roofMessage(int error) {
    const char* text = "";
    switch (error) {
        case errRoofPitchOrAngle:
            text = "Enter the pitch or the angle, one of the two.";
            break;
        case errRoofRunOrSpan:
            text = "Enter the run or the span, one of the two.";
            break;
        case errRoofNotPositive:
            text =
                "A pitch, angle, run, span, ridge, overhang or jack spacing must be more than 0.";
            break;
        case errRoofAngle:
            text = "The angle must be less than 90°.";
            break;
        case errRoofRidge:
            text = "The ridge must be thinner than twice the run.";
            break;
        case errRoofJackCount:
            text = "The jacks are too close together: space them wider.";
            break;
        default:
            break;
    }
    return toolMessage(error, text, "Roof Framing");
}

}  // namespace plumbrule
