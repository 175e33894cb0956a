#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the golden images in tests/golden from the windows as the code now draws them.
# Run it only for an intended change of a window's look, then look at every picture it
# lists before committing them. Usage: scripts/update_golden_images.sh
# (OMBRIX_BUILD_DIR as for setup.sh)
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
bash scripts/setup.sh --for test >/dev/null
# The tests that compare a window with its golden image.
(cd "${OMBRIX_BUILD_DIR:-build}/tests" && QT_QPA_PLATFORM=offscreen OMBRIX_UPDATE_GOLDEN=1 \
  ./window_tests --gtest_filter='*GoldenTest.*:ChartWindowTest.DrawsTheModelsScene*:ChartWindowTest.ForwardsKeys*:ChartWindowTest.WalksMarkers*:CoverageWindowTest.OpensByKey*' >/dev/null 2>&1)
git status --short -- tests/golden
ls -1 "$repo_root"/tests/golden/*.png
# The README shows some of them as they are.
for picture in coins-marker meeting 10-guests-meeting lowest-plus-one 9-coins 1000-guests coverage \
  coverage-ja; do
  cp "tests/golden/chart-window-$picture.png" "docs/chart-$picture.png"
done
# And the windows in Japanese.
cp tests/golden/main-window-after-run-ja.png docs/main-window-ja.png
for picture in help-window chart-window chart-window-meeting settings-dialog; do
  cp "tests/golden/$picture-ja.png" "docs/${picture/chart-window-meeting/chart-meeting}-ja.png"
done
