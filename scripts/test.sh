#!/usr/bin/env bash
# Sets up and builds Ombrix (scripts/setup.sh), then runs every test stage in order.
# Exits non-zero as soon as a stage fails.
#
# Usage: scripts/test.sh [STAGE...]   (default: all stages, in the order below)
# Environment: CI=true and OMBRIX_BUILD_DIR as for setup.sh; CTEST_PARALLEL_LEVEL is
# honoured by ctest.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

build_dir="${OMBRIX_BUILD_DIR:-build}"

# The windows are tested without a screen or a sound server.
export QT_QPA_PLATFORM=offscreen
# Qt warns on every start when this is unset; give the tests a private one.
private_runtime_dir=""
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  private_runtime_dir="$(mktemp -d)"
  export XDG_RUNTIME_DIR="$private_runtime_dir"
fi

current_stage=""
on_exit() {
  local status=$?
  [[ -n "$private_runtime_dir" ]] && rm -rf "$private_runtime_dir"
  if ((status != 0)) && [[ -n "$current_stage" ]]; then
    printf 'test: stage "%s" failed (exit status %d)\n' "$current_stage" "$status" >&2
  fi
  return "$status"
}
trap on_exit EXIT

# --- Stages ----------------------------------------------------------------------------
# Each stage is a function named stage_<name>; add a new one here and to all_stages.
# Stages run under set -e: the first failing command ends the stage and the whole run.

stage_setup() {
  bash scripts/setup.sh
}

stage_unit_tests() {
  # --no-tests=error: a build that registers no tests is broken, not green.
  # --timeout: a test stuck on a modal dialog must fail rather than hang the run.
  ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --timeout 300
}

all_stages=(setup unit_tests)

# --- Driver ----------------------------------------------------------------------------

stages=("$@")
((${#stages[@]} > 0)) || stages=("${all_stages[@]}")

for stage in "${stages[@]}"; do
  if ! declare -F "stage_$stage" >/dev/null; then
    printf 'test: unknown stage "%s" (known: %s)\n' "$stage" "${all_stages[*]}" >&2
    exit 2
  fi
done

# Stages are not called from an if or ||: that would switch set -e off inside them.
for stage in "${stages[@]}"; do
  printf '\n==> test stage: %s\n' "$stage"
  current_stage="$stage"
  "stage_$stage"
done
current_stage=""
