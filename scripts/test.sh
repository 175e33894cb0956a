#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the program and its tests need (scripts/setup.sh --for test), then runs every
# test stage in order, the build among them. Exits non-zero as soon as a stage fails.
#
# Usage: scripts/test.sh [STAGE...]   (default: all stages, in the order below)
# Environment: CI=true and OMBRIX_BUILD_DIR as for setup.sh; CTEST_PARALLEL_LEVEL is
# honoured by ctest.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

build_dir="${OMBRIX_BUILD_DIR:-build}"
# shellcheck source=build_dir.sh
source scripts/build_dir.sh

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

stage_lint() {
  # The layout of every C++ file (.clang-format) and every script, as git lists them, tracked
  # or new. Runs in seconds, before anything is built.
  local -a sources scripts
  mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
  mapfile -t scripts < <(git ls-files --cached --others --exclude-standard -- '*.sh' .ci/run)
  clang-format --dry-run --Werror "${sources[@]}"
  # -x follows the files a script sources; their directives name them from the script's folder.
  shellcheck -x --source-path=SCRIPTDIR "${scripts[@]}"
  # The catalogues: the template as the code has it, each translation whole and checked.
  bash scripts/catalogues.sh check
  # The page's modules: their JSDoc types, checked by TypeScript from the lock file; the
  # service worker apart, against the worker's globals rather than a page's.
  install_node_packages
  npx --no-install tsc -p web/tsconfig.json
  npx --no-install tsc -p web/tsconfig.worker.json
  printf 'lint: %d C++ files formatted, %d scripts without a finding, the catalogues checked, the page type-checked\n' \
    "${#sources[@]}" "${#scripts[@]}"
}

# The npm packages exactly as package-lock.json has them, installed once a run.
node_packages_installed=false
install_node_packages() {
  [[ $node_packages_installed == true ]] && return
  npm ci --no-audit --no-fund
  node_packages_installed=true
}

stage_build() {
  bash scripts/setup.sh --for test
}

stage_unit_tests() {
  # The plain core and the windows' model, configured without Qt in a directory of their own:
  # a Qt include or library in any of their compile or link commands fails the stage.
  local core="${OMBRIX_CORE_BUILD_DIR:-build-core}"
  configure_and_build "$core" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
    -DOMBRIX_BUILD_BENCHMARKS=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
  local commands=("$core/compile_commands.json")
  if [[ -f "$core/build.ninja" ]]; then
    commands+=("$core/build.ninja")
  else
    mapfile -t -O 1 commands < <(find "$core" -name link.txt)
  fi
  if grep -i -n 'qt' "${commands[@]}"; then
    echo "unit tests: the plain core or the windows' model is built with Qt" >&2
    return 1
  fi
  # --no-tests=error: a build that registers no tests is broken, not green.
  # --timeout: a test stuck on a modal dialog must fail rather than hang the run.
  ctest --test-dir "$core" --output-on-failure --no-tests=error --timeout 300
  ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --timeout 300
}

stage_fuzz() {
  # The settings input fuzzer: the plain core alone, built with clang's libFuzzer in a
  # directory of its own, run for a bounded time on a scratch copy of the seed corpus.
  # A crash, a sanitizer report or a broken property fails the stage; the input that did it
  # is kept in the run directory. OMBRIX_FUZZ_SECONDS runs it longer.
  local dir="${OMBRIX_FUZZ_BUILD_DIR:-build-fuzz}"
  local seconds="${OMBRIX_FUZZ_SECONDS:-20}"
  local started=$SECONDS
  CXX=clang++ configure_and_build "$dir" -DOMBRIX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo

  local run="$dir/run"
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp tests/fuzz/corpus/* "$run/corpus/"
  local status=0
  "$dir/bin/settings_input_fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
    -dict=tests/fuzz/settings_input.dict -print_final_stats=1 -artifact_prefix="$run/" \
    "$run/corpus" >"$run/fuzz.log" 2>&1 || status=$?
  local inputs
  inputs="$(awk '/^stat::number_of_executed_units:/ { print $2 }' "$run/fuzz.log")"
  if ((status != 0)); then
    tail -n 60 "$run/fuzz.log" >&2
    printf 'fuzz: the fuzzer failed (status %d); the input is kept in %s\n' "$status" "$run" >&2
    return 1
  fi
  printf 'fuzz: %s inputs tried in %s s without a finding (corpus: %s files; stage took %d s)\n' \
    "${inputs:-?}" "$seconds" "$(find "$run/corpus" -type f | wc -l)" $((SECONDS - started))
}

stage_sanitizers() {
  # The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in a
  # directory of its own, without the benchmark. LeakSanitizer checks every test process as
  # it exits; tests/lsan.supp names the only leftovers allowed, the system libraries'. An
  # entry names a library's file, which the allocation's first frame already shows, so the
  # fast unwinder does: complete stacks made the suite some ten times slower.
  # gcc's -Warray-bounds misfires on code instrumented for UBSan, so warnings are not errors
  # here; the regular build holds them to that.
  local dir="${OMBRIX_ASAN_BUILD_DIR:-build-asan}"
  local started=$SECONDS
  configure_and_build "$dir" -DOMBRIX_SANITIZE=ON -DOMBRIX_BUILD_BENCHMARKS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIX_WARNINGS_AS_ERRORS=OFF
  # Printed now, so that ctest's summary stays the last line of the run.
  printf 'sanitizers: build took %d s\n' $((SECONDS - started))
  ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1" \
    UBSAN_OPTIONS="print_stacktrace=1" \
    LSAN_OPTIONS="suppressions=$repo_root/tests/lsan.supp:print_suppressions=0" \
    ctest --test-dir "$dir" --output-on-failure --no-tests=error --timeout 300 -j"$(nproc)"
}

stage_package() {
  # The Debian package, built by Debian's own tools (scripts/package.sh), then checked by
  # them: lintian fails the stage on an error or a warning and reports informational tags;
  # the validators fail it on any warning about the menu entry or the AppStream data. Lintian
  # reports lost hardening only as information, so hardening-check checks the program, and
  # neither notices a chime, the icon or a runtime dependency that the package lacks.
  local deb root=build-package/contents
  deb="$(bash scripts/package.sh | tail -n 1)"
  lintian --fail-on error,warning --display-info "$deb"
  rm -rf "$root"
  dpkg-deb -x "$deb" "$root"
  hardening-check --nocfprotection --quiet "$root/usr/bin/ombrix"
  local file
  for file in ombrix/pinpon.wav ombrix/endpinpon.wav \
    icons/hicolor/32x32/apps/org.ombrix.Ombrix.png man/man1/ombrix.1.gz man/ja/man1/ombrix.1.gz; do
    [[ -s "$root/usr/share/$file" ]] || { echo "package: lacks /usr/share/$file" >&2; return 1; }
  done
  local depends
  depends="$(dpkg-deb -f "$deb" Depends)"
  [[ $depends == *fonts-ipafont-gothic* && $depends == *libqt6svg6* ]] ||
    { echo "package: Depends lacks the font or the SVG icon engine: $depends" >&2
      return 1; }
  # desktop-file-validate fails on errors only; anything it prints fails the stage.
  local report
  report="$(desktop-file-validate --no-hints "$root"/usr/share/applications/*.desktop 2>&1)" || true
  [[ -z $report ]] || { echo "package: desktop entry: $report" >&2; return 1; }
  # The menu entry and the AppStream data speak Japanese too.
  local key
  for key in 'Name[ja]' 'Comment[ja]' 'Keywords[ja]'; do
    grep -qF "$key=" "$root"/usr/share/applications/*.desktop ||
      { echo "package: the desktop entry lacks $key" >&2; return 1; }
  done
  grep -q '<summary xml:lang="ja">' "$root"/usr/share/metainfo/*.metainfo.xml ||
    { echo "package: the AppStream data lacks a Japanese summary" >&2; return 1; }
  appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.metainfo.xml
  printf 'package: %s (%d files) passes lintian, hardening-check and the validators\n' \
    "$(basename "$deb")" "$(dpkg-deb -c "$deb" | grep -c -v '/$')"
}

stage_web() {
  # The browser edition: the site as scripts/web.sh builds it, the core's tests compiled to
  # WebAssembly and run under Node, then the page driven in Debian's chromium by
  # playwright-core. The seeded run of the core's tests pins one table of 63 counts, and the
  # run notes' test every text of three scripted runs; they run here in the build stage's
  # native build too, so both builds are held to them side by side.
  local dir="${OMBRIX_WEB_DIR:-build-web}"
  bash scripts/web.sh
  # The module in the test language, for the page's test of it.
  NODE_PATH=/usr/share/nodejs cmake --build "$dir/module" --target ombrix_web_en_XA
  configure_and_build_wasm "$dir/core-tests" -DCMAKE_CXX_FLAGS=-fexceptions \
    -DCMAKE_EXE_LINKER_FLAGS=-fexceptions
  ctest --test-dir "$dir/core-tests" --output-on-failure --no-tests=error --timeout 300
  ctest --test-dir "$build_dir" --output-on-failure --no-tests=error \
    -R '^(RandomGeneratorTest\.OneSeed|RunNotesTest\.EveryNote)'
  echo "web: the WebAssembly core and the native core give the same 63 counts and run notes"
  install_node_packages
  OMBRIX_WEB_SITE="$dir/site" node --test tests/web/
  # The figures beside their native counterparts, printed for the record: none decides. They
  # need the build stage's benchmark (a build without benchmarks, as the fault injection's,
  # has none).
  if [[ -x "$build_dir/bin/ombrix_bench" ]]; then
    node scripts/web_bench.mjs "$build_dir/bin/ombrix_bench" "$dir/module/bin" "$dir/site"
  else
    echo "web: no figures: $build_dir/bin/ombrix_bench is not built"
  fi
}

all_stages=(lint build unit_tests fuzz package sanitizers web)

# --- Driver ----------------------------------------------------------------------------

stages=("$@")
((${#stages[@]} > 0)) || stages=("${all_stages[@]}")

for stage in "${stages[@]}"; do
  if ! declare -F "stage_$stage" >/dev/null; then
    printf 'test: unknown stage "%s" (known: %s)\n' "$stage" "${all_stages[*]}" >&2
    exit 2
  fi
done

bash scripts/setup.sh --for test --packages-only
# Stages are not called from an if or ||: that would switch set -e off inside them.
for stage in "${stages[@]}"; do
  printf '\n==> test stage: %s\n' "$stage"
  current_stage="$stage" stage_started=$SECONDS
  "stage_$stage"
  printf '==> test stage %s took %d s\n' "$stage" $((SECONDS - stage_started))
done
current_stage=""
