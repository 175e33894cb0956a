// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart_placement.h"

namespace ombrix {
namespace {

// Beside the main window where the screen has room, else where it hides least of the table.
TEST(ChartPlacementTest, BesideWhereThereIsRoomElseOverTheLeastOfTheTable) {
  const QRect main(244, 99, 613, 512), table(260, 139, 522, 386);
  const struct {
    QRect screen, beside;
    QSize size;
    QRect place;
  } rows[] = {
      {{0, 0, 1920, 1080}, main, {640, 480}, {865, 99, 640, 480}},
      {{0, 0, 1920, 1080}, main.translated(1200, 0), {640, 480}, {796, 99, 640, 480}},
      {{0, 0, 1000, 1200}, main, {640, 480}, {244, 619, 640, 480}},
      {{0, 0, 960, 720}, main, {640, 480}, {0, 240, 640, 480}},
      {{0, 0, 800, 600}, main, {1000, 700}, {0, 0, 800, 600}},
  };
  for (const auto& [screen, beside, size, place] : rows)
    EXPECT_EQ(PlaceBeside(screen, beside, table, size), place)
        << screen.width() << "x" << screen.height();
}

}  // namespace
}  // namespace ombrix
