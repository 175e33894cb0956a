#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the least work a run requires, LeastWork, both where the engine's benchmark runs it,
# in ombrix_bench, and built alone, in ombrix_least_work_alone: ROUNDS rounds of the two
# programs one after the other, the first of them alternating so that a change of the
# machine's load weighs on both alike. Each program runs its usual 11 interleaved repetitions.
# Prints, for each round, the machine's load, the medians of LargestRun and of both LeastWorks,
# LargestRun's ratio to each LeastWork and the ratio of the two LeastWorks, of real time as
# ombrix_bench's own ratio is and of CPU time, which a loaded machine disturbs less.
#
# Usage: scripts/bench_floor.sh [ROUNDS [FLAG...]]
#   ROUNDS defaults to 3; any Google Benchmark FLAG goes to both programs, such as
#   --benchmark_repetitions=21. OMBRIX_BUILD_DIR as for setup.sh.
# To run both programs on one core: taskset -c 1 scripts/bench_floor.sh
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

build_dir="${OMBRIX_BUILD_DIR:-build}"
rounds="${1:-3}"
if [[ ! "$rounds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/bench_floor.sh [ROUNDS [FLAG...]]" >&2
  exit 2
fi
flags=("${@:2}")

cmake --build "$build_dir" --target ombrix_bench ombrix_least_work_alone >/dev/null
inside_bench="$build_dir/bin/ombrix_bench"
alone_bench="$build_dir/bin/ombrix_least_work_alone"

# median NAME < REPORT: "REAL CPU", the milliseconds of NAME's median in a Google Benchmark
# console report, whose colours are taken out first. Fails, saying so, when the report has no
# such line.
median() {
  sed 's/\x1b\[[0-9;]*m//g' | awk -v name="$1_median" '
    $1 == name && $3 == "ms" && $5 == "ms" { print $2, $4; found = 1 }
    END {
      if (!found)
        print "bench_floor: no " name " in milliseconds in the report" > "/dev/stderr"
      exit !found
    }'
}

# run PROGRAM: its console report; what it says on stderr is shown only if it fails.
run() {
  local errors status=0
  errors="$(mktemp)"
  "$1" "${flags[@]}" 2>"$errors" || status=$?
  if ((status)); then
    cat "$errors" >&2
    echo "bench_floor: $1 failed" >&2
  fi
  rm -f "$errors"
  return "$status"
}

for ((round = 1; round <= rounds; ++round)); do
  if ((round % 2)); then
    inside="$(run "$inside_bench")"
    alone="$(run "$alone_bench")"
  else
    alone="$(run "$alone_bench")"
    inside="$(run "$inside_bench")"
  fi
  largest="$(median LargestRun <<<"$inside")"
  floor_inside="$(median LeastWork <<<"$inside")"
  floor_alone="$(median LeastWork <<<"$alone")"
  read -r load _ </proc/loadavg
  awk -v round="$round" -v load="$load" -v largest="$largest" -v inside="$floor_inside" \
    -v alone="$floor_alone" 'BEGIN {
    split(largest, r, " "); split(inside, i, " "); split(alone, a, " ")
    printf "round %d (load %s)\n", round, load
    printf "  LargestRun %.2f ms, CPU %.2f ms\n", r[1], r[2]
    printf "  LeastWork in ombrix_bench %.2f ms, CPU %.2f ms; alone %.2f ms, CPU %.2f ms\n",
      i[1], i[2], a[1], a[2]
    printf "  LargestRun / LeastWork: %.2f in ombrix_bench, %.2f alone; CPU %.2f, %.2f\n",
      r[1] / i[1], r[1] / a[1], r[2] / i[2], r[2] / a[2]
    printf "  LeastWork in ombrix_bench / alone: %.2f; CPU %.2f\n", i[1] / a[1], i[2] / a[2]
  }'
done
