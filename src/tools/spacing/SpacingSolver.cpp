// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spacing/SpacingSolver.h"

#include <cmath>
#include <optional>

namespace plumbrule {

namespace {

using Value = std::optional<double>;

// A count worked out from lengths: ⌈x⌉, with what floating point leaves
// above a whole number (3.0000000000000004) taken as that number.
double ceiling(double x) {
    const double nearest = std::round(x);
    if (std::abs(x - nearest) <= 1e-9 * std::max(1.0, std::abs(x))) return nearest;
    return std::ceil(x);
}

int memberCount(double count) {
    if (count > kMostMembers) throw ToolError{errSpacingTooMany};
    return static_cast<int>(count);
}

std::string members(int count) {
    return std::to_string(count) + (count == 1 ? " member" : " members");
}

std::string marks(const std::vector<double>& at, const LengthWriter& write) {
    std::string line = "Marks ";
    for (std::size_t index = 0; index < at.size(); ++index) {
        line += (index > 0 ? ", " : "") + write(at[index]);
    }
    return line;
}

// The smallest count whose gaps are at most `gap`.
int countForGap(double length, double width, double gap) {
    const auto gapOf = [&](double n) { return (length - n * width) / (n + 1); };
    double n = std::max(1.0, ceiling((length - gap) / (width + gap)));
    if (n > kMostMembers) throw ToolError{errSpacingTooMany};
    const double tolerance = 1e-9 * std::max(1.0, gap);
    while (n > 1 && gapOf(n - 1) <= gap + tolerance) --n;
    while (gapOf(n) > gap + tolerance && n <= kMostMembers) ++n;
    return memberCount(n);
}

std::vector<std::string> evenSpacing(double length, double width, Value gap, Value count,
                                     const LengthWriter& write) {
    if (count && *count < 1) throw ToolError{errSpacingCount};
    const int n = count ? memberCount(*count) : countForGap(length, width, *gap);
    if (n * width > length) throw ToolError{errSpacingFit};
    const double each = (length - n * width) / (n + 1);
    std::vector<std::string> lines{members(n) + ", " + std::to_string(n + 1) + " gaps of " +
                                   write(each)};
    if (n > 1) lines.push_back("On centre " + write(each + width));
    std::vector<double> at;
    for (int k = 1; k <= n; ++k) at.push_back(k * each + (k - 0.5) * width);
    lines.push_back(marks(at, write));
    return lines;
}

std::vector<std::string> onCentre(double length, double width, double spacing,
                                  const LengthWriter& write) {
    if (!(width < length)) throw ToolError{errSpacingFit};
    const double inner = ceiling(length / spacing);
    if (inner + 1 > kMostMembers) throw ToolError{errSpacingTooMany};
    const int n = static_cast<int>(inner) + 1;
    std::vector<double> at;
    for (int k = 1; k <= n - 2; ++k) at.push_back(k * spacing - width / 2);
    at.push_back(length - width);
    return {members(n) + " @ " + write(spacing) + " on centre", marks(at, write)};
}

std::vector<std::string> solve(const std::vector<std::string>& texts, const ToolWriters& write) {
    const auto values = readBoxes(spacingBoxes, texts);
    const auto& [length, width, gap, count, spacing] =
        std::array{values[0], values[1], values[2], values[3], values[4]};
    if (!length) throw ToolError{errSpacingLength};
    if ((gap ? 1 : 0) + (count ? 1 : 0) + (spacing ? 1 : 0) != 1) throw ToolError{errSpacingOneWay};
    for (const Value& positive : {length, gap, spacing}) {
        if (positive && !(*positive > 0)) throw ToolError{errSpacingNotPositive};
    }
    if (width && !(*width >= 0)) throw ToolError{errSpacingWidth};
    for (const Value& value : values) {
        if (value) finite(*value);
    }
    if (spacing) {
        return onCentre(*length, width.value_or(kDefaultOnCentreWidth), *spacing, write.length);
    }
    return evenSpacing(*length, width.value_or(0), gap, count, write.length);
}

}  // namespace

ToolAnswer solveSpacing(const std::vector<std::string>& texts, const ToolWriters& write,
                        bool /*everyLine*/) {
    return answerOf([&] { return solve(texts, write); });
}

ToolMessage spacingMessage(int error) {
    const char* text = "";
    switch (error) {
        case errSpacingLength:
            text = "Enter the length between the two ends.";
            break;
        case errSpacingOneWay:
            text = "Enter one of the maximum gap, the count or the spacing on centre.";
            break;
        case errSpacingNotPositive:
            text = "The length, the gap and the spacing must be more than 0.";
            break;
        case errSpacingCount:
            text = "The count must be 1 or more.";
            break;
        case errSpacingWidth:
            text = "The member width must not be less than 0.";
            break;
        case errSpacingFit:
            text = "The members do not fit in the length.";
            break;
        case errSpacingTooMany:
            text = "That is more than 1000 members: check the length, the gap and the spacing.";
            break;
        default:
            break;
    }
    return toolMessage(error, text, "Spacing");
}

}  // namespace plumbrule
