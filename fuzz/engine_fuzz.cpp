// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary text to the parser, and arbitrary doubles and options to
// the formatter and DoMath: every input must end in a value or one of the
// numbered errors, and every displayed text must read back.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/Evaluator.h"
#include "engine/Formatter.h"
#include "engine/NumberText.h"
#include "engine/Parser.h"
#include "engine/RuntimeError.h"

namespace {

using namespace plumbrule;

void require(bool condition) {
    if (!condition) std::abort();
}

bool isKnownError(int number) {
    return number == 5 || number == 6 || number == 11 || number == 13 || number == 100;
}

// Reads bytes off the front of the input.
struct Input {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    double number() {
        double x = 0;
        std::uint8_t raw[sizeof x] = {};
        for (auto& b : raw) b = byte();
        std::memcpy(&x, raw, sizeof x);
        return x;
    }
    std::string_view rest() const { return {reinterpret_cast<const char*>(data), size}; }
};

DisplayOptions optionsFrom(std::uint8_t b) {
    DisplayOptions o;
    o.style = (b & 1) ? DisplayOptions::Style::Decimal : DisplayOptions::Style::Fractional;
    o.units = static_cast<DisplayOptions::Units>((b >> 1) & 3);
    o.precision = (b >> 3) % 9;
    return o;
}

void fuzzParser(std::string_view text) {
    for (const int type : {static_cast<int>(DetType(text)), 0, 1}) {
        try {
            const double x = ConvertInput(text, type);
            require(std::isfinite(x));
        } catch (const RuntimeError& e) {
            require(isKnownError(e.number()));
        }
    }
    try {
        number(text);
        whole(text);
    } catch (const RuntimeError& e) {
        require(e.number() == 13 || e.number() == 6);
    }
}

// The digits the engine rounds on are the digits the printer writes.
void checkDigits(double v) {
    if (!std::isfinite(v) || v == 0) return;
    char printed[40];
    const auto end =
        std::to_chars(printed, printed + sizeof printed, v, std::chars_format::scientific, 14).ptr;
    const DecimalNumber d = significantDigits(v);
    char mine[40];
    std::snprintf(mine, sizeof mine, "%s%llu", d.negative ? "-" : "",
                  static_cast<unsigned long long>(d.digits));
    std::string expected(printed, end);
    const std::size_t e = expected.find('e');
    const int exponent = std::atoi(expected.c_str() + e + 1) - 14;
    expected.erase(e);
    expected.erase(expected.find('.'), 1);
    require(expected == mine && exponent == d.exponent);
}

void fuzzFormatter(double v, const DisplayOptions& options) {
    checkDigits(v);
    checkDigits(v / 12);
    std::string shown;
    try {
        shown = DisplayValue(v, options);
    } catch (const RuntimeError& e) {
        require(e.number() == 6 || e.number() == 5);
        return;
    }
    double back = 0;
    try {
        back = ConvertInput(shown, DetType(shown));
    } catch (const RuntimeError& e) {
        require(e.number() == 6 && std::fabs(v) > 1e300);  // only beyond any length
        return;
    }
    if (std::fabs(v) <= 1e9 && shown != "-0'0\"" && shown != "-0") {
        require(DisplayValue(back, options) == shown);
    }
    try {
        DisplayMetric(v, static_cast<MetricUnit>(options.precision % 3), options.precision);
    } catch (const RuntimeError& e) {
        require(e.number() == 6);
    }
}

void fuzzDoMath(double total, std::int32_t op, std::string_view text,
                const DisplayOptions& options) {
    EvaluatorState state{total, op};
    std::string report;
    const std::string shown =
        DoMath(text, op, state, options, [&](const std::string& message) { report = message; });
    if (report.empty()) return;
    require(shown == "0");
    require(report.rfind("Error ", 0) == 0);
    require(std::strtol(report.c_str() + 6, nullptr, 10) > 0);
    // a failed evaluation leaves the total as it was
    require(std::memcmp(&state.dblTotal, &total, sizeof total) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    switch (in.byte() % 3) {
        case 0:
            fuzzParser(in.rest());
            break;
        case 1: {
            const DisplayOptions options = optionsFrom(in.byte());
            fuzzFormatter(in.number(), options);
            break;
        }
        default: {
            const DisplayOptions options = optionsFrom(in.byte());
            const std::int32_t op = static_cast<std::int32_t>(in.byte() % 6);
            const double total = in.number();
            fuzzDoMath(total, op, in.rest(), options);
            break;
        }
    }
    return 0;
}
