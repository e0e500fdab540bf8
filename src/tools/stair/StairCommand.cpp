// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stair on the command line: both sides at once, each solved as the
// window solves its chosen side.
#include <array>
#include <span>

#include "stair/StairCalculator.h"

namespace plumbrule {
namespace {

// One side of the window: its three boxes in stairBoxes, step, count, overall.
struct Side {
    bool risers;
    const char* name;
    std::size_t first;  // index of its step box

    int given(const std::vector<std::string>& texts) const {
        int count = 0;
        for (std::size_t box = first; box < first + 3; ++box) count += texts[box].empty() ? 0 : 1;
        return count;
    }
    // "--height, --risers, --max-riser", as the usage lists them.
    std::string optionList() const {
        return std::string(stairBoxes[first + 2].option) + ", " +
               std::string(stairBoxes[first + 1].option) + ", " +
               std::string(stairBoxes[first].option);
    }
    std::string described() const { return std::string(name) + " (" + optionList() + ")"; }
};

constexpr std::array kSides{Side{true, "risers", 0}, Side{false, "treads", 3}};

std::vector<std::string> solveSides(const std::vector<std::string>& texts,
                                    const LengthWriter& write) {
    if (kSides[0].given(texts) == 0 && kSides[1].given(texts) == 0) {
        throw ToolError{
            errStairTwoOfThree, -1,
            "--stair (" + kSides[0].optionList() + " or " + kSides[1].optionList() + ")"};
    }
    for (const Side& side : kSides) {
        const int given = side.given(texts);
        if (given == 1) throw ToolError{errStairTwoOfThree, -1, side.described()};
        if (given == 3) throw ToolError{errStairAllThree, -1, side.described()};
        // Read here only to name the box that does not read.
        const std::vector<std::string> sideTexts(texts.begin() + side.first,
                                                 texts.begin() + side.first + 3);
        try {
            readBoxes(std::span(stairBoxes).subspan(side.first, 3), sideTexts);
        } catch (ToolError& error) {
            error.box += static_cast<int>(side.first);
            throw;
        }
    }

    StairCalculator stair;
    std::vector<std::string> lines;
    for (const Side& side : kSides) {
        if (side.given(texts) == 0) continue;
        StairForm& boxes = stair.form();
        boxes.risersChosen = side.risers;
        auto& sideBoxes = side.risers ? boxes.Text1 : boxes.Text2;
        for (std::size_t box = 0; box < 3; ++box) sideBoxes[box] = texts[side.first + box];
        if (const int error = stair.cmdCalculate_Click(write); error != 0) {
            throw ToolError{error, -1, side.name};
        }
        lines.push_back(side.risers ? boxes.lblRiser : boxes.lblTread);
    }
    if (!stair.form().lblStringer.empty()) lines.push_back(stair.form().lblStringer);
    return lines;
}

}  // namespace

ToolAnswer solveStairSides(const std::vector<std::string>& texts, const ToolWriters& write,
                           bool /*everyLine*/) {
    return answerOf([&] { return solveSides(texts, write.length); });
}

}  // namespace plumbrule
