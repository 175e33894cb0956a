#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Ombrix with Debian's own tools (debian/rules, debhelper) and
# prints its path last. dpkg-buildpackage writes the package beside the tree it builds, so it
# builds a fresh copy of the checkout inside build-package/ and the package lands there too.
# Usage: scripts/package.sh   (after scripts/setup.sh --for test has installed its tools)
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
out_dir="$repo_root/build-package"
version="$(dpkg-parsechangelog -S Version)"
tree="$out_dir/ombrix-$version"
log="$out_dir/build.log"

rm -rf "$tree" "$out_dir"/ombrix*_"$version"_*
mkdir -p "$tree"
# The checkout without its version control data and build directories.
tar -c --exclude=./.git --exclude='./build*' --exclude=./.cache . | tar -x -C "$tree"

if ! (cd "$tree" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "package: dpkg-buildpackage failed; the whole log is in $log" >&2
  exit 1
fi
rm -rf "$tree"
ls "$out_dir/ombrix_${version}_$(dpkg --print-architecture).deb"
