// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spacing/SpacingLayout.h"
#include "tools/ToolDrawing.h"

namespace plumbrule {

namespace {

constexpr double kStart = 20;   // the inside of the left end post
constexpr double kEnd = 320;    // the inside of the right end post
constexpr double kTop = 58;     // the top rail
constexpr double kBottom = 88;  // the bottom rail
constexpr double kWidth = 6;    // a member's width
constexpr int kMembers = 5;
constexpr double kGap = (kEnd - kStart - kMembers * kWidth) / (kMembers + 1);
constexpr double kArrow = 3;
constexpr double kArrowLength = 5;

// The left edge of member k (1 … kMembers).
constexpr double memberAt(int k) {
    return kStart + k * kGap + (k - 1) * kWidth;
}

void dimension(std::vector<LineSegment>& lines, double x1, double x2, double y) {
    addDimensionLine(lines, x1, x2, y, kArrowLength, kArrow);
}

}  // namespace

std::vector<LineSegment> spacingDiagram() {
    std::vector<LineSegment> lines{
        // The end posts and the rails between them.
        {kStart - 6, kTop - 6, kStart - 6, kBottom + 6},
        {kStart, kTop - 6, kStart, kBottom + 6},
        {kStart - 6, kTop - 6, kStart, kTop - 6},
        {kEnd, kTop - 6, kEnd, kBottom + 6},
        {kEnd + 6, kTop - 6, kEnd + 6, kBottom + 6},
        {kEnd, kTop - 6, kEnd + 6, kTop - 6},
        {kStart, kTop, kEnd, kTop},
        {kStart, kBottom, kEnd, kBottom},
        // The ends' extension lines down to the length.
        {kStart, kBottom + 8, kStart, 104},
        {kEnd, kBottom + 8, kEnd, 104},
    };
    for (int k = 1; k <= kMembers; ++k) {
        lines.push_back({memberAt(k), kTop, memberAt(k), kBottom});
        lines.push_back({memberAt(k) + kWidth, kTop, memberAt(k) + kWidth, kBottom});
    }
    const double third = memberAt(3) + kWidth / 2;
    const double fourth = memberAt(4) + kWidth / 2;
    dimension(lines, third, fourth, 66);                     // on centre
    dimension(lines, kStart, memberAt(1), 73);               // a gap
    dimension(lines, kStart, memberAt(1) + kWidth / 2, 81);  // the first mark
    dimension(lines, kStart, kEnd, 100);                     // the length
    // Leaders: the spacing box to its dimension line, the width box to the
    // last member.
    lines.push_back({212, 49, (third + fourth) / 2, 66});
    lines.push_back({285, 49, memberAt(5) + 3, kTop});
    return lines;
}

}  // namespace plumbrule
