// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart_placement.h"
#include "chart_surroundings.h"
#include "qt_printers.h"

namespace ombrix {
namespace {

FrequencyTable RunOf(std::initializer_list<std::int16_t> values) {
  FrequencyTable table;
  for (const std::int16_t value : values)
    table.Record(value);
  return table;
}

// The chart beside the main window (613 x 512 under a 30-pixel title bar) at its own size
// where there is room, else shrunk into the largest room beside it, else over it: clear of its
// title bar, buttons, settings and average, over as little of the rows with counts as can be.
TEST(ChartPlacementTest, BesideElseShrunkBesideElseOverTheRowsLeftEmpty) {
  // A 100-guest run fills the bottom four row pairs, the deepest shortages the top two.
  const FrequencyTable lowRows = RunOf({-30, -20, -10, 0}), highRows = RunOf({-60, -45});
  struct Row {
    QRect screen;
    QPoint client;  // the main window's client area's top-left corner
    const FrequencyTable& run;
    QRect place;  // empty where only what always holds is checked
  };
  const Row rows[] = {
      {{0, 0, 1920, 1080}, {244, 99}, lowRows, {865, 69, 640, 510}},
      {{0, 0, 1366, 768}, {244, 99}, lowRows, {865, 69, 501, 510}},
      {{0, 0, 1280, 1024}, {244, 99}, lowRows, {244, 619, 640, 405}},
      {{0, 0, 1366, 1024}, {244, 99}, lowRows, {244, 619, 640, 405}},  // larger below than right
      {{0, 0, 1024, 768}, {244, 99}, lowRows, {0, 124, 480, 390}},     // high, under Exit
      {{0, 0, 1024, 768}, {244, 99}, highRows, {544, 157, 480, 390}},  // low, on the average
      {{0, 0, 800, 600}, {187, 88}, lowRows, {}},
      {{0, 0, 600, 450}, {0, 30}, lowRows, {}},
      {{0, 0, 400, 300}, {0, 30}, lowRows, {0, 0, 400, 300}},
  };
  for (const auto& [screen, client, run, place] : rows) {
    SCOPED_TRACE(testing::Message() << screen.width() << " x " << screen.height());
    const QRect main(client, QSize(613, 512));
    const Surroundings around = ChartSurroundings(screen, main.adjusted(0, -30, 0, 0), main, run);
    const QRect chart = PlaceBeside(around);
    if (!place.isEmpty()) {
      EXPECT_EQ(chart, place);
    }
    EXPECT_TRUE(screen.contains(chart)) << testing::PrintToString(chart);
    if (screen.width() < 480 || screen.height() < 390)
      continue;
    EXPECT_GE(chart.width(), 480);
    EXPECT_GE(chart.height(), 390);
    for (const QRect& part : around.neverCover)
      EXPECT_FALSE(chart.intersects(part)) << testing::PrintToString(part);
  }
}

}  // namespace
}  // namespace ombrix
