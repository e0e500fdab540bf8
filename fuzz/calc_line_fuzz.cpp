// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary input to plumbrule-calc's line evaluator, as standard
// input would: one evaluator for all lines, each line fed in pieces cut at
// arbitrary places. Every line must give what the same line gives whole on
// a fresh evaluator: a blank, a display text, or an error report.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/CalcOptions.h"
#include "cli/ExpressionEvaluator.h"

namespace {

using namespace plumbrule;
using plumbrule::cli::ExpressionEvaluator;
using plumbrule::cli::LineResult;
using plumbrule::cli::OutputForm;

void require(bool condition) {
    if (!condition) std::abort();
}

// The options byte: style, units, precision, and a metric unit for the
// decimal style, as the command line allows them.
OutputForm formFrom(std::uint8_t b) {
    OutputForm form;
    form.display.style =
        (b & 1) ? DisplayOptions::Style::Decimal : DisplayOptions::Style::Fractional;
    form.display.units = static_cast<DisplayOptions::Units>((b >> 1) & 3);
    form.display.precision = (b >> 3) % 9;
    const bool decimal = form.display.style == DisplayOptions::Style::Decimal;
    // Feet alone and metric units need the decimal style.
    if (!decimal && form.display.units == DisplayOptions::Units::Feet) {
        form.display.units = DisplayOptions::Units::Inches;
    }
    if (decimal && (b & 0x80)) form.metric = static_cast<MetricUnit>(((b >> 3) & 0xF) % 3);
    return form;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

void checkResult(const LineResult& result, std::string_view line) {
    if (isBlank(line)) {
        require(result.text.empty() && !result.failed);
        return;
    }
    require(!result.text.empty());
    const bool report = result.text.rfind("Error ", 0) == 0;
    require(report == result.failed);
    if (report) require(std::strtol(result.text.c_str() + 6, nullptr, 10) > 0);
    require(result.text.find('\n') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const OutputForm form = formFrom(data[0]);
    const std::size_t cutEvery = 1 + data[1] % 16;  // piece length fed at a time
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);

    ExpressionEvaluator streamed(form);
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);

        for (std::size_t at = 0; at < line.size(); at += cutEvery) {
            streamed.feed(line.substr(at, cutEvery));
        }
        const LineResult pieces = streamed.finishLine();
        const LineResult whole = ExpressionEvaluator(form).evaluateLine(line);
        require(pieces.text == whole.text && pieces.failed == whole.failed);
        checkResult(whole, line);
        start = end + 1;
    }
    return 0;
}
