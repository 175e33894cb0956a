// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

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
}

}  // namespace
}  // namespace ombrix::testing
