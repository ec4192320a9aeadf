// One recalculation per shape, from the input texts a window holds to the
// result texts it writes, and the same for its derived properties. Each
// repetition times a single call, so the median and p99 reported are those of
// single computations, as a keystroke meets them.
//
//   baricor-bench-recalc [--benchmark_repetitions=N] [google benchmark flags]
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "DerivedProperties.h"
#include "Recalculate.h"
#include "ResultFormat.h"
#include "SectionLayout.h"
#include "Stats.h"

namespace {

using baricor::InputRole;

// The texts a user leaves in a window: the defaults, then the axes translated
// and turned, which takes the transform's rotation branch.
std::vector<baricor::SectionTexts> TypicalInputs(const baricor::SectionLayout& layout) {
    std::vector<std::string> defaults;
    for (const baricor::InputField& input : layout.inputs) defaults.push_back(input.defaultText);
    std::vector<std::vector<std::string>> sets = {defaults, defaults, defaults};
    for (size_t i = 0; i < layout.inputs.size(); ++i) {
        switch (layout.inputs[i].role) {
            case InputRole::Dimension: sets[2][i] = "1" + defaults[i]; break;
            case InputRole::Dx: sets[1][i] = "12.5"; sets[2][i] = "-300"; break;
            case InputRole::Dy: sets[1][i] = "-40"; sets[2][i] = "7.75E1"; break;
            case InputRole::Theta: sets[1][i] = "30"; sets[2][i] = "-117.25"; break;
        }
    }
    std::vector<baricor::SectionTexts> texts;
    for (const std::vector<std::string>& set : sets) texts.push_back(baricor::SectionTextsOf(layout, set));
    return texts;
}

// Times `compute` on one set of a window's texts per repetition.
template <typename Compute>
void TimeOneCall(benchmark::State& state, const baricor::SectionLayout* layout, Compute compute) {
    const std::vector<baricor::SectionTexts> sets = TypicalInputs(*layout);
    // Each repetition is a fresh state of one iteration: the count that picks
    // the next set of texts has to outlive it.
    static size_t next = 0;
    for (auto _ : state) {
        const baricor::SectionTexts& texts = sets[next++ % sets.size()];
        const auto start = std::chrono::steady_clock::now();
        auto outcome = compute(*layout->shape, texts);
        benchmark::DoNotOptimize(outcome);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void RecalculateShape(benchmark::State& state, const baricor::SectionLayout* layout) {
    TimeOneCall(state, layout, [](const baricor::SectionShape& s, const baricor::SectionTexts& texts) {
        return baricor::Recalculate(s, texts, ".", baricor::kDefaultResultFormat);
    });
}

// What the derived window writes: the values, their texts and the outline it draws.
void DeriveShape(benchmark::State& state, const baricor::SectionLayout* layout) {
    TimeOneCall(state, layout, [](const baricor::SectionShape& s, const baricor::SectionTexts& texts) {
        const baricor::DerivedSection derived = baricor::DeriveSection(s, texts, ".");
        return std::make_pair(derived, baricor::DerivedTexts(derived, ".", baricor::kDefaultResultFormat));
    });
}

double P99(const std::vector<double>& v) { return baricor_bench::Percentile(v, 99.0); }
double Max(const std::vector<double>& v) { return baricor_bench::Percentile(v, 100.0); }

}  // namespace

int main(int argc, char** argv) {
    for (const auto& [name, timed] : {std::pair{"Recalculate/", RecalculateShape}, std::pair{"Derive/", DeriveShape}}) {
        for (const baricor::SectionLayout* layout : baricor::AllLayouts()) {
            benchmark::RegisterBenchmark((name + layout->window).c_str(), timed, layout)
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(10000)
                ->ComputeStatistics("p99", P99)
                ->ComputeStatistics("max", Max)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
