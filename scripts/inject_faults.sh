#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the test suite by the faults it catches. Copies the checkout (tracked files and the
# untracked ones git does not ignore) into a scratch directory, builds it and runs the suite
# once unchanged; then, for each fault of scripts/faults.tsv, makes that one change with perl,
# rebuilds, runs the suite and puts the file back. A fault in the browser edition's own files
# (web/, scripts/web.sh, the page's tools) meets test.sh's web stage instead of ctest; one in
# what both editions build from the same file (the catalogues, the dialogs' layouts) meets both;
# one in the package's own files meets the package stage. A maintainer's tool, run on demand;
# it never touches the checkout.
#
# Usage: scripts/inject_faults.sh [--commit REV] [--list FILE] [--dry-run] [FAULT_ID...]
#   --commit REV  test the tree of commit REV instead of the working tree
#   --list FILE   the faults (default: scripts/faults.tsv)
#   --dry-run     only check that every fault still applies, and show its diff
# OMBRIX_FAULT_DIR names a scratch directory to keep and build incrementally next time.
# Prints CAUGHT, SURVIVED (with what a user would see) or STALE / NOBUILD (the fault no longer
# applies or compiles: adapt it) per fault, then a summary; exits 0 when every one was caught.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
list="$repo/scripts/faults.tsv" commit="" dry_run=false selected=()
while (($# > 0)); do
  case "$1" in
    --commit) commit="$2"; shift 2 ;;
    --list) list="$(realpath "$2")"; shift 2 ;;
    --dry-run) dry_run=true; shift ;;
    *) selected+=("$1"); shift ;;
  esac
done

scratch="${OMBRIX_FAULT_DIR:-$(mktemp -d)}"
mkdir -p "$scratch/tree" "$scratch/logs"
rm -rf "$scratch/pristine" && mkdir "$scratch/pristine"
if [[ -n "$commit" ]]; then
  git -C "$repo" archive "$commit" | tar -x -C "$scratch/pristine"
else
  # shellcheck disable=SC2016 # the inner shell expands $f
  (cd "$repo" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' - |  # not deleted ones
    tar --null -T - -cf -) | tar -x -C "$scratch/pristine"
fi
# Only files that differ are copied into the tree, so that its build stays incremental.
cd "$scratch/pristine"
find . -type f -print0 | while IFS= read -r -d '' f; do
  cmp -s "$f" "../tree/$f" || { mkdir -p "../tree/${f%/*}" && cp "$f" "../tree/$f"; }
done
cd "$scratch/tree"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 0700 "$XDG_RUNTIME_DIR"
build() { cmake --build build -j2 >"$scratch/logs/$1.build" 2>&1; }
suite() { ctest --test-dir build --timeout 120 -j2 --no-tests=error "${@:2}" >"$scratch/logs/$1.test" 2>&1; }
# Faults in the browser edition's own files meet the web stage instead: the site and the
# module rebuilt by web.sh, then the core's WebAssembly tests and the page's tests.
is_web() {
  [[ $1 == web/* || $1 == scripts/web.sh || $1 == tools/window_texts.cpp ||
    $1 == tools/page_texts.cpp ]]
}
is_shared() {
  [[ $1 == src/catalogue/* || $1 == po/* || $1 == tools/catalogue_source.py ||
    $1 == src/window_model/dialog_layouts.cpp ]]
}
# The web stage runs tests of the desktop build too, which a desktop fault put back leaves
# built with that fault: it is rebuilt first.
web_build() { build "$1" && bash scripts/web.sh >>"$scratch/logs/$1.build" 2>&1; }
web_suite() { bash scripts/test.sh web >"$scratch/logs/$1.test" 2>&1; }
desktop_suite() { suite "$1" --stop-on-failure; }
both_suites() { desktop_suite "$1" && web_suite "$1"; }
# Faults in what only the Debian package is made of meet its stage, which builds the package
# itself and checks what it holds.
is_package() { [[ $1 == packaging/* || $1 == debian/* ]]; }
package_suite() { bash scripts/test.sh package >"$scratch/logs/$1.test" 2>&1; }
package_checked=false
check_package_pristine() {
  $package_checked && return
  if ! package_suite pristine-package; then
    echo "the unchanged tree fails the package stage: see $scratch/logs" >&2
    exit 2
  fi
  package_checked=true
}
web_checked=false
check_web_pristine() {
  $web_checked && return
  if ! web_build pristine-web || ! web_suite pristine-web; then
    echo "the unchanged tree fails the web stage: see $scratch/logs" >&2
    exit 2
  fi
  web_checked=true
}
if ! $dry_run; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBRIX_BUILD_BENCHMARKS=OFF >/dev/null
  if ! build pristine || ! suite pristine; then
    echo "the unchanged tree fails: see $scratch/logs" >&2
    exit 2
  fi
fi

caught=0 missed=()
while IFS=$'\t' read -r -u 3 id file expr effect; do
  [[ -z "$id" || "$id" == \#* ]] && continue
  ((${#selected[@]} == 0)) || [[ " ${selected[*]} " == *" $id "* ]] || continue
  builder=build tester=desktop_suite
  if is_web "$file" || is_shared "$file"; then
    builder=web_build tester=web_suite
    is_shared "$file" && tester=both_suites
    $dry_run || check_web_pristine
  elif is_package "$file"; then
    tester=package_suite
    $dry_run || check_package_pristine
  fi
  if [[ ! -f "$file" ]] || ! perl -0pi -e "$expr" "$file" || cmp -s "$file" "../pristine/$file"; then
    echo "STALE $id  ($file)" && missed+=("$id")
  elif $dry_run; then
    diff -u "../pristine/$file" "$file" || true
  elif ! $builder "$id"; then
    echo "NOBUILD $id  (log: $scratch/logs/$id.build)" && missed+=("$id")
  elif $tester "$id"; then
    echo "SURVIVED $id  $file: $effect" && missed+=("$id")
  else
    echo "CAUGHT $id" && caught=$((caught + 1))
  fi
  [[ -f "../pristine/$file" ]] && cp "../pristine/$file" "$file"
done 3<"$list"

if $dry_run; then
  echo "stale: ${missed[*]:-none}"
else
  echo "$((caught + ${#missed[@]})) faults: $caught caught; survived, stale or not building: ${missed[*]:-none}"
fi
((${#missed[@]} == 0))
