// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLegend>
#include <QRegularExpression>
#include <tuple>

#include "chart_window.h"
#include "dialog_script.h"
#include "golden_image.h"
#include "random_generator.h"
#include "shortage_chart.h"
#include "shortage_experiment.h"

namespace ombrix::testing {
namespace {

// The chart of the run that the main window's golden image shows: seeded, clock at noon.
TEST(ChartWindowTest, DrawsARunAndCopiesItselfAsAPicture) {
  RandomGenerator random(20261206, [] { return 43200.0f; });
  const RunReport report(ShortageExperiment<RandomGenerator>(random).Run(
      {.GuestCount = 100, .ExperimentCount = 1000}));
  ChartWindow chart;
  chart.ShowRun(ChartOf(report.law, report.run.Values(), report.run.average));
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  EXPECT_EQ(CompareWithGolden("chart-window", chart), "");
  EXPECT_EQ(chart.windowTitle(), "Experiment of Ombrix 2＿Chart　Ombrix project 2026");

  Press("Chart", Qt::Key_C, Qt::ControlModifier);  // the chart as a picture
  EXPECT_EQ(QGuiApplication::clipboard()->image(), chart.grab().toImage());

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

// Where the run and theory agree on the coins, as in the seeded run, both markers show along
// the whole marker line: the run's in blue, the theory's dashes in red.
TEST(ChartWindowTest, BothMarkersShowWhereTheyAgree) {
  RandomGenerator random(20261206, [] { return 43200.0f; });
  const RunReport report(ShortageExperiment<RandomGenerator>(random).Run(
      {.GuestCount = 100, .ExperimentCount = 1000}));
  ChartWindow chart;
  chart.ShowRun(ChartOf(report.law, report.run.Values(), report.run.average));
  const QImage picture = chart.grab().toImage();
  int blueRows = 0, redRows = 0;
  const QRect plot(60, 60, 560, 300);  // inside the axes, above the legend
  for (int y = plot.top(); y <= plot.bottom(); ++y) {
    bool blue = false, red = false;
    for (int x = plot.left(); x <= plot.right(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      blue |= pixel.blue() > 150 && pixel.red() < 60 && pixel.green() < 60;
      red |= pixel.red() > 150 && pixel.blue() < 60 && pixel.green() < 60;
    }
    blueRows += blue;
    redRows += red;
  }
  EXPECT_GT(blueRows, plot.height() * 9 / 10);
  EXPECT_GT(redRows, plot.height() / 2);
}

// Projected on a wall, the words grow with the window; at its standard size they are as drawn
// in the golden images.
TEST(ChartWindowTest, TextsScaleWithTheWindow) {
  ChartWindow window;
  window.show();
  const QChart& chart = *window.findChild<QChartView*>()->chart();
  const std::pair<QSize, double> sizes[] = {
      {{1800, 1000}, 11.25 * 1000 / 480}, {{480, 360}, 11.25 * 0.75}, {{640, 480}, 11.25}};
  for (const auto& [size, titlePoints] : sizes) {
    window.resize(size);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == size; }));
    EXPECT_DOUBLE_EQ(chart.titleFont().pointSizeF(), titlePoints);
    EXPECT_DOUBLE_EQ(chart.legend()->font().pointSizeF(), titlePoints * 9 / 11.25);
  }
}

}  // namespace
}  // namespace ombrix::testing
