#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the missing Debian packages that scripts/packages.txt lists for a command, then
# configures and builds Ombrix for it. Safe to run again: with everything installed it makes
# no apt call and the build only redoes what changed.
#
# Usage: scripts/setup.sh [--for run|test] [--packages-only]
#   --for run        (default) what building and running the program need; builds the
#                    program, its chimes and its icon only.
#   --for test       that and what the tests, the benchmarks and the package need; builds
#                    the tests and the benchmarks too.
#   --for web        what scripts/web.sh needs to build the browser edition; with
#                    --packages-only only (web.sh builds it).
#   --packages-only  install the missing packages and stop before configuring.
# Environment:
#   CI=true           build with warnings as errors.
#   OMBRIX_BUILD_DIR  build directory (default: build, relative to the repo root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

build_dir="${OMBRIX_BUILD_DIR:-build}"
package_list="scripts/packages.txt"

say() { printf 'setup: %s\n' "$*"; }
fail() {
  printf 'setup: %s\n' "$*" >&2
  exit 1
}

packages_only=false purpose=run
while (($# > 0)); do
  case "$1" in
    --packages-only) packages_only=true && shift ;;
    --for) purpose="${2:-}" && shift $(($# > 1 ? 2 : 1)) ;;
    *) fail "unknown option '$1' (known: --for run|test, --packages-only)" ;;
  esac
done
case "$purpose" in
  run) groups=" run " tests=OFF ;;
  test) groups=" run test web " tests=ON ;;
  web) groups=" web " tests=OFF ;;
  *) fail "--for takes run, test or web, not '$purpose'" ;;
esac

# Package names of the wanted groups, without comments and blank lines.
read_package_list() {
  awk -v groups="$groups" '
    { sub(/#.*/, "") }
    /^\[.*\]/ { group = substr($1, 2, length($1) - 2); next }
    index(groups, " " group " ") { for (i = 1; i <= NF; i++) print $i }' "$package_list"
}

is_installed() {
  # One line per installed architecture; a removed package reports "config-files" or
  # "not-installed", and a virtual name is unknown to dpkg-query.
  local status
  status="$(dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null || true)"
  [[ $'\n'"$status"$'\n' == *$'\n'installed$'\n'* ]]
}

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root() {
  if [[ $EUID -eq 0 ]]; then
    "$@"
  else
    # sudo drops most of the environment, so hand DEBIAN_FRONTEND over explicitly.
    sudo env DEBIAN_FRONTEND=noninteractive "$@"
  fi
}

install_missing_packages() {
  command -v dpkg-query >/dev/null 2>&1 ||
    fail "dpkg-query not found: this script needs Debian 12 (or a system with dpkg and apt)."

  local -a wanted missing=()
  mapfile -t wanted < <(read_package_list)
  ((${#wanted[@]} > 0)) || fail "$package_list lists no packages."

  local pkg
  for pkg in "${wanted[@]}"; do
    is_installed "$pkg" || missing+=("$pkg")
  done

  if ((${#missing[@]} == 0)); then
    say "all ${#wanted[@]} packages from $package_list are installed."
    return
  fi

  say "missing packages: ${missing[*]}"
  if [[ $EUID -ne 0 ]] && ! command -v sudo >/dev/null 2>&1; then
    fail "installing packages needs root, and sudo is not available.
Run this script as root, or have an administrator run:
  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
  fi
  as_root apt-get update
  as_root apt-get install -y --no-install-recommends "${missing[@]}"

  local -a still_missing=()
  for pkg in "${missing[@]}"; do
    is_installed "$pkg" || still_missing+=("$pkg")
  done
  ((${#still_missing[@]} == 0)) || fail "apt-get did not install: ${still_missing[*]}"
}

# The tests' own tools come from the npm registry, through the npm of the machine's Node. A
# Node from elsewhere brings its npm; Debian's is a package of its own that clashes with such
# a Node, so it is installed only when no npm is found.
install_npm() {
  command -v npm >/dev/null 2>&1 && return
  say "no npm found: installing Debian's"
  as_root apt-get install -y --no-install-recommends npm
}

install_missing_packages
[[ $purpose == test ]] && install_npm
if [[ $packages_only == true ]]; then
  exit 0
fi
# shellcheck source=build_dir.sh
source scripts/build_dir.sh
say "configuring and building in $build_dir"
configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=Release -DOMBRIX_BUILD_TESTS="$tests" \
  -DOMBRIX_BUILD_BENCHMARKS="$tests"
