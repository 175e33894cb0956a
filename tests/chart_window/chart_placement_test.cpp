// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart_placement.h"

namespace ombrix {
namespace {

// A 640 x 480 chart beside the main window where the screen has room, else where it hides
// least of the table; never larger than the screen.
TEST(ChartPlacementTest, BesideWhereThereIsRoomElseOverTheLeastOfTheTable) {
  const QRect main(244, 99, 613, 512), table(260, 139, 522, 386);
  // The screen, and where the chart opens on it.
  const std::pair<QRect, QRect> rows[] = {{{0, 0, 1920, 1080}, {865, 99, 640, 480}},
                                          {{-1200, 0, 2400, 1080}, {-404, 99, 640, 480}},
                                          {{0, 0, 1000, 1200}, {244, 619, 640, 480}},
                                          {{0, 0, 960, 720}, {0, 240, 640, 480}},
                                          {{0, -600, 1000, 1300}, {244, -389, 640, 480}},
                                          {{0, 0, 1430, 1200}, {244, 619, 640, 480}},
                                          {{0, 0, 1430, 800}, {790, 99, 640, 480}}};
  for (const auto& [screen, place] : rows)
    EXPECT_EQ(PlaceBeside(screen, main, table, {640, 480}), place) << screen.width();
  EXPECT_EQ(PlaceBeside({0, 0, 800, 600}, main, table, {1000, 700}), QRect(0, 0, 800, 600));
}

}  // namespace
}  // namespace ombrix
