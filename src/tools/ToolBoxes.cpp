// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolBoxes.h"

#include <cmath>

#include "engine/MetricLength.h"
#include "engine/NumberText.h"
#include "engine/Parser.h"
#include "engine/RuntimeError.h"
#include "entry/PasteNormaliser.h"
#include "entry/TapeRecorder.h"

namespace plumbrule {

namespace {

bool hasLengthMark(std::string_view text) {
    return text.find_first_of("'\"") != std::string_view::npos;
}

}  // namespace

std::string runTimeErrorMessage(int number) {
    if (number == errOverflow) return "Error : 6 - A value that has been entered is too large.";
    return "Error: " + std::to_string(number) + " - " + standardDescription(number);
}

ToolMessage toolMessage(int error, std::string_view ownText, std::string_view title) {
    if (ownText.empty()) return {runTimeErrorMessage(error), "Error"};
    return {std::string(ownText), std::string(title)};
}

bool isPlainNumber(std::string_view boxText) {
    return tryNumber(boxText).has_value();
}

double readLengthBox(std::string_view boxText) {
    // A plain number reads, or fails, exactly as it always has ("1E400" is
    // too large); only a text that is no number at all may be a length.
    try {
        return number(boxText);
    } catch (const RuntimeError& error) {
        if (error.number() != errTypeMismatch) throw;
    }
    // A metric length, always written with its unit ("2400 mm", "2.4m").
    if (const MetricReading metric = readMetric(boxText); metric.kind != MetricText::NoUnit) {
        if (metric.kind == MetricText::Malformed) throw RuntimeError(errTypeMismatch);
        return finite(metric.inches);
    }
    // A length with its feet or inch mark, in the display's own form or as a
    // paste may write it ("5 ft 3 in", "5′ 3½″). Without a mark, "3-1/2"
    // stays the type mismatch it always was in these boxes. The display reads
    // a lone mark as nothing at all, but a box holding only `"` has no length.
    std::optional<double> inches;
    if (hasLengthMark(boxText) && boxText.find_first_of("0123456789") != std::string_view::npos) {
        inches = TryConvertInput(boxText);
    }
    if (!inches) {
        const auto pasted = normalisePaste(boxText);
        if (pasted && hasLengthMark(*pasted)) inches = TryConvertInput(*pasted);
    }
    if (!inches) throw RuntimeError(errTypeMismatch);
    if (!std::isfinite(*inches)) throw RuntimeError(errOverflow);
    return *inches;
}

// A count typed in a box: halves go to the even neighbour (12.5 -> 12).
std::int16_t readCountBox(std::string_view boxText) {
    const double whole = roundEven(number(boxText), 0);
    if (!(whole >= -32768.0 && whole <= 32767.0)) throw RuntimeError(errOverflow);
    return static_cast<std::int16_t>(whole);
}

std::vector<std::optional<double>> readBoxes(std::span<const ToolBox> boxes,
                                             const std::vector<std::string>& texts) {
    std::vector<std::optional<double>> values(boxes.size());
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        const std::string& text = texts.at(index);
        if (text.empty()) continue;
        try {
            switch (boxes[index].kind) {
                case BoxKind::Length:
                    values[index] = readLengthBox(text);
                    break;
                case BoxKind::Number:
                    values[index] = number(text);
                    break;
                case BoxKind::Count:
                    values[index] = readCountBox(text);
                    break;
            }
        } catch (const RuntimeError& error) {
            throw ToolError{error.number(), static_cast<int>(index)};
        }
    }
    return values;
}

ToolAnswer answerOf(const std::function<std::vector<std::string>()>& solve) {
    try {
        return {solve()};
    } catch (const ToolError& error) {
        return {{}, error.error, error.box, error.context};
    } catch (const RuntimeError& error) {
        return {{}, error.number()};
    }
}

std::string tapeBlock(const std::vector<std::string>& lines, bool tapeEmpty) {
    std::string block = tapeEmpty ? "" : std::string(CRLF) + std::string(CRLF);
    for (const std::string& line : lines) block += line + std::string(CRLF);
    return block;
}

double finite(double x) {
    if (!std::isfinite(x)) throw RuntimeError(errOverflow);
    return x;
}

std::string decimals(double x, const char* pattern) {
    return roundAway(finite(x), pattern);
}

}  // namespace plumbrule
