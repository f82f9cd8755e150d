// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One press's calculation over a recording display, the flow the window runs,
// beside the floor: reading the same two texts as plain numbers with
// std::from_chars. The last line gives their ratio.
#include "typed_texts.h"

#include "recorded_press.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

void WholeEvaluation(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& [weight, height] = typedTexts[next];
        next = (next + 1) % typedTexts.size();
        auto result = zorvel::evaluate(weight, height);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WholeEvaluation);

double readWithFromChars(std::string_view text) {
    std::array<char, 32> copy{};
    const std::size_t length = std::min(text.size(), copy.size());
    std::replace_copy(text.begin(), text.begin() + length, copy.begin(), ',', '.');
    double value = 0;
    std::from_chars(copy.data(), copy.data() + length, value);
    return value;
}

void FromCharsFloor(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& [weight, height] = typedTexts[next];
        next = (next + 1) % typedTexts.size();
        double w = readWithFromChars(weight);
        double h = readWithFromChars(height);
        benchmark::DoNotOptimize(w);
        benchmark::DoNotOptimize(h);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FromCharsFloor);

// Prints the usual table and keeps the time per iteration of each benchmark, in ns.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // Processor time, not wall time: the machine is shared, and waiting for a core
        // is not time spent evaluating. Means stand in when only aggregates are shown.
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration;
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if ((single || mean) && run.iterations > 0)
                keepFastest(run.run_name.function_name, run.GetAdjustedCPUTime());
        }
    }
    const std::map<std::string, double>& nanoseconds() const { return nanoseconds_; }

private:
    // With repetitions, the fastest run is the one least disturbed by other work.
    void keepFastest(const std::string& name, double nanoseconds) {
        const auto [at, added] = nanoseconds_.emplace(name, nanoseconds);
        if (!added)
            at->second = std::min(at->second, nanoseconds);
    }
    std::map<std::string, double> nanoseconds_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto& ns = reporter.nanoseconds();
    const auto whole = ns.find("WholeEvaluation");
    const auto floor = ns.find("FromCharsFloor");
    if (whole == ns.end() || floor == ns.end())
        return 0;
    std::cout << "whole evaluation: " << 1e3 / whole->second << " million per second, " << whole->second / floor->second
              << " times the from_chars floor (" << whole->second << " ns against " << floor->second << " ns)\n";
    return 0;
}
