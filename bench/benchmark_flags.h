// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace ombrix {

// Initializes Google Benchmark with `defaults` before the command line's flags, so that these
// override them. False, with the flag reported, when a flag is unknown.
inline bool InitializeBenchmark(int argc, char** argv, std::vector<std::string> defaults) {
  std::vector<char*> args{argv[0]};
  for (std::string& flag : defaults)
    args.push_back(flag.data());
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  return !benchmark::ReportUnrecognizedArguments(count, args.data());
}

}  // namespace ombrix
