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
#include "Shapes.h"
#include "Stats.h"

namespace {

using baricor::InputRole;

// The texts a user leaves in a window: the defaults, then the axes translated
// and turned, which takes the transform's rotation branch.
std::vector<std::vector<std::string>> TypicalInputs(const baricor::ShapeUnit& shape) {
    std::vector<std::string> defaults;
    for (const baricor::InputField& input : shape.inputs) defaults.push_back(input.defaultText);
    std::vector<std::vector<std::string>> sets = {defaults, defaults, defaults};
    for (size_t i = 0; i < shape.inputs.size(); ++i) {
        switch (shape.inputs[i].role) {
            case InputRole::Dimension: sets[2][i] = "1" + defaults[i]; break;
            case InputRole::Dx: sets[1][i] = "12.5"; sets[2][i] = "-300"; break;
            case InputRole::Dy: sets[1][i] = "-40"; sets[2][i] = "7.75E1"; break;
            case InputRole::Theta: sets[1][i] = "30"; sets[2][i] = "-117.25"; break;
        }
    }
    return sets;
}

// Times `compute` on one set of a window's texts per repetition.
template <typename Compute>
void TimeOneCall(benchmark::State& state, const baricor::ShapeUnit* shape, Compute compute) {
    const std::vector<std::vector<std::string>> sets = TypicalInputs(*shape);
    // Each repetition is a fresh state of one iteration: the count that picks
    // the next set of texts has to outlive it.
    static size_t next = 0;
    for (auto _ : state) {
        const std::vector<std::string>& texts = sets[next++ % sets.size()];
        const auto start = std::chrono::steady_clock::now();
        auto outcome = compute(*shape, texts);
        benchmark::DoNotOptimize(outcome);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void RecalculateShape(benchmark::State& state, const baricor::ShapeUnit* shape) {
    TimeOneCall(state, shape, [](const baricor::ShapeUnit& s, const std::vector<std::string>& texts) {
        return baricor::Recalculate(s, texts, ".", baricor::kDefaultResultFormat);
    });
}

// What the derived window writes: the values, their texts and the outline it draws.
void DeriveShape(benchmark::State& state, const baricor::ShapeUnit* shape) {
    TimeOneCall(state, shape, [](const baricor::ShapeUnit& s, const std::vector<std::string>& texts) {
        const baricor::DerivedSection derived = baricor::DeriveSection(s, texts, ".");
        return std::make_pair(derived, baricor::DerivedTexts(derived, ".", baricor::kDefaultResultFormat));
    });
}

double P99(const std::vector<double>& v) { return baricor_bench::Percentile(v, 99.0); }
double Max(const std::vector<double>& v) { return baricor_bench::Percentile(v, 100.0); }

}  // namespace

int main(int argc, char** argv) {
    for (const auto& [name, timed] : {std::pair{"Recalculate/", RecalculateShape}, std::pair{"Derive/", DeriveShape}}) {
        for (const baricor::ShapeUnit* shape : baricor::AllShapes()) {
            benchmark::RegisterBenchmark((name + shape->window).c_str(), timed, shape)
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
