// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QToolTip>
#include <functional>
#include <tuple>

#include "chart_placement.h"
#include "chart_surroundings.h"
#include "chart_texts.h"
#include "chart_window.h"
#include "dialog_script.h"
#include "golden_image.h"
#include "meeting_view.h"
#include "qt_conversions.h"
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
  chart.ShowRun(ChartOf(report.law, report.run.Values(), report.run.average), {});
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  const QChart& drawn = *chart.findChild<QChartView*>("Distribution")->chart();
  const std::pair<QSize, double> sizes[] = {
      {{1800, 1000}, 11.25 * 1000 / 480}, {{480, 360}, 11.25 * 0.75}, {{640, 480}, 11.25}};
  for (const auto& [size, titlePoints] : sizes) {
    chart.resize(size);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart.size() == size; }));
    EXPECT_DOUBLE_EQ(drawn.titleFont().pointSizeF(), titlePoints);
    EXPECT_DOUBLE_EQ(drawn.legend()->font().pointSizeF(), titlePoints * 9 / 11.25);
  }
  QCoreApplication::processEvents();  // the chart lays out its texts anew
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
    chart.ShowRun(ChartOf(ShortageDistribution(guests), values, -2.5f), {});
    QCoreApplication::processEvents();  // the chart lays out its new texts
    EXPECT_EQ(CompareWithGolden(name, chart), "");
    EXPECT_TRUE(chart.accessibleDescription().contains(QRegularExpression(said))) << said;
  }
  chart.ShowRun(ChartOf(report.law, report.run.Values(), report.run.average), {});
  QCoreApplication::processEvents();
  EXPECT_EQ(CompareWithGolden("chart-window", chart), "");  // as drawn first
  chart.ShowNoRun();
  QCoreApplication::processEvents();
  EXPECT_EQ(CompareWithGolden("chart-window-no-run", chart), "");
}

// What a student asks of a seeded run: the coins marker moved by keyboard and by pointer, the
// meetings behind a bar one after another, a meeting replayed, paused, stepped and stopped.
TEST(ChartWindowTest, TheCoinsMarkerAndTheMeetingsBehindTheBars) {
  RandomGenerator random(20261206, [] { return 43200.0f; });
  ShortageExperiment<RandomGenerator> engine(random);
  const RunReport report(engine.Run({.GuestCount = 100, .ExperimentCount = 1000}));
  const ShortageRun& run = report.run;
  const ShortageChart figures = ChartOf(report.law, run.Values(), run.average);
  ChartWindow chart;
  const RunMeetings meetings{
      .next = [&](int value, int after) { return run.NextMeetingWith(value, after); },
      .replay = [&](int experiment) { return engine.Replay(run, experiment); }};
  chart.ShowRun(figures, meetings);
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  auto* view = chart.findChild<QChartView*>("Distribution");
  auto* coins = chart.findChild<QSlider*>("CoinsToPrepare");
  auto* meeting = static_cast<MeetingView*>(chart.findChild<QWidget*>("Meeting"));
  const auto at = [&](double x, double count = 0.5) {
    return view->chart()->mapToPosition({x, count}, view->chart()->series()[0]).toPoint();
  };
  const auto marker = [&](int prepared) { return at(-prepared - figures.lowestValue - 0.5); };
  const auto says = [&](int prepared) {
    const QString text = ToQString(CoinsMarkerText(figures, prepared));
    return coins->value() == prepared && coins->accessibleDescription().startsWith(text) &&
           chart.findChild<QLabel*>("CoinsToPrepareText")->text() == text;
  };
  // It starts at theory's 95 %; Left adds a coin, moving it left, Down takes one away, End and
  // Home go to the ends, and it goes no further.
  EXPECT_TRUE(says(figures.coinsByTheory));
  for (const auto& [key, prepared] : {std::pair{Qt::Key_Left, figures.coinsByTheory + 1},
                                      {Qt::Key_Down, figures.coinsByTheory},
                                      {Qt::Key_End, figures.MostCoins()},
                                      {Qt::Key_Home, 0},
                                      {Qt::Key_Right, 0}}) {
    QTest::keyClick(coins, key);
    EXPECT_TRUE(says(prepared)) << key;
  }
  // Dragged from where it stands to where 10 coins would see the meetings through.
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, marker(0));
  QTest::mouseMove(view->viewport(), marker(10));
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, marker(10));
  EXPECT_TRUE(says(10));
  EXPECT_EQ(CompareWithGolden("chart-window-coins-marker", chart), "");

  // A bar's meetings in the run's order, wrapping round; keyboard and pointer alike.
  const auto caption = [&] {
    return meeting->isVisible() ? chart.findChild<QChartView*>("Walk")->chart()->title() : "";
  };
  const auto meetingsAt = [&](int value) {
    QStringList captions;
    for (int k = 0; k < run.experimentCount; ++k)
      if (run.values[k] == value)
        captions << QStringLiteral("Meeting %1 of 1000: lowest balance %2,").arg(k + 1).arg(value);
    return captions;
  };
  const int highest = int(std::ranges::max_element(figures.observed) - figures.observed.begin());
  const QStringList mode = meetingsAt(figures.lowestValue + highest);
  for (int k = 0; k <= mode.size(); ++k) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(highest));
    EXPECT_TRUE(caption().startsWith(mode[k % mode.size()])) << caption().toStdString();
    QTest::keyClick(QApplication::focusWidget(), k % 2 ? Qt::Key_Escape : Qt::Key_Backspace);
    EXPECT_EQ(caption(), "");
  }
  chart.ShowRun(figures, meetings);  // shown anew, a run's bars start from their first meeting
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(highest));
  EXPECT_TRUE(caption().startsWith(mode.front()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  view->setFocus();
  QTest::keyClick(view, Qt::Key_End);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_TRUE(caption().startsWith(meetingsAt(1).front()));
  chart.findChild<QPushButton*>("Back")->click();
  ASSERT_EQ(figures.observed[0], 0);  // a bar with no meeting does nothing, and says so
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(0));
  EXPECT_EQ(caption(), "");
  QHelpEvent help(QEvent::ToolTip, at(0), view->viewport()->mapToGlobal(at(0)));
  QApplication::sendEvent(view->viewport(), &help);
  EXPECT_EQ(QToolTip::text().toStdString(), BarToolTip(figures, 0));

  // Replay: guest by guest, Space pauses it, Right steps one guest, and it ends on the last.
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(highest));
  auto* replay = chart.findChild<QPushButton*>("Replay");
  const auto guest = [&] {
    static const QRegularExpression after(QStringLiteral("^After guest (\\d+) of 100"));
    return after.match(chart.findChild<QLabel*>("ReplayStatus")->text()).captured(1).toInt();
  };
  EXPECT_EQ(CompareWithGolden("chart-window-meeting", chart), "");
  EXPECT_EQ(guest(), 100);
  QTest::keyClick(replay, Qt::Key_Space);
  EXPECT_TRUE(QTest::qWaitFor([&] { return guest() > 10; }));
  QTest::keyClick(replay, Qt::Key_Space);
  const int paused = guest();
  EXPECT_TRUE(paused > 10 && paused < 100 && replay->text() == "Resume") << paused;
  QTest::qWait(200);
  QTest::keyClick(replay, Qt::Key_Right);
  EXPECT_EQ(guest(), paused + 1);
  QTest::keyClick(replay, Qt::Key_Space);
  EXPECT_TRUE(QTest::qWaitFor([&] { return guest() == 100; }, 6000));
  EXPECT_EQ(replay->text(), "Replay");
  // Closing the window stops a replay at once, and so does Init.
  for (const auto& stop : std::initializer_list<std::function<void()>>{
           [&] { chart.close(); }, [&] { chart.ShowNoRun(); }}) {
    chart.show();
    replay->click();
    ASSERT_TRUE(meeting->IsReplaying());
    stop();
    EXPECT_FALSE(meeting->IsReplaying());
  }
  EXPECT_EQ(caption(), "");
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
