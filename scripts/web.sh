#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition into build-web/site: the plain core and the windows' model
# compiled to WebAssembly by Debian's emscripten, the page's files, the chimes and the icon
# from the desktop's sources (the chimes encoded as MP3), and the window face cut down to the glyphs the windows use.
# Installs the missing Debian packages first (scripts/setup.sh --for web).
#
# Usage: scripts/web.sh [build]      build the site (the default)
#        scripts/web.sh serve        build it, then serve it on 127.0.0.1 (OMBRIX_WEB_PORT,
#                                    default 8000) until interrupted
#        scripts/web.sh screenshots  build it, then take the pictures in docs/web-*.png (needs
#                                    what scripts/test.sh installs: chromium, npm packages)
# Environment: CI=true builds with warnings as errors; OMBRIX_WEB_DIR (default build-web).
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
# shellcheck source=build_dir.sh
source scripts/build_dir.sh

web_dir="${OMBRIX_WEB_DIR:-build-web}"
site="$web_dir/site"
face=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf

build_site() {
  bash scripts/setup.sh --for web --packages-only

  # The chimes and the list of the windows' texts, by the build host's compiler.
  configure_and_build "$web_dir/native" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DOMBRIX_BUILD_TESTS=OFF -DOMBRIX_BUILD_BENCHMARKS=OFF
  # The module: the core and the windows' model in WebAssembly; beside it, the engine alone
  # for scripts/web_bench.mjs.
  configure_and_build_wasm "$web_dir/module" -DOMBRIX_BUILD_TESTS=OFF -DOMBRIX_BUILD_BENCHMARKS=ON

  rm -rf "$site"
  mkdir -p "$site"
  cp web/site/*.html web/site/*.css web/site/*.js web/site/*.webmanifest "$site/"
  cp "$web_dir/module/bin/ombrix.js" "$web_dir/module/bin/ombrix.wasm" "$site/"
  cp assets/ombrix.svg "$site/"
  # The chimes as MP3, which every browser decodes, at a tenth of the WAV files' size.
  for cue in pinpon endpinpon; do
    sndfile-convert "$web_dir/native/bin/$cue.wav" "$site/$cue.mp3"
  done

  # The face with the glyphs of the windows' texts and of printable ASCII (the page's own
  # words), renamed as its licence asks of a changed font, with that licence beside it.
  "$web_dir/native/tools/window_texts" >"$web_dir/window-texts.txt"
  pyftsubset "$face" --text-file="$web_dir/window-texts.txt" --unicodes=U+0020-007E \
    --name-IDs= --flavor=woff2 --output-file="$site/ombrix-gothic.woff2"
  cp /usr/share/doc/fonts-ipafont-gothic/copyright "$site/font-license.txt"

  printf 'web: site built in %s (%s files, %s KB)\n' "$site" "$(find "$site" -type f | wc -l)" \
    "$(du -sk "$site" | cut -f1)"
}

serve() {
  local port="${OMBRIX_WEB_PORT:-8000}"
  printf 'web: serving %s at http://127.0.0.1:%s/ (Ctrl+C stops)\n' "$site" "$port"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
}

case "${1:-build}" in
  build) build_site ;;
  serve) build_site && serve ;;
  screenshots) build_site && node scripts/web_screenshots.mjs docs ;;
  *) echo "web: unknown command '$1' (known: build, serve, screenshots)" >&2 && exit 2 ;;
esac
