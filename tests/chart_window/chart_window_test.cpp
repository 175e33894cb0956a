// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolTip>
#include <cstdint>
#include <optional>

#include "chart_placement.h"
#include "chart_surroundings.h"
#include "chart_texts.h"
#include "chart_window.h"
#include "dialog_script.h"
#include "golden_image.h"
#include "key_names.h"
#include "qt_conversions.h"
#include "random_generator.h"
#include "shortage_experiment.h"

namespace ombrix::testing {
namespace {

// A seeded run, of 100 guests and 1000 meetings unless told, clock at noon, in a chart window
// shown at its standard size.
struct SeededChart {
  explicit SeededChart(std::int16_t guests = 100, std::int16_t experiments = 1000)
      : report(engine.Run({.GuestCount = guests, .ExperimentCount = experiments})) {
    window.Open(
        figures,
        {.next = [this](int value, int after) { return report.run.NextMeetingWith(value, after); },
         .replay = [this](int k) { return engine.Replay(report.run, k); }});
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  RandomGenerator random{20261206, [] { return 43200.0f; }};
  ShortageExperiment<RandomGenerator> engine{random};
  RunReport report;
  ShortageChart figures = ChartOf(report.law, report.run.Values(), report.run.average);
  ChartWindow window{[](Command) {}};
  QWidget& drawing = *window.findChild<QWidget*>(ToQString(ChartWindowNames::kDrawing));
  QSlider& coins = *window.findChild<QSlider*>(ToQString(ChartWindowNames::kCoins));
  QPushButton& replay = *window.findChild<QPushButton*>(ToQString(ChartWindowNames::kReplay));
  QPushButton& step = *window.findChild<QPushButton*>(ToQString(ChartWindowNames::kStep));

  DistributionGeometry Drawn() const { return window.Model().Distribution(); }
  // The point of the drawing at `x`, half way up the plot.
  QPoint At(double x) const {
    return QPointF(x, Drawn().Plot().top + Drawn().Plot().height / 2).toPoint();
  }
};

// The drawing is the model's scene at the drawing's size, whatever the window's size, and
// never smaller than the model's smallest; and what it draws beside a Chromebook's main
// window, its title whole, pixel for pixel.
TEST(ChartWindowTest, DrawsTheModelsSceneAtItsOwnSize) {
  SeededChart chart;
  const QSize smallest(int(kSmallestChartSize.width), int(kSmallestChartSize.height));
  for (const QSize size : {QSize(1800, 1000), QSize(376, 161), QSize(498, 480)}) {
    chart.window.resize(size);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return chart.window.size() == size.expandedTo(chart.window.minimumSize()); }));
    const Size drawn = chart.window.Model().DrawingSize();
    EXPECT_EQ(QSize(int(drawn.width), int(drawn.height)), chart.drawing.size()) << size.width();
    EXPECT_EQ(chart.drawing.size().expandedTo(smallest), chart.drawing.size()) << size.width();
  }
  // The marker's longest text, "under 0.1 %", widens nothing.
  QTest::keyClick(&chart.coins, Qt::Key_Home);
  EXPECT_EQ(chart.window.width(), 498);
  EXPECT_EQ(chart.window.windowTitle(), "Experiment of Ombrix 2＿Chart　Ombrix project 2026");
  EXPECT_EQ(CompareWithGolden("chart-window", chart.window), "");
  QTest::keyClick(&chart.drawing, Qt::Key_C, Qt::ControlModifier);  // the drawing as a picture
  EXPECT_EQ(QGuiApplication::clipboard()->image(), chart.drawing.grab().toImage());
  chart.window.ShowNoRun();
  EXPECT_EQ(CompareWithGolden("chart-window-no-run", chart.window), "");
}

// Each part's keys and pointer reach the model, and the window shows what follows.
TEST(ChartWindowTest, ForwardsKeysAndPointerToTheModel) {
  SeededChart chart;
  const int theory = chart.figures.coinsByTheory;
  // The slider stands for the marker, its value -coins: Left adds a coin.
  QTest::keyClick(&chart.coins, Qt::Key_Left);
  EXPECT_EQ(chart.window.Model().Coins(), theory + 1);
  EXPECT_EQ(chart.coins.value(), -(theory + 1));
  EXPECT_TRUE(chart.coins.accessibleDescription().startsWith(
      ToQString(CoinsMarkerText(chart.figures, theory + 1))));
  EXPECT_TRUE(chart.coins.accessibleDescription().contains("Left adds a coin"));
  // Dragged from where it stands to where 10 coins see the meetings through.
  QTest::mousePress(&chart.drawing, Qt::LeftButton, {}, chart.At(chart.Drawn().CoinsX(theory + 1)));
  QTest::mouseMove(&chart.drawing, chart.At(chart.Drawn().CoinsX(10) + 2));
  QTest::mouseRelease(&chart.drawing, Qt::LeftButton, {}, chart.At(chart.Drawn().CoinsX(10) + 2));
  EXPECT_EQ(chart.coins.value(), -10);
  EXPECT_EQ(CompareWithGolden("chart-window-coins-marker", chart.window), "");

  // A bar's tooltip, and its meeting on a click, the Replay button taking the focus.
  QHelpEvent help(QEvent::ToolTip, chart.At(chart.Drawn().Band(0).left + 2),
                  chart.drawing.mapToGlobal(chart.At(chart.Drawn().Band(0).left + 2)));
  QApplication::sendEvent(&chart.drawing, &help);
  EXPECT_EQ(QToolTip::text().toStdString(), BarToolTip(chart.figures, 0));
  const int highest = chart.window.Model().ChosenBar();  // chosen as the drawing took the focus
  QTest::mouseClick(&chart.drawing, Qt::LeftButton, {},
                    chart.At(chart.Drawn().Band(highest).left + 2));
  EXPECT_TRUE(chart.window.Model().InMeeting());
  EXPECT_TRUE(chart.replay.isVisible() && chart.replay.hasFocus());
  EXPECT_FALSE(chart.coins.isVisible());
  EXPECT_EQ(CompareWithGolden("chart-window-meeting", chart.window), "");
  QTest::keyClick(&chart.replay, Qt::Key_Right);  // steps from the first guest
  chart.step.click();
  EXPECT_EQ(chart.window.Model().GuestsShown(), 2);
  EXPECT_EQ(chart.step.toolTip(), "Right");
  EXPECT_EQ(chart.replay.text(), "Resume");
  EXPECT_EQ(chart.replay.accessibleDescription().toStdString(), chart.window.Model().Status());
  QTest::keyClick(&chart.replay, Qt::Key_Escape);
  EXPECT_EQ(chart.window.Model().State(), ChartState::Distribution);
  EXPECT_TRUE(chart.drawing.hasFocus());
  QTest::keyClick(&chart.drawing, Qt::Key_Escape);
  EXPECT_FALSE(chart.window.isVisible());
  EXPECT_FALSE(chart.window.IsOpen());
}

// A screen reader finds the bars as a list with an item for each, named by its tooltip and
// found where it is drawn, the chosen one selected and focused. The AT-SPI process test hears
// the focus move from item to item.
TEST(ChartWindowTest, TheBarsAreAListWhoseChosenItemHasTheFocus) {
  SeededChart chart;
  chart.drawing.setFocus();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&chart.drawing);
  ASSERT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->childCount(), chart.figures.BarCount());
  const int highest = chart.window.Model().ChosenBar(), last = chart.figures.BarCount() - 1;
  // The key pressed (Shift moves nothing), and the bar then chosen.
  // clang-format off
  const std::pair<Qt::Key, int> rows[] = {{Qt::Key_Shift, highest}, {Qt::Key_Left, highest - 1},
                                          {Qt::Key_Home, 0}, {Qt::Key_End, last}};
  // clang-format on
  for (const auto& [key, bar] : rows) {
    QTest::keyClick(&chart.drawing, key);
    QAccessibleInterface* item = list->child(bar);
    // Its name; selected, focused, the list's focused item, the one at its middle; bar 0 or 1 not.
    const QPoint middle = item->rect().center();
    const auto flag = [](bool on) { return QString::number(on); };
    EXPECT_EQ(QStringList({item->text(QAccessible::Name), flag(item->state().selected),
                           flag(item->state().focused), flag(list->focusChild() == item),
                           flag(list->childAt(middle.x(), middle.y()) == item),
                           flag(list->child(bar ? 0 : 1)->state().selected)}),
              QStringList({ToQString(BarToolTip(chart.figures, bar)), "1", "1", "1", "1", "0"}));
  }
}

// A meeting's walk from its start and its lowest point's label, the coins marker over the bars
// beside the 95 % markers, and bars a few pixels wide with what theory expects of them.
TEST(ChartWindowTest, WalksMarkersAndThinBarsAsDrawn) {
  // clang-format off
  struct Row { const char* golden; std::int16_t guests, experiments; QSize size;
               std::optional<int> meetingOf; int coins; };
  const Row rows[] = {{"chart-window-10-guests-meeting", 10, 100, {640, 510}, -2, 0},
                      {"chart-window-lowest-plus-one", 10, 100, {640, 510}, 1, 0},
                      {"chart-window-9-coins", 100, 1000, {640, 510}, std::nullopt, 9},
                      {"chart-window-1000-guests", 1000, 10000, {498, 480}, std::nullopt, 60}};
  // clang-format on
  for (const Row& row : rows) {
    SeededChart chart(row.guests, row.experiments);
    chart.window.resize(row.size);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart.window.size() == row.size; }));
    chart.coins.setValue(-row.coins);
    if (row.meetingOf) {
      const double left = chart.Drawn().Band(*row.meetingOf - chart.figures.lowestValue).left;
      QTest::mouseClick(&chart.drawing, Qt::LeftButton, {}, chart.At(left + 2));
      EXPECT_EQ(chart.window.Model().InMeeting(), true) << row.golden;
    }
    EXPECT_EQ(CompareWithGolden(row.golden, chart.window), "");
  }
}

// Qt's key codes as the model names them; a key it does not name is none of the windows'.
TEST(KeyNamesTest, QtKeysAsTheModelNamesThem) {
  // clang-format off
  struct Row { int code; const char* name; bool control = false; Qt::KeyboardModifiers mods = {}; };
  const Row rows[] = {{Qt::Key_Left, "Left"}, {Qt::Key_Right, "Right"}, {Qt::Key_Up, "Up"},
      {Qt::Key_Down, "Down"}, {Qt::Key_PageUp, "PgUp"}, {Qt::Key_PageDown, "PgDown"},
      {Qt::Key_Home, "Home"}, {Qt::Key_End, "End"}, {Qt::Key_Return, "Enter"},
      {Qt::Key_Enter, "Enter"}, {Qt::Key_Space, "Space"}, {Qt::Key_Escape, "Esc"},
      {Qt::Key_Backspace, "Backspace"},
      {Qt::Key_C, "C"}, {Qt::Key_G, "G", true, Qt::ControlModifier}, {Qt::Key_Tab, nullptr}};
  // clang-format on
  for (const Row& row : rows) {
    const std::optional<Key> key = KeyOf(QKeyEvent(QEvent::KeyPress, row.code, row.mods));
    EXPECT_TRUE(key == (row.name ? std::optional(Key{row.name, row.control}) : std::nullopt))
        << row.code << " gave " << (key ? key->name : "none");
  }
}

// The window's frame timer drives a replay to its end, and stops with it. Where it stands at a
// pause and at its end is told to a screen reader, and held as Replay's description.
TEST(ChartWindowTest, AReplayPlaysOnTheWindowsClock) {
  SeededChart chart;
  chart.drawing.setFocus();
  QTest::keyClick(&chart.drawing, Qt::Key_Return);
  chart.replay.click();
  EXPECT_EQ(chart.replay.text(), "Pause");
  EXPECT_TRUE(QTest::qWaitFor([&] { return chart.window.Model().GuestsShown() > 10; }));
  for (int click = 0; click < 2; ++click) {  // paused, then played to its end
    chart.replay.click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart.replay.text() != "Pause"; }, 6000));
    const QString status = ToQString(chart.window.Model().Status());
    const auto* told = chart.window.findChild<QLabel*>();  // the notification's words
    EXPECT_EQ((told ? told->text() : "nothing") + " | " + chart.replay.accessibleDescription(),
              status + " | " + status);
  }
  EXPECT_EQ(chart.replay.text(), "Replay");
  EXPECT_EQ(chart.window.Model().GuestsShown(), 100);
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
  struct Row { QRect screen; QPoint client; const FrequencyTable& run; QRect chart; };
  const Row rows[] = {
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
