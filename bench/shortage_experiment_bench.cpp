// A run of the engine beside the floor any engine with one draw per guest has to pay: the
// same number of draws from the same generator, with nothing else done.
//
//   ombrix_bench --benchmark_filter=.
//
// Compare EngineRun/G/E with BareDraws/(G*E): the items-per-second columns are draws.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "experiment_settings.h"
#include "frequency_table.h"
#include "local_clock.h"
#include "runtime_random.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

void EngineRun(benchmark::State& state) {
  ExperimentSettings settings;
  settings.GuestCount = static_cast<std::int16_t>(state.range(0));
  settings.ExperimentCount = static_cast<std::int16_t>(state.range(1));
  RuntimeRandom random(FreshSeed());
  // Built once, as the main window holds it: a run itself allocates nothing.
  auto engine = std::make_unique<ShortageExperiment<RuntimeRandom>>(random);
  FrequencyTable table;
  for (auto _ : state) {
    table.Clear();
    engine->Run(settings, table);
    benchmark::DoNotOptimize(engine->ShortageAverage);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(EngineRun)->Args({1000, 10000})->Args({100, 1000})->Unit(benchmark::kMillisecond);

void BareDraws(benchmark::State& state) {
  RuntimeRandom random(FreshSeed());
  const std::int64_t draws = state.range(0);
  for (auto _ : state) {
    std::int64_t heads = 0;
    for (std::int64_t i = 0; i < draws; ++i)
      heads += random.rtcRandomNext() < 0.5f;
    benchmark::DoNotOptimize(heads);
  }
  state.SetItemsProcessed(state.iterations() * draws);
}
BENCHMARK(BareDraws)->Arg(10'000'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrix

BENCHMARK_MAIN();
