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

# configure_and_build_wasm DIR [CMAKE_ARGUMENT...]
#   The same for WebAssembly, by Debian's emscripten, without Qt and without the benchmarks.
configure_and_build_wasm() {
  local dir="$1"
  shift
  # emscripten's optimiser is a Node program that needs Debian's acorn, which a Node from
  # elsewhere does not look for.
  NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH} configure_and_build "$dir" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DOMBRIX_BUILD_BENCHMARKS=OFF "$@"
}
