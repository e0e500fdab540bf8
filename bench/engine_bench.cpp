// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's speed: a display-and-read-back round trip (DisplayValue, then
// DetType and ConvertInput) in each of the 2 x 4 x 9 output forms, and its parts.
//   build/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "engine/Evaluator.h"
#include "engine/Formatter.h"
#include "engine/Parser.h"

namespace {

using plumbrule::DisplayOptions;

// Lengths a calculation produces: feet and inches with odd fractions.
const std::vector<double>& sampleLengths() {
    static const std::vector<double> lengths = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> inches(-5000, 5000);
        std::vector<double> v(1024);
        for (double& x : v) x = inches(random);
        return v;
    }();
    return lengths;
}

DisplayOptions formOf(const benchmark::State& state) {
    DisplayOptions o;
    o.style =
        state.range(0) == 0 ? DisplayOptions::Style::Fractional : DisplayOptions::Style::Decimal;
    o.units = static_cast<DisplayOptions::Units>(state.range(1));
    o.precision = static_cast<int>(state.range(2));
    return o;
}

void allForms(benchmark::internal::Benchmark* b) {
    b->ArgNames({"decimal", "units", "k"});
    for (int style = 0; style < 2; ++style) {
        for (int units = 0; units < 4; ++units) {
            for (int k = 0; k <= 8; ++k) b->Args({style, units, k});
        }
    }
}

void BM_RoundTrip(benchmark::State& state) {
    const DisplayOptions options = formOf(state);
    const auto& lengths = sampleLengths();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string shown = plumbrule::DisplayValue(lengths[i++ % lengths.size()], options);
        benchmark::DoNotOptimize(plumbrule::ConvertInput(shown, plumbrule::DetType(shown)));
    }
}
BENCHMARK(BM_RoundTrip)->Apply(allForms);

void BM_DisplayValue(benchmark::State& state) {
    const DisplayOptions options = formOf(state);
    const auto& lengths = sampleLengths();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plumbrule::DisplayValue(lengths[i++ % lengths.size()], options));
    }
}
BENCHMARK(BM_DisplayValue)->Args({0, 1, 4})->Args({1, 1, 4})->Args({1, 2, 8});

void BM_ConvertInput(benchmark::State& state) {
    const std::vector<std::string> texts = {"5'3-1/2\"", "-0'7-15/16\"", "63.5",     "5'6.25\"",
                                            "100-1/8",   "5.2917'",      "-3-1/2\"", "12'"};
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& t = texts[i++ % texts.size()];
        benchmark::DoNotOptimize(plumbrule::ConvertInput(t, plumbrule::DetType(t)));
    }
}
BENCHMARK(BM_ConvertInput);

void BM_Evaluate(benchmark::State& state) {
    plumbrule::EvaluatorState evaluator;
    const DisplayOptions options;
    for (auto _ : state) {
        evaluator.dblTotal = 63.5;
        benchmark::DoNotOptimize(
            plumbrule::Evaluate("0-3/8", plumbrule::opAdd, evaluator, options));
    }
}
BENCHMARK(BM_Evaluate);

}  // namespace

BENCHMARK_MAIN();
