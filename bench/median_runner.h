// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ombrix {

// How every native benchmark program runs, so that the figures of one set beside another's
// come from the same repetitions.

// Runs the registered benchmarks, 11 interleaved repetitions each unless the command line's
// flags say otherwise, printing as usual, and returns the median real time of each by name:
// ratios of medians measured side by side hold from one machine to another. Nothing, with the
// flag reported, when a flag is unknown.
inline std::optional<std::map<std::string, double>> RunForMedians(int argc, char** argv) {
  std::string defaults[] = {"--benchmark_repetitions=11",
                            "--benchmark_enable_random_interleaving=true",
                            "--benchmark_report_aggregates_only=true"};
  // The defaults come first, so that the command line's flags override them.
  std::vector<char*> args{argv[0]};
  for (std::string& flag : defaults)
    args.push_back(flag.data());
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data()))
    return std::nullopt;

  struct MedianKeeper : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& run : runs) {
        if (run.aggregate_name == "median")
          medians[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    std::map<std::string, double> medians;
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return std::move(reporter.medians);
}

}  // namespace ombrix
