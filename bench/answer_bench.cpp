#include <benchmark/benchmark.h>

#include "solver/solver.h"

// The whole answer for one typical click: two conversions, the decision,
// the division and the text (2 and 5 give X=2.5).
static void AnswerTypicalClick(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(solver::answer({"2", "Text1"}, {"5", "Text2"}));
}
BENCHMARK(AnswerTypicalClick);

// A harder quotient: 15 significant digits in the text.
static void AnswerRepeatingDecimal(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(solver::answer({"3", "Text1"}, {"-1,5e-7", "Text2"}));
}
BENCHMARK(AnswerRepeatingDecimal);
