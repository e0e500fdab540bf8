// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryCsv.h"

#include <array>
#include <optional>

#include "engine/NumberText.h"
#include "engine/Parser.h"
#include "engine/RuntimeError.h"
#include "history/HistoryTape.h"

namespace plumbrule {

namespace {

struct TapeLine {
    std::string_view operatorName;
    std::string_view shown;
};

// Operator lines begin with their two-character token; a negative first
// operand ("-5") has no space after its sign, so it is never taken for one.
TapeLine splitLine(std::string_view line) {
    if (line == "clr") return {"clr", {}};
    static constexpr std::array<std::string_view, 5> tokens = {"+ ", "- ", "* ", "/ ", "= "};
    for (const std::string_view token : tokens) {
        if (line.substr(0, 2) == token) return {token.substr(0, 1), line.substr(2)};
    }
    return {{}, line};
}

std::string row(const TapeLine& line) {
    std::string cells = CsvField(line.operatorName) + "," + CsvField(line.shown) + ",";
    const std::optional<double> inches =
        line.shown.empty() ? std::nullopt : TryConvertInput(line.shown);
    // A length too large for millimetres (beyond the double range) has no numbers.
    try {
        if (inches) return cells + DecimalInches(*inches) + "," + Millimetres(*inches);
    } catch (const RuntimeError&) {
    }
    return cells + ",";
}

std::string placesText(double x, int places) {
    return plainText(roundDigits(x, places, Halves::ToEven).value());
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string DecimalInches(double inches) {
    return placesText(inches, 6);
}

std::string Millimetres(double inches) {
    std::string text = placesText(inches * 25.4, 1);
    if (text.find('.') == std::string::npos) text += ".0";
    return text;
}

std::string CsvBytes(std::string_view tape) {
    std::string bytes = "Operator,Shown,Inches,Millimetres";
    bytes += CRLF;
    if (tape.empty()) return bytes;
    for (std::size_t start = 0;;) {
        const std::size_t end = tape.find(CRLF, start);
        const std::string_view line = tape.substr(start, end - start);
        if (!line.empty()) bytes += row(splitLine(line));
        bytes += CRLF;
        if (end == std::string_view::npos) break;
        start = end + CRLF.size();
    }
    return bytes;
}

}  // namespace plumbrule
