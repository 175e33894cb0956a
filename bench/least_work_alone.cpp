// SPDX-License-Identifier: GPL-3.0-or-later
// LeastWork (least_work.cpp) built on its own, with nothing of the program but its generator
// and clock: what the same loop costs where no other code shares the binary with it, to be
// run alternately with ombrix_bench (scripts/bench_floor.sh).
//
//   ombrix_least_work_alone           (11 repetitions; any Google Benchmark flag overrides)

#include "median_runner.h"

int main(int argc, char** argv) {
  return ombrix::RunForMedians(argc, argv) ? 0 : 1;
}
