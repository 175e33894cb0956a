// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLegend>
#include <QRegularExpression>
#include <tuple>

#include "chart_placement.h"
#include "chart_surroundings.h"
#include "chart_window.h"
#include "dialog_script.h"
#include "golden_image.h"
#include "random_generator.h"
#include "shortage_chart.h"
#include "shortage_experiment.h"

namespace ombrix::testing {
namespace {

// The chart of the run that the main window's golden image shows: seeded, clock at noon.
// Projected on a wall, its words grow with the window; back at its standard size they are as
// drawn in the golden images.
TEST(ChartWindowTest, DrawsARunAndCopiesItselfAsAPicture) {
  RandomGenerator random(20261206, [] { return 43200.0f; });
  const RunReport report(ShortageExperiment<RandomGenerator>(random).Run(
      {.GuestCount = 100, .ExperimentCount = 1000}));
  ChartWindow chart;
  chart.ShowRun(ChartOf(report.law, report.run.Values(), report.run.average));
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  const QChart& drawn = *chart.findChild<QChartView*>()->chart();
  const std::pair<QSize, double> sizes[] = {
      {{1800, 1000}, 11.25 * 1000 / 480}, {{480, 360}, 11.25 * 0.75}, {{640, 480}, 11.25}};
  for (const auto& [size, titlePoints] : sizes) {
    chart.resize(size);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart.size() == size; }));
    EXPECT_DOUBLE_EQ(drawn.titleFont().pointSizeF(), titlePoints);
    EXPECT_DOUBLE_EQ(drawn.legend()->font().pointSizeF(), titlePoints * 9 / 11.25);
  }
  QCoreApplication::processEvents();  // the chart lays out its texts anew
  EXPECT_EQ(CompareWithGolden("chart-window", chart), "");
  EXPECT_EQ(chart.windowTitle(), "Experiment of Ombrix 2＿Chart　Ombrix project 2026");

  const QImage picture = chart.grab().toImage();
  Press("Chart", Qt::Key_C, Qt::ControlModifier);  // the chart as a picture
  EXPECT_EQ(QGuiApplication::clipboard()->image(), picture);
  // Run and theory agree on the coins here: both markers show along the whole marker line, the
  // run's in blue, the theory's dashes in red.
  int blueRows = 0, redRows = 0;
  for (int y = 60; y < 360; ++y) {  // inside the axes, above the legend
    bool blue = false, red = false;
    for (int x = 60; x < 620; ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      blue |= pixel.blue() > 150 && pixel.red() < 60 && pixel.green() < 60;
      red |= pixel.red() > 150 && pixel.blue() < 60 && pixel.green() < 60;
    }
    blueRows += blue;
    redRows += red;
  }
  EXPECT_GT(blueRows, 300 * 9 / 10);
  EXPECT_GT(redRows, 300 / 2);

  // Each run is drawn from its own figures, whatever came before: its bars alone, its axes'
  // labels and ranges, its markers; and a screen reader hears its lowest bar and its markers.
  // With no run, nothing of one is left.
  // clang-format off
  const std::tuple<const char*, int, std::vector<std::int16_t>, const char*> runs[] = {
      {"chart-window-one-value", 10, std::vector<std::int16_t>(1000, 0),
       "from -10 to 1, .* prepare 0 coins by this run, 6 by theory"},
      {"chart-window-twelve-bars", 10, {-10, 1, -10, -3, 0},
       "from -10 to 1, .* prepare 10 coins by this run, 6 by theory"},
      {"chart-window-forty-bars", 100, {0, -3, 1, 1},
       "from -38 to 1, .* prepare 3 coins by this run, 19 by theory"}};
  // clang-format on
  for (const auto& [name, guests, values, said] : runs) {
    chart.ShowRun(ChartOf(ShortageDistribution(guests), values, -2.5f));
    QCoreApplication::processEvents();  // the chart lays out its new texts
    EXPECT_EQ(CompareWithGolden(name, chart), "");
    EXPECT_TRUE(chart.accessibleDescription().contains(QRegularExpression(said))) << said;
  }
  chart.ShowRun(ChartOf(report.law, report.run.Values(), report.run.average));
  QCoreApplication::processEvents();
  EXPECT_EQ(CompareWithGolden("chart-window", chart), "");  // as drawn first
  chart.ShowNoRun();
  QCoreApplication::processEvents();
  EXPECT_EQ(CompareWithGolden("chart-window-no-run", chart), "");
}

// The chart beside the main window (613 x 512 under a 30-pixel title bar) at its own size
// where there is room, else shrunk into the largest room beside it, else over it: clear of its
// title bar, buttons, settings and average, over as little of the rows with counts as can be.
TEST(ChartPlacementTest, BesideElseShrunkBesideElseOverTheRowsLeftEmpty) {
  // A 100-guest run fills the bottom four row pairs, the deepest shortages the top two.
  FrequencyTable lowRows, highRows;
  for (const std::int16_t value : {-30, -20, -10, 0})
    lowRows.Record(value);
  for (const std::int16_t value : {-50, -41})  // the first two row pairs' last cells
    highRows.Record(value);
  // clang-format off
  // The screen, the main window's client area's top-left corner, the run, and where the chart
  // goes.
  const std::tuple<QRect, QPoint, const FrequencyTable&, QRect> rows[] = {
      {{0, 0, 1920, 1080}, {244, 99}, lowRows, {865, 69, 640, 510}},
      {{0, 0, 1366, 768}, {244, 99}, lowRows, {865, 69, 501, 510}},
      {{0, 0, 1280, 1024}, {244, 99}, lowRows, {244, 619, 640, 405}},
      {{0, 0, 1366, 1024}, {244, 99}, lowRows, {244, 619, 640, 405}},  // larger below than right
      {{0, 0, 1024, 768}, {244, 99}, lowRows, {0, 124, 480, 390}},     // high, under Exit
      {{0, 0, 1024, 768}, {244, 99}, highRows, {544, 157, 480, 390}},  // low, above the average
      {{0, 0, 800, 600}, {187, 88}, lowRows, {0, 113, 480, 390}},
      {{0, 0, 600, 450}, {0, 30}, lowRows, {120, 55, 480, 390}},
      {{0, 0, 400, 300}, {0, 30}, lowRows, {0, 0, 400, 300}},
      {{0, 0, 1024, 1200}, {244, 650}, lowRows, {244, 102, 640, 510}},   // above
      {{0, 0, 700, 1200}, {244, 99}, lowRows, {60, 619, 640, 510}},      // below, moved in
      {{0, 0, 1420, 1050}, {244, 99}, lowRows, {865, 69, 555, 510}},     // larger right than below
      {{0, 0, 1300, 700}, {244, 99}, lowRows, {797, 99, 503, 448}}};     // over no row, larger
  // clang-format on
  for (const auto& [screen, client, run, place] : rows) {
    const QRect main(client, QSize(613, 512));
    EXPECT_EQ(PlaceBeside(ChartSurroundings(screen, main.adjusted(0, -30, 0, 0), main, run)),
              place);
  }
}

}  // namespace
}  // namespace ombrix::testing
