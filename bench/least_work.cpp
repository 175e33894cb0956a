// SPDX-License-Identifier: GPL-3.0-or-later
// The least work a run at the largest settings requires, registered as the benchmark
// LeastWork: one clock read and one reseed per meeting and one draw per guest from the
// program's generator, nothing else. This one file is built into ombrix_bench, beside the
// engine's run, and on its own into ombrix_least_work_alone, so that the two builds of it can
// be timed alternately (scripts/bench_floor.sh). bench/CMakeLists.txt says how it is compiled.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "experiment_settings.h"
#include "local_clock.h"
#include "random_generator.h"

namespace ombrix {
namespace {

// The count of heads, which the caller keeps, keeps the draws from being optimised away.
//
// Not inlined into the benchmark's loop, where the compiler would load the draw's two
// constants again on every toss; the engine's loop keeps them in registers. And started on a
// 64-byte line, so that the inner loop, 19 instructions in 64 bytes, falls at the same place of
// a line in every program built with this file: with GCC 12, 32 bytes in, where it measured a
// fifth faster than starting 0 to 16 bytes in (docs/PERFORMANCE.md).
[[gnu::noinline, gnu::aligned(64)]] std::int64_t TossLeastWork(RandomGenerator& random) {
  std::int64_t heads = 0;
  for (int k = 0; k < ExperimentSettings::MaxExperiments; ++k) {
    random.Reseed(random.Now());
    for (int i = 0; i < ExperimentSettings::MaxGuests; ++i)
      heads += random.NextUniform() < 0.5f;
  }
  return heads;
}

void LeastWork(benchmark::State& state) {
  RandomGenerator random(FreshSeed());
  for (auto _ : state) {
    const std::int64_t heads = TossLeastWork(random);
    benchmark::DoNotOptimize(heads);
  }
}

BENCHMARK(LeastWork)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrix
