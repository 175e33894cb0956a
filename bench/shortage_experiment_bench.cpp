// SPDX-License-Identifier: GPL-3.0-or-later
// A run at the largest settings beside the least work such a run requires (least_work.cpp):
// one clock read and one reseed per meeting and one draw per guest from the same generator,
// nothing else; a meeting replayed beside one meeting of that run; and theory's coins against
// the guests worked out, and a sweep at the most experiments, each beside the run at 1000
// guests. The repetitions are interleaved and the ratios of their medians are printed last.
//
//   ombrix_bench                      (11 repetitions; any Google Benchmark flag overrides)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "benchmark_runner.h"
#include "coverage_curve.h"
#include "experiment_settings.h"
#include "local_clock.h"
#include "program_commands.h"
#include "random_generator.h"

namespace ombrix {
namespace {

constexpr int kExperiments = ExperimentSettings::MaxExperiments;

// One meeting of a largest run drawn again, as the chart window draws a meeting's walk: set
// beside LargestRun's time for one meeting.
void ReplayOneMeeting(benchmark::State& state) {
  RandomGenerator random(FreshSeed());
  ShortageExperiment<RandomGenerator> engine(random);
  const auto run = std::make_unique<ShortageRun>(
      engine.Run({.GuestCount = ExperimentSettings::MaxGuests, .ExperimentCount = kExperiments}));
  int experiment = 0;
  for (auto _ : state) {
    const MeetingWalk walk = engine.Replay(*run, experiment++ % kExperiments + 1);
    benchmark::DoNotOptimize(walk.balances.data());
    benchmark::ClobberMemory();
  }
}

// Theory's coins against the guests, worked out afresh: one exact law a guest count.
void TheoryCurve(benchmark::State& state) {
  for (auto _ : state) {
    const CoverageCurve curve;
    benchmark::DoNotOptimize(curve.CoinsAt(ExperimentSettings::MaxGuests));
  }
}

// A sweep at the most experiments through the program's commands, as its button starts it: its
// seven runs, each with its point.
void SweepOfMostExperiments(benchmark::State& state) {
  ProgramCommands commands;
  for (const auto& answer : {"1000", "10000"}) {
    (void)commands.StartUp();
    (void)commands.Activated(ProgramWindow::Main);
    (void)commands.TextAnswered(answer);
  }
  for (auto _ : state) {
    (void)commands.TableCommand(Command::Sweep);
    while (commands.SweepRun())
      (void)commands.Resumed();
    benchmark::DoNotOptimize(commands.Points().All().data());
  }
}

BENCHMARK(LargestRun)->Unit(benchmark::kMillisecond);
BENCHMARK(TheoryCurve)->Unit(benchmark::kMillisecond);
BENCHMARK(SweepOfMostExperiments)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplayOneMeeting)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrix

int main(int argc, char** argv) {
  const auto medians = ombrix::RunForMedians(argc, argv);
  if (!medians)
    return 1;
  if (medians->count("LargestRun") && medians->count("LeastWork")) {
    std::printf("LargestRun / LeastWork, 1000 guests x 10000 experiments: %.2f\n",
                medians->at("LargestRun") / medians->at("LeastWork"));
  }
  if (medians->count("LargestRun") && medians->count("ReplayOneMeeting")) {
    std::printf(
        "ReplayOneMeeting / one meeting of LargestRun: %.2f\n",
        medians->at("ReplayOneMeeting") / (medians->at("LargestRun") / ombrix::kExperiments));
  }
  for (const char* name : {"TheoryCurve", "SweepOfMostExperiments"}) {
    if (medians->count(name) && medians->count("LargestRun"))
      std::printf("%s / LargestRun: %.3f\n", name, medians->at(name) / medians->at("LargestRun"));
  }
  return 0;
}
