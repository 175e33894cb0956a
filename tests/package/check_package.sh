#!/usr/bin/env bash
# Checks a built Debian package of Ombrix: the files it installs, its dependencies, and its
# desktop entry and AppStream data through their validators.
# Usage: check_package.sh PACKAGE.deb
set -euo pipefail
deb="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "package: $*" >&2; failed=1; }

dpkg-deb -x "$deb" "$root"
for file in usr/bin/ombrix usr/share/ombrix/pinpon.wav usr/share/ombrix/endpinpon.wav \
  usr/share/applications/org.ombrix.Ombrix.desktop usr/share/metainfo/org.ombrix.Ombrix.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/org.ombrix.Ombrix.svg \
  usr/share/icons/hicolor/32x32/apps/org.ombrix.Ombrix.png; do
  [[ -s "$root/$file" ]] || fail "missing /$file"
done
[[ -x "$root/usr/bin/ombrix" ]] || fail "/usr/bin/ombrix is not executable"
# Only the program's own files: nothing of the build tree or the tests.
unexpected=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -E '^\./(usr/(bin/ombrix|share/(ombrix|applications|metainfo|icons|doc)(/.*)?)?|usr/bin/|usr/share/)?$' || true)
[[ -z "$unexpected" ]] || fail "unexpected files: $unexpected"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in fonts-ipafont-gothic libqt6widgets6 libqt6multimedia6 libqt6svg6 libc6; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

desktop-file-validate "$root/usr/share/applications/org.ombrix.Ombrix.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.ombrix.Ombrix.metainfo.xml" >/dev/null ||
  fail "AppStream data"
file_type="$(file -b "$root/usr/share/icons/hicolor/32x32/apps/org.ombrix.Ombrix.png")"
[[ "$file_type" == *"32 x 32"* ]] || fail "the PNG icon is not 32 x 32: $file_type"

if [[ $failed -eq 0 ]]; then
  echo "package: $(basename "$deb") installs $(dpkg-deb -c "$deb" | grep -c -v '/$') files; Depends: $depends"
fi
exit $failed
