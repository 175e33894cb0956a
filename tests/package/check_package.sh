#!/usr/bin/env bash
# Checks a built Debian package of Ombrix: the files it installs, its dependencies (the face the
# windows are drawn in, the SVG icon engine and Qt Charts included), and its desktop entry and
# AppStream data through their validators.
# Usage: check_package.sh PACKAGE.deb
set -euo pipefail
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$1" "$root"
for file in bin/ombrix share/ombrix/pinpon.wav share/ombrix/endpinpon.wav \
  share/icons/hicolor/32x32/apps/org.ombrix.Ombrix.png; do
  [[ -s "$root/usr/$file" ]] || { echo "package: /usr/$file is missing" >&2; exit 1; }
done
depends="$(dpkg-deb -f "$1" Depends)"
[[ $depends == *fonts-ipafont-gothic* && $depends == *libqt6svg6* && $depends == *libqt6charts6* ]] ||
  { echo "package: Depends lacks the font, the SVG icon engine or Qt Charts: $depends" >&2; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.ombrix.Ombrix.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.ombrix.Ombrix.metainfo.xml" >/dev/null
echo "package: $(basename "$1") installs $(dpkg-deb -c "$1" | grep -c -v '/$') files"
