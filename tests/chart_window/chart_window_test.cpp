// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
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
       "from -9 to 1, .* prepare 0 coins by this run, 6 by theory"},
      {"chart-window-twelve-bars", 10, {-10, 1, -10, -3, 0},
       "from -10 to 1, .* prepare 10 coins by this run, 6 by theory"},
      {"chart-window-thirty-four-bars", 100, {0, -3, 1, 1},
       "from -32 to 1, .* prepare 3 coins by this run, 19 by theory"}};
  // clang-format on
  for (const auto& [name, guests, values, said] : runs) {
    chart.ShowRun(ChartOf(ShortageDistribution(guests), values, -2.5f));
    QCoreApplication::processEvents();  // the chart lays out its new texts
    EXPECT_EQ(CompareWithGolden(name, chart), "");
    EXPECT_TRUE(chart.accessibleDescription().contains(QRegularExpression(said))) << said;
  }
  chart.ShowNoRun();
  QCoreApplication::processEvents();
  EXPECT_EQ(CompareWithGolden("chart-window-no-run", chart), "");
}

}  // namespace
}  // namespace ombrix::testing
