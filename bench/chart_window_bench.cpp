// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window at the largest settings, 1000 guests x 10000 experiments, on Qt's offscreen
// platform: the first build and draw in a fresh process, timed once and printed first, then
// the chart built and drawn again and updated to another run, each repeated beside the run it
// draws. A draw is the layout and painting that follow in the event loop, made to happen at
// once. The ratios to the run are printed last.
//
//   ombrix_chart_bench                (11 repetitions; any Google Benchmark flag overrides)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "benchmark_runner.h"
#include "chart_window.h"
#include "experiment_settings.h"
#include "fonts.h"
#include "local_clock.h"
#include "random_generator.h"
#include "shortage_chart.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

constexpr int kGuests = ExperimentSettings::MaxGuests;

// Two runs at the largest settings, with the law the main window keeps beside them.
std::vector<RunReport> runs;

void MakeRuns() {
  const ExperimentSettings settings{.GuestCount = kGuests,
                                    .ExperimentCount = ExperimentSettings::MaxExperiments};
  RandomGenerator random(FreshSeed());
  ShortageExperiment<RandomGenerator> engine(random);
  for (int k = 0; k < 2; ++k)
    runs.emplace_back(engine.Run(settings));
}

// From the run's values to the pixels, as the main window asks for it.
void Draw(ChartWindow& window, const RunReport& report) {
  const ShortageChart chart = ChartOf(report.law, report.run.Values(), report.run.average);
  if (window.IsOpen())
    window.ShowRun(chart, {});
  else
    window.Open(chart, {});
  QCoreApplication::processEvents();
  window.repaint();
}

void BuildAndDraw(benchmark::State& state) {
  for (auto _ : state) {
    ChartWindow window([](Command) {});
    window.show();
    Draw(window, runs[0]);
  }
}

void Update(benchmark::State& state) {
  ChartWindow window([](Command) {});
  window.show();
  Draw(window, runs[0]);
  int next = 1;
  for (auto _ : state) {
    Draw(window, runs[next]);
    next = 1 - next;
  }
}

BENCHMARK(LargestRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildAndDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(Update)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ombrix

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ombrix::RegisterFaceSubstitutes();
  ombrix::MakeRuns();
  const auto start = std::chrono::steady_clock::now();
  {
    ombrix::ChartWindow window([](ombrix::Command) {});
    window.show();
    ombrix::Draw(window, ombrix::runs[0]);
  }
  const std::chrono::duration<double, std::milli> first = std::chrono::steady_clock::now() - start;
  std::printf("First build and draw, 1000 guests x 10000 experiments: %.1f ms\n", first.count());

  const auto medians = ombrix::RunForMedians(argc, argv);
  if (!medians)
    return 1;
  if (medians->count("LargestRun") && medians->count("BuildAndDraw") && medians->count("Update")) {
    const double run = medians->at("LargestRun");
    std::printf(
        "First build and draw / LargestRun: %.2f, BuildAndDraw / LargestRun: %.2f, "
        "Update / LargestRun: %.2f\n",
        first.count() / run, medians->at("BuildAndDraw") / run, medians->at("Update") / run);
  }
  return 0;
}
