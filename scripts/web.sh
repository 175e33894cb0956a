#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition into build-web/site: the plain core and the windows' model
# compiled to WebAssembly by Debian's emscripten, the page's files, the chimes and the icon
# from the desktop's sources (the chimes encoded as MP3), the window face cut down to the
# glyphs the windows use, the installed app's icons, and a service worker that keeps the whole
# site for use offline.
# Installs the missing Debian packages first (scripts/setup.sh --for web).
#
# Usage: scripts/web.sh [build]      build the site (the default)
#        scripts/web.sh serve        build it, then serve it on 127.0.0.1 (OMBRIX_WEB_PORT,
#                                    default 8000) until interrupted
#        scripts/web.sh screenshots  build it, then take the pictures in docs/web-*.png (needs
#                                    what scripts/test.sh installs: chromium, npm packages,
#                                    Xvfb, openbox, ImageMagick)
# Environment: CI=true builds with warnings as errors; OMBRIX_WEB_DIR (default build-web).
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
# shellcheck source=build_dir.sh
source scripts/build_dir.sh

web_dir="${OMBRIX_WEB_DIR:-build-web}"
site="$web_dir/site"
face=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
# English, the template's language, and each translation po/LINGUAS lists.
mapfile -t languages < <(echo en; grep -v '^#' po/LINGUAS)

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
  cp web/site/*.css web/site/*.js web/site/index.html "$site/"
  # The page's notices in every language, and a manifest a language: the installed app's name
  # and description in the language it was installed in, its description the AppStream
  # summary in that language.
  "$web_dir/native/tools/page_texts" words >"$site/page_words.js"
  msgfmt --xml --template packaging/org.ombrix.Ombrix.metainfo.xml -d po \
    -o "$web_dir/metainfo.xml"
  local language summary
  for language in "${languages[@]}"; do
    summary="$(python3 -c 'import sys, xml.etree.ElementTree as tree
lang = "{http://www.w3.org/XML/1998/namespace}lang"
summaries = tree.parse(sys.argv[1]).findall("summary")
print(next((s.text for s in summaries if s.get(lang) == sys.argv[2]),
           next(s.text for s in summaries if s.get(lang) is None)))' "$web_dir/metainfo.xml" "$language")"
    "$web_dir/native/tools/page_texts" "$language" json "SUMMARY=$summary" \
      <web/site/manifest.webmanifest >"$site/manifest-$language.webmanifest"
  done
  ! grep -n '@[A-Z_]*@' "$site"/manifest-*.webmanifest ||
    { echo "web: a key of the page's words has no text" >&2; exit 1; }
  cp "$web_dir/module/bin/ombrix.js" "$web_dir/module/bin/ombrix.wasm" "$site/"
  cp assets/ombrix.svg "$site/"
  # The chimes as MP3, which every browser decodes, at a tenth of the WAV files' size.
  for cue in pinpon endpinpon; do
    sndfile-convert "$web_dir/native/bin/$cue.wav" "$site/$cue.mp3"
  done

  # A face a language, with the glyphs of its windows' texts and of printable ASCII, renamed
  # as its licence asks of a changed font, with that licence beside it. The page loads only
  # the face of the language it shows: faces.css gives each its own (--own-face) by :lang().
  : >"$site/faces.css"
  for language in "${languages[@]}"; do
    "$web_dir/native/tools/window_texts" "$language" >"$web_dir/window-texts-$language.txt"
    pyftsubset "$face" --text-file="$web_dir/window-texts-$language.txt" \
      --unicodes=U+0020-007E --name-IDs= --flavor=woff2 \
      --output-file="$site/ombrix-gothic-$language.woff2"
    printf '@font-face { font-family: "Ombrix Gothic %s"; src: url(ombrix-gothic-%s.woff2) format("woff2"); }\n:lang(%s) { --own-face: "Ombrix Gothic %s"; }\n' \
      "$language" "$language" "$language" "$language" >>"$site/faces.css"
  done
  cp /usr/share/doc/fonts-ipafont-gothic/copyright "$site/font-license.txt"

  render_app_icons
  # Last, so that it lists every file the steps above put in the site.
  fill_in_service_worker

  printf 'web: site built in %s (%s files, %s KB)\n' "$site" "$(find "$site" -type f | wc -l)" \
    "$(du -sk "$site" | cut -f1)"
  check_page_sizes
}

# Each language's page, as a browser fetches it gzipped, is at most 300 KB: every file but the
# faces, the other languages' manifests, the installed app's icons and the fonts' licence, which
# a visit does not fetch. The faces are told apart.
check_page_sizes() {
  local language file size total failed=0
  local -a shared
  mapfile -t shared < <(cd "$site" && find . -type f ! -name '*.woff2' ! -name 'manifest-*' \
    ! -name '*.png' ! -name font-license.txt -printf '%P\n' | LC_ALL=C sort)
  gzipped() { gzip -9 -c "$site/$1" | wc -c; }
  for language in "${languages[@]}"; do
    total=0
    for file in "${shared[@]}" "manifest-$language.webmanifest"; do
      total=$((total + $(gzipped "$file")))
    done
    size="$(gzipped "ombrix-gothic-$language.woff2")"
    printf 'web: the page in %s is %d KB gzipped, its face %d KB\n' "$language" \
      $((total / 1024)) $((size / 1024))
    ((total <= 300 * 1024)) || { echo "web: the page in $language is over 300 KB" >&2; failed=1; }
  done
  return $failed
}

# The installed app's icons, from the desktop's: 192 and 512 pixels as they are; the maskable
# one (which a launcher may cut to a circle or a rounded square) with the coin shrunk into the
# middle 75 %, well inside the circle of 80 % that every such cut keeps, on the icon's blue;
# and the 180-pixel one an iPad puts on its home screen. Each in 32 colours, which its six flat
# ones and their edges need, at a third of the size.
render_app_icons() {
  local size
  for size in 192 512; do
    rsvg-convert -w "$size" -h "$size" assets/ombrix.svg | pngquant 32 - >"$site/icon-$size.png"
  done
  rsvg-convert -w 384 -h 384 --page-width 512 --page-height 512 --left 64 --top 64 \
    --background-color '#1f4fc8' assets/ombrix.svg | pngquant 32 - >"$site/icon-maskable-512.png"
  rsvg-convert -w 180 -h 180 assets/ombrix.svg | pngquant 32 - >"$site/apple-touch-icon.png"
}

# Writes into the site's service worker the list of the site's other files and a hash of
# their names and contents, which names its cache.
fill_in_service_worker() {
  local -a files
  mapfile -t files < <(cd "$site" && find . -type f ! -name service_worker.js -printf '%P\n' |
    LC_ALL=C sort)
  # The names go into the worker's source as they are: refuse any that would need quoting
  # there or escaping in a URL.
  local file
  for file in "${files[@]}"; do
    [[ $file =~ ^[A-Za-z0-9._/-]+$ ]] ||
      { echo "web: cannot list '$file' in the service worker: rename it" >&2; return 1; }
  done
  local list version
  list="$(printf "'%s', " "${files[@]}")"
  version="$(cd "$site" && sha256sum "${files[@]}" | sha256sum | cut -c1-16)"
  sed -i -e "s|'@SITE_FILES@'|${list%, }|" -e "s|@SITE_VERSION@|$version|" \
    "$site/service_worker.js"
  ! grep -n '@SITE_' "$site/service_worker.js" ||
    { echo "web: the service worker has a place left unfilled" >&2; return 1; }
}

serve() {
  local port="${OMBRIX_WEB_PORT:-8000}"
  printf 'web: serving %s at http://127.0.0.1:%s/ (Ctrl+C stops)\n' "$site" "$port"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
}

screenshots() {
  export OMBRIX_WEB_SITE="$site"
  node scripts/web_screenshots.mjs docs
  # The installed app runs in a window of its own, on a virtual display with a window manager.
  # shellcheck source=virtual_display.sh
  source scripts/virtual_display.sh
  trap stop_virtual_display EXIT
  start_virtual_display 1024x768
  start_window_manager
  node scripts/web_installed_app_screenshot.mjs docs
}

case "${1:-build}" in
  build) build_site ;;
  serve) build_site && serve ;;
  screenshots) build_site && screenshots ;;
  *) echo "web: unknown command '$1' (known: build, serve, screenshots)" >&2 && exit 2 ;;
esac
