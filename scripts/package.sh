#!/usr/bin/env bash
# Builds the Debian package of Ombrix in build-package/ and prints its path. The program is
# configured for /usr, where the package puts it, so that it finds its sound cues there.
# Usage: scripts/package.sh   (after scripts/setup.sh has installed the build packages)
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
build_dir="${OMBRIX_PACKAGE_BUILD_DIR:-build-package}"

# shellcheck source=build_dir.sh
source scripts/build_dir.sh
configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DOMBRIX_BUILD_TESTS=OFF -DOMBRIX_BUILD_BENCHMARKS=OFF >/dev/null
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$repo_root/$build_dir"/ombrix_*.deb
