# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build Ombrix: one way to configure and build a build directory.
#
# configure_and_build DIR [CMAKE_ARGUMENT...]
#   Configures DIR from the checkout (Ninja for a new directory when ninja is installed:
#   cmake refuses to switch the generator of an existing one), with warnings as errors when
#   CI=true, then builds it on every core. Later arguments override earlier ones, so a caller
#   may still pass -DOMBRIX_WARNINGS_AS_ERRORS=OFF.

configure_and_build() {
  local dir="$1"
  shift
  local warnings_as_errors=OFF
  [[ "${CI:-}" == true ]] && warnings_as_errors=ON
  local -a args=(-S "$(dirname "${BASH_SOURCE[0]}")/.." -B "$dir"
    -DOMBRIX_WARNINGS_AS_ERRORS="$warnings_as_errors" "$@")
  if [[ ! -f "$dir/CMakeCache.txt" ]] && command -v ninja >/dev/null 2>&1; then
    args+=(-G Ninja)
  fi
  cmake "${args[@]}"
  cmake --build "$dir" -j"$(nproc)"
}
