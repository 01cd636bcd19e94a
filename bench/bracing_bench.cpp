// What one press of the calculate button costs: the calculation alone, and
// the calculation with the fifteen texts the dialog then shows.
#include "calc/bracing.h"
#include "ui/result_rows.h"

#include <benchmark/benchmark.h>

#include <cstddef>

namespace {

// Bays that take both branches of the stability coefficient, so the timing
// is not that of one lucky path.
const BracingInputs kBays[] = {
    {6, 8, 2, 20, 30, 12, 3},
    {9, 6, 2, 15, 35, 15.5, 2.8},
    {3, 4, 1, 0, 10, 10, 100},
    {600, 800, 2, 20, 30, 12, 3},
};
constexpr std::size_t kBayCount = sizeof kBays / sizeof kBays[0];

// The next bay, passed through DoNotOptimize so the compiler must assume it
// changed and cannot hoist the calculation out of the loop.
BracingInputs NextBay(std::size_t& next) {
    BracingInputs in = kBays[next];
    next = (next + 1) % kBayCount;
    benchmark::DoNotOptimize(in);
    return in;
}

void BM_Calculation(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const BracingInputs in = NextBay(next);
        BracingResults out;
        bool accepted = ComputeBracing(in, out);
        benchmark::DoNotOptimize(accepted);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Calculation);

void BM_CalculationAndTexts(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        const BracingInputs in = NextBay(next);
        BracingResults out;
        bool accepted = ComputeBracing(in, out);
        benchmark::DoNotOptimize(accepted);
        for (const ResultRow& row : kResultRows) {
            ResultText text = FormatResultRow(row, out);
            benchmark::DoNotOptimize(text);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalculationAndTexts);

}  // namespace
