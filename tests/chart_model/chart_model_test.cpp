// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart_model.h"
#include "chart_texts.h"
#include "golden_text.h"
#include "meeting_texts.h"
#include "random_generator.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

// Every character 0.55 of the text's size wide: a face of its own, the same on every build.
double FixedWidth(std::string_view text, double pixels, bool bold) {
  return double(text.size()) * pixels * (bold ? 0.6 : 0.55);
}

TEST(ChartKeysTest, EachKeyGivesItsCommandWhereItArrives) {
  using enum KeyPart;
  // clang-format off
  struct Row { KeyPart part; Key key; Command command; };
  const Row rows[] = {
      {Table, {"G", true}, Command::ShowChart}, {Table, {"G"}, Command::None},
      {Table, {"C", true}, Command::CopyTable}, {Table, {"Esc"}, Command::None},
      {Chart, {"C", true}, Command::CopyPicture}, {Bars, {"Esc"}, Command::Leave},
      {Bars, {"Left"}, Command::BarBefore}, {Bars, {"Space"}, Command::ShowMeeting},
      {Marker, {"Left"}, Command::CoinAdded}, {Marker, {"Up"}, Command::CoinTaken},
      {Marker, {"PgDown"}, Command::FiveCoinsAdded}, {Marker, {"Backspace"}, Command::Back},
      {Replay, {"Right"}, Command::StepGuest}, {Replay, {"Left"}, Command::None},
      {Step, {"Right"}, Command::StepGuest}, {Step, {"Esc"}, Command::Leave}};
  // clang-format on
  for (const Row& row : rows)
    EXPECT_EQ(int(CommandOf(row.part, row.key)), int(row.command))
        << (row.key.control ? "Ctrl+" : "") << row.key.name << " in part " << int(row.part);
  // The table menu's labels, "Ctrl+G" and "Ctrl+C", are checked where the menu shows them.
  EXPECT_EQ(ShortcutLabel(KeyPart::Marker, Command::CoinAdded), "Left or Down");
}

TEST(ReplayClockTest, AnyMeetingPlaysInFourSeconds) {
  // clang-format off
  struct Row { int guestCount; double played; int shown; };
  const Row rows[] = {{100, -5, 0}, {100, 39.9, 0}, {100, 40, 1}, {100, 3999, 99}, {100, 4000, 100},
                      {100, 9e9, 100}, {10, 2000, 5}, {1000, 4, 1}};
  // clang-format on
  for (const Row& row : rows) {
    const ReplayClock clock{row.guestCount};
    EXPECT_EQ(clock.GuestsAfter(row.played), row.shown)
        << row.guestCount << " guests after " << row.played << " ms";
    EXPECT_EQ(clock.GuestsAfter(clock.PlayedAt(row.shown)), row.shown) << row.shown;
  }
}

// A seeded run of 100 guests and 1000 meetings, with its chart and meetings as the windows
// hand them to the model.
struct SeededRun {
  RandomGenerator random{20261206, [] { return 43200.0f; }};
  ShortageExperiment<RandomGenerator> engine{random};
  RunReport report{engine.Run({.GuestCount = 100, .ExperimentCount = 1000})};
  ShortageChart figures = ChartOf(report.law, report.run.Values(), report.run.average);

  RunMeetings Meetings() {
    return {
        .next = [this](int value, int after) { return report.run.NextMeetingWith(value, after); },
        .replay = [this](int experiment) { return engine.Replay(report.run, experiment); }};
  }
  int Highest() const {
    return int(std::max_element(figures.observed.begin(), figures.observed.end()) -
               figures.observed.begin());
  }
};

SeededRun& Seeded() {
  static SeededRun run;
  return run;
}

// One event of the chart's life, as an edition forwards it; and the events the tests send.
using Event = std::function<ChartOutcome(ChartModel&)>;
template <auto member, class... Args>
Event Call(Args... args) {
  return [=](ChartModel& chart) { return (chart.*member)(args...); };
}
const Event kOpen = [](ChartModel& c) { return c.Open(Seeded().figures, Seeded().Meetings()); };
const Event kRun = [](ChartModel& c) { return c.Run(Seeded().figures, Seeded().Meetings()); };
const Event kInit = &ChartModel::Init, kExit = &ChartModel::Exit, kBack = &ChartModel::Back;
const Event kFocusBars = &ChartModel::FocusBars, kUp = &ChartModel::PointerUp;
const auto Replay = &Call<&ChartModel::ReplayClicked, double>;
const auto Tick = &Call<&ChartModel::Tick, double>;
auto KeyIn(KeyPart part) {
  return [part](std::string_view name, double now = 0) {
    return Call<&ChartModel::Key>(part, Key{name}, now);
  };
}
// A press by `pointer` (a move for none) at `x`, across the middle of the plot or `y` below
// its top.
Event PointerAt(std::optional<Pointer> pointer, double x, double y = -1) {
  return [=](ChartModel& chart) {
    const Box plot = chart.Distribution().Plot();
    const Point at{x, plot.top + (y < 0 ? plot.height / 2 : y)};
    return pointer ? chart.PointerDown(at, *pointer) : chart.PointerMove(at);
  };
}

// Three points of the coins against the guests: two of a sweep beside one by hand.
CoveragePoints ThreePoints() {
  CoveragePoints points;
  for (const CoveragePoint& point : {CoveragePoint{10, 6, 1000, PointSource::Sweep},
                                     {100, 18, 1000, PointSource::Hand},
                                     {1000, 62, 1000, PointSource::Sweep}})
    points.Record(point);
  return points;
}
const Event kCoverage = Call<&ChartModel::ShowCoverage>(ThreePoints(), std::optional<int>());
const auto Swept = [](std::optional<int> run, CoveragePoints points = ThreePoints()) {
  return Call<&ChartModel::ShowPoints>(points, run);
};
// A press by `pointer` on point `k` of the coins against the guests.
Event OnPoint(int k, Pointer pointer = Pointer::Mouse) {
  return [=](ChartModel& chart) {
    const Box band = chart.Choices().at(std::size_t(k)).band;
    return chart.PointerDown({band.left + band.width / 2 + 1, band.top + band.height / 2}, pointer);
  };
}

constexpr const char* kStateNames[] = {"Closed",    "NoRun",  "Distribution", "Meeting",
                                       "Replaying", "Paused", "Coverage"};

TEST(ChartModelTest, EventsLeadToTheirStates) {
  const SeededRun& run = Seeded();
  const int theory = run.figures.coinsByTheory, highest = run.Highest();
  const int last = run.figures.BarCount() - 1, most = run.figures.MostCoins();
  const DistributionGeometry drawn(run.figures, kStandardChartSize, FixedWidth);
  const double onMarker = drawn.CoinsX(theory), atTen = drawn.CoinsX(10) + 3;
  const double onHighest = drawn.Band(highest).left + 2;
  // The bar right of the marker, under its line; the grip, at the top of the line.
  const int besideMarker = -theory - run.figures.lowestValue;
  const double underLine = onMarker + 2, gripY = 5;
  const auto marker = KeyIn(KeyPart::Marker), bar = KeyIn(KeyPart::Bars);
  const auto step = KeyIn(KeyPart::Replay), window = KeyIn(KeyPart::Chart);
  const Event open = kOpen, bars = kFocusBars, enter = bar("Enter"), esc = window("Esc");
  const auto press = [](double x, double y = -1) { return PointerAt(Pointer::Mouse, x, y); };
  const auto tap = [](double x) { return PointerAt(Pointer::Touch, x); };
  const auto drag = [](double x) { return PointerAt(std::nullopt, x); };
  using enum ChartState;
  // What the chart shows after a row's events; -1 (-2 for the chosen bar): not checked.
  struct Shown {
    int coins = -1, chosen = -2, shown = -1;
    const char* caption = nullptr;
    int hint = -1;  // its lines under the plot
  };
  struct Row {
    const char* name;
    std::vector<Event> events;
    ChartState state;
    Shown then = {};
  };
  // clang-format off
  const Row rows[] = {
      {"a run of a closed chart opens nothing", {kRun}, Closed},
      {"opens at theory's 95 %, no bar chosen, with the hint", {open}, Distribution,
       {.coins = theory, .chosen = -1, .hint = 2}},
      {"Left and Down add a coin, Up takes one, PgUp five", {open, marker("Left"), marker("Down"),
       marker("Up"), marker("PgUp")}, Distribution, {.coins = theory - 4, .hint = 2}},
      {"Home goes to all coins and no further", {open, marker("Home"), marker("PgDown")},
       Distribution, {.coins = most}},
      {"End goes to none and no further", {open, marker("End"), marker("Right")}, Distribution,
       {.coins = 0}},
      {"the bars' first key starts from the highest bar, and ends the hint", {open, bar("Right")},
       Distribution, {.chosen = highest + 1, .hint = 0}},
      {"the focus chooses the highest bar, which leaves the hint", {open, bars}, Distribution,
       {.chosen = highest, .hint = 2}},
      {"opened again, it hints again", {open, bar("Right"), esc, open}, Distribution, {.hint = 2}},
      {"a run in the open chart does not", {open, bar("Right"), kRun}, Distribution, {.hint = 0}},
      {"Home and End choose the ends, and no further", {open, bars, bar("End"), bar("Right")},
       Distribution, {.chosen = last}},
      {"Enter shows the chosen bar's meeting, whole", {open, bars, enter}, Meeting,
       {.shown = 100, .caption = "Replay"}},
      {"a bar with no meeting shows none", {open, bar("Home"), enter}, Distribution, {.chosen = 0}},
      {"Esc goes back from a meeting", {open, bars, enter, step("Esc")}, Distribution,
       {.chosen = highest}},
      {"Esc closes the distribution", {open, esc}, Closed},
      {"Backspace does not close the distribution", {open, window("Backspace")}, Distribution},
      {"a replay plays by the clock", {open, bars, enter, Replay(1000), Tick(3000)}, Replaying,
       {.shown = 50, .caption = "Pause"}},
      {"a replay ends with the last guest", {open, bars, enter, Replay(1000), Tick(5000)}, Meeting,
       {.shown = 100, .caption = "Replay"}},
      {"a paused replay resumes where it was", {open, bars, enter, Replay(0), Tick(1000),
       Replay(1000), Replay(9000), Tick(9500)}, Replaying, {.shown = 37}},
      {"a pause keeps its guests", {open, bars, enter, Replay(0), Tick(1000), Replay(1000),
       Tick(3000)}, Paused, {.shown = 25, .caption = "Resume"}},
      {"a step from the whole walk starts at the first guest", {open, bars, enter, step("Right")},
       Paused, {.shown = 1}},
      {"a step pauses a replay and goes on by one",
       {open, bars, enter, Replay(0), Tick(400), step("Right", 400)}, Paused, {.shown = 11}},
      {"Exit pauses a replay, which resumes where it stood", {open, bars, enter, Replay(0),
       Tick(400), kExit, Replay(900), Tick(900)}, Replaying, {.shown = 10}},
      {"Init shows no run", {open, bars, enter, Replay(0), kInit}, NoRun},
      {"a run after Init shows again", {open, kInit, kRun}, Distribution, {.coins = theory}},
      {"a new run starts from theory's 95 % and no bar", {open, bars, marker("Home"), kRun},
       Distribution, {.coins = theory, .chosen = -1}},
      {"Show chart on an open chart leaves it as it was", {open, marker("End"), bars, enter, open},
       Meeting, {.coins = 0}},
      {"a drag from the grip", {open, press(onMarker + 10, gripY), drag(atTen + 10)},
       Distribution, {.coins = 10}},
      {"the marker follows a drag from its line a whole coin at a time, till it lets go",
       {open, press(onMarker), drag(atTen), kUp, drag(onMarker)}, Distribution, {.coins = 10}},
      {"a press on the line that does not move is its bar's", {open, press(underLine),
       drag(underLine + 3), kUp}, Meeting, {.coins = theory, .chosen = besideMarker}},
      {"pressed, a bar shows its meeting", {open, press(onHighest)}, Meeting, {.chosen = highest}},
      {"a finger's tap chooses a bar", {open, tap(onHighest)}, Distribution, {.chosen = highest}},
      {"a second tap shows its meeting", {open, tap(onHighest), tap(onHighest)}, Meeting,
       {.chosen = highest}},
      {"a press left of the plot does nothing", {open, press(drawn.Plot().left - 5)}, Distribution,
       {.chosen = -1}},
      {"the coins against the guests open without a run", {kCoverage}, Coverage, {.chosen = -1}},
      {"without a run Esc closes them, Back stays", {kCoverage, kBack, esc}, Closed},
      {"Backspace leads back to the run's distribution as it was",
       {open, bars, kCoverage, window("Backspace")}, Distribution, {.chosen = highest}},
      {"Init and a new run keep them", {open, kCoverage, kInit, kRun, kInit, kBack}, Coverage},
      {"Show chart turns them to the distribution", {open, kCoverage, open}, Distribution},
      {"the points take the bars' keys, from the first", {kCoverage, bars, bar("End"),
       bar("Left"), bar("Left"), bar("Left")}, Coverage, {.chosen = 0}},
      {"a press on a point chooses it", {kCoverage, OnPoint(2)}, Coverage, {.chosen = 2}},
      {"a chosen point beyond fewer points is the last",
       {kCoverage, bar("End"), Swept(std::nullopt, CoveragePoints{})}, Coverage, {.chosen = -1}},
  };
  // clang-format on
  for (const Row& row : rows) {
    ChartModel chart{FixedWidth};
    for (const Event& event : row.events)
      event(chart);
    SCOPED_TRACE(row.name);
    const Shown& then = row.then;
    EXPECT_STREQ(kStateNames[int(chart.State())], kStateNames[int(row.state)]);
    EXPECT_TRUE(then.coins < 0 || chart.Coins() == then.coins) << chart.Coins();
    EXPECT_TRUE(then.chosen < -1 || chart.ChosenBar() == then.chosen) << chart.ChosenBar();
    EXPECT_TRUE(then.shown < 0 || chart.GuestsShown() == then.shown) << chart.GuestsShown();
    EXPECT_TRUE(!then.caption || chart.ReplayCaption() == then.caption) << chart.ReplayCaption();
    const auto hint = std::ranges::count_if(
        chart.Scene().front, [](const Shape& shape) { return shape.role == std::string("hint"); });
    EXPECT_TRUE(then.hint < 0 || hint == then.hint) << hint << " lines of hint";
  }
}

TEST(ChartModelTest, OutcomesAskTheEditionForFocusClosingCopiesAndWords) {
  ChartModel chart{FixedWidth};
  EXPECT_EQ(kOpen(chart).focus, KeyPart::Bars);
  EXPECT_TRUE(chart.Key(KeyPart::Marker, {"C"}, 0) == ChartOutcome{});
  EXPECT_TRUE(chart.Key(KeyPart::Bars, {"C", true}, 0).copyPicture);
  kFocusBars(chart);
  // A meeting opened says its caption, as the focus comes to Replay.
  const ChartOutcome opened = chart.Key(KeyPart::Bars, {"Enter"}, 0);
  EXPECT_EQ(opened.focus, KeyPart::Replay);
  EXPECT_TRUE(opened.say.starts_with(chart.Name() + ": lowest balance ")) << opened.say;
  EXPECT_EQ(chart.ReplayClicked(0).say, "Before guest 1: balance 0");
  // While it plays, it speaks once a second at most, and at its end.
  EXPECT_EQ(chart.Tick(500).say, "");
  EXPECT_TRUE(chart.Tick(1000).say.starts_with("After guest 25 of 100:"));
  EXPECT_EQ(chart.Tick(1500).say, "");
  EXPECT_TRUE(chart.Tick(4000).say.starts_with("After guest 100 of 100:"));
  EXPECT_EQ(chart.Key(KeyPart::Replay, {"Esc"}, 0).focus, KeyPart::Bars);
  EXPECT_TRUE(chart.Close().close);
  EXPECT_FALSE(chart.Close().close);
}

// What the coins against the guests ask of the edition: the focus, the program's commands for
// the sweep, the copied points, the tooltips, and what is said as a sweep goes.
TEST(ChartModelTest, TheCoinsAgainstTheGuestsAskForCommandsCopiesAndWords) {
  ChartModel chart{FixedWidth};
  EXPECT_EQ(chart.ShowCoverage({}, std::nullopt).focus, KeyPart::Sweep);
  EXPECT_EQ(chart.ShowCoverage(ThreePoints(), std::nullopt).focus, KeyPart::Bars);
  EXPECT_EQ(chart.SweepClicked().command, Command::Sweep);
  EXPECT_EQ(chart.SweepCaption(), "Run 10 to 1000 guests");
  EXPECT_EQ(chart.ClearClicked().command, Command::ClearPoints);
  EXPECT_EQ(Swept(1)(chart).say, "Running 20 guests: 2 of 7");
  EXPECT_EQ(chart.SweepClicked().command, Command::StopSweep);
  EXPECT_EQ(chart.SweepCaption(), "Stop");
  EXPECT_EQ(Swept(std::nullopt)(chart).say, "Twice the guests: about 1.3 to 1.4 times the coins");
  EXPECT_EQ(Swept(std::nullopt)(chart).say, "");
  EXPECT_EQ(chart.Key(KeyPart::Chart, {"C", true}, 0).copyText,
            "Guests\tCoins by the run\tCoins by theory\tNumber of experiments\tRun by\n"
            "10\t6\t6\t1000\tsweep\n100\t18\t19\t1000\thand\n1000\t62\t61\t1000\tsweep\n");
  const BarChoice point = chart.Choices().at(1);
  EXPECT_EQ(point.toolTip,
            "100 guests: 18 coins cover 95 % by this run of 1000 experiments, 19 by theory. Run by "
            "hand");
  EXPECT_EQ(chart.ToolTipAt({point.band.left + 1, point.band.top + 1}), point.toolTip);
  EXPECT_EQ(chart.ToolTipAt({point.band.left - 30, point.band.top}), "");
  // A finger's tap shows the tooltip as it lets go; a key shows the chosen one's.
  EXPECT_FALSE(OnPoint(1, Pointer::Touch)(chart).showToolTip);
  EXPECT_TRUE(chart.PointerUp().showToolTip);
  EXPECT_FALSE(chart.PointerUp().showToolTip);
  EXPECT_TRUE(chart.Key(KeyPart::Bars, {"Right"}, 0).showToolTip);
  EXPECT_EQ(chart.ChosenBarToolTip(), chart.Choices().at(2).toolTip);
  EXPECT_EQ(chart.ItemsName(), "Points: one for each guest count run");
  // Where two points' bands overlap, the pointer takes the nearer one.
  CoveragePoints close = ThreePoints();
  close.Record({.guests = 20, .coins = 8, .experimentCount = 1000, .source = PointSource::Sweep});
  Swept(std::nullopt, close)(chart);
  for (const BarChoice& choice : chart.Choices())
    EXPECT_EQ(chart.ToolTipAt({choice.band.left + choice.band.width / 2,
                               choice.band.top + choice.band.height / 2}),
              choice.toolTip);
  // Closed while a sweep runs, the window asks the program to stop it.
  Swept(3)(chart);
  const ChartOutcome closed = chart.Close();
  EXPECT_TRUE(closed.close);
  EXPECT_EQ(closed.command, Command::StopSweep);
}

// The meetings of a value one after another, in the run's order, wrapping round; a new run's
// start again from its first.
TEST(ChartModelTest, ABarShowsItsMeetingsInTurn) {
  SeededRun& run = Seeded();
  const int value = run.figures.lowestValue + run.Highest();
  std::vector<std::string> expected;
  for (int k = 0; k < run.report.run.experimentCount; ++k)
    if (run.report.run.values[std::size_t(k)] == value)
      expected.push_back("Meeting " + std::to_string(k + 1) + " of 1000");
  expected.push_back(expected.front());
  ChartModel chart{FixedWidth};
  const Event space = KeyIn(KeyPart::Bars)("Space");
  for (const Event& event : {kOpen, kFocusBars})
    event(chart);
  for (const std::string& name : expected) {
    space(chart);
    EXPECT_EQ(chart.Name(), name);
    kBack(chart);
  }
  for (const Event& event : {kRun, kFocusBars, space})
    event(chart);
  EXPECT_EQ(chart.Name(), expected.front());
}

TEST(ChartGeometryTest, MarkersStandAtTheLeftEdgeOfTheirValuesBar) {
  // 10 guests: bars from -10 to +1.
  const ShortageChart run = ChartOf(ShortageDistribution(10), std::vector<std::int16_t>{-2, 0}, -1);
  // clang-format off
  struct Row { Size size; Box plot; };
  const Row rows[] = {{{640, 480}, {70, 56, 554, 316}}, {{1280, 480}, {70, 56, 1194, 316}},
                      // the smallest, its texts at 11 px, its title and status on two lines
                      {{360, 320}, {64.17, 81.58, 281.17, 139.42}}};
  // clang-format on
  for (const Row& row : rows) {
    const DistributionGeometry at(run, row.size, FixedWidth);
    SCOPED_TRACE(row.size.width);
    const Box plot = at.Plot();
    EXPECT_NEAR(plot.left, row.plot.left, 0.005);
    EXPECT_NEAR(plot.top, row.plot.top, 0.005);
    EXPECT_NEAR(plot.width, row.plot.width, 0.005);
    EXPECT_NEAR(plot.height, row.plot.height, 0.005);
    const double band = plot.width / 12;
    EXPECT_DOUBLE_EQ(at.CoinsX(10), plot.left);
    EXPECT_DOUBLE_EQ(at.CoinsX(0), plot.left + 10 * band);
    for (int coins = 0; coins <= 10; ++coins) {
      EXPECT_EQ(at.CoinsAt(at.CoinsX(coins) - 0.4 * band), coins);
      EXPECT_EQ(at.CoinsAt(at.CoinsX(coins) + 0.4 * band), coins);
      EXPECT_EQ(at.BarAt({at.CoinsX(coins) + 1, plot.top + 1}), 10 - coins);
    }
    EXPECT_EQ(at.CoinsAt(-1000), 10);
    EXPECT_EQ(at.CoinsAt(9999), 0);
    EXPECT_EQ(at.BarAt({plot.left - 1, plot.top + 1}), -1);
    EXPECT_EQ(at.BarAt({plot.left + 1, plot.top - 1}), -1);
  }
}

// Every shape of a scene, a line each, its figures to a tenth of a pixel.
std::ostream& operator<<(std::ostream& out, Point point) {
  return out << ' ' << point.x << ',' << point.y;
}
std::ostream& operator<<(std::ostream& out, const Colour& colour) {
  return out << " rgb(" << colour.red << ',' << colour.green << ',' << colour.blue << ','
             << colour.alpha << ')';
}
std::ostream& operator<<(std::ostream& out, const Stroke& stroke) {
  return out << stroke.colour << " w" << stroke.width << " dash " << stroke.dash[0] << ','
             << stroke.dash[1];
}
std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << Point{box.left, box.top} << ' ' << box.width << 'x' << box.height;
}

std::string SceneText(const ChartScene& scene) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(1);
  // Every field of every shape, whatever its kind reads: a field it should not set shows.
  const auto write = [&out](const Shape& shape) {
    out << shape.role << " kind " << int(shape.kind) << shape.at << shape.to;
    for (const Point point : shape.points)
      out << point;
    out << shape.box << " r" << shape.radius << shape.fill << shape.stroke << ' ' << shape.pixels
        << "px bold " << shape.bold << " anchor " << int(shape.anchor) << " upright "
        << shape.upright << " \"" << shape.text << "\"\n";
  };
  for (const auto* part : {&scene.back, &scene.bars, &scene.marker, &scene.front, &scene.focus})
    for (const Shape& shape : *part)
      write(shape);
  for (const BarChoice& choice : scene.choices)
    out << "choice " << choice.value << choice.band << " \"" << choice.toolTip << "\"\n";
  return std::move(out).str();
}

// What the chart draws of a seeded run, to the tenth of a pixel, in its looks and words: the
// WebAssembly build runs this test too, so the page draws what the desktop draws.
TEST(ChartSceneTest, TheSeededRunIsDrawnAlikeOnEveryBuild) {
  const auto marker = KeyIn(KeyPart::Marker), bar = KeyIn(KeyPart::Bars);
  ChartModel chart{FixedWidth};
  for (const Event& event : {kOpen, Call<&ChartModel::Resize>(Size{560, 420}), marker("End")})
    event(chart);
  for (int coins = 0; coins < 10; ++coins)
    marker("Left")(chart);
  // clang-format off
  const std::pair<std::vector<Event>, const char*> steps[] = {
      {{kFocusBars}, "chart-distribution"}, {{bar("Enter")}, "chart-meeting"},
      {{KeyIn(KeyPart::Replay)("Right")}, "chart-meeting-first-guest"}, {{kInit}, "chart-no-run"},
      {{Call<&ChartModel::ShowCoverage>(ThreePoints(), std::optional(2)), bar("Right")},
       "chart-coverage"}};
  // clang-format on
  for (const auto& [events, golden] : steps) {
    for (const Event& event : events)
      event(chart);
    EXPECT_EQ(testing::CompareWithGoldenText(golden, SceneText(chart.Scene())), "");
  }
}

// From the smallest window to a projector, on a distribution and on a meeting: no text under
// 11 px nor wider than the drawing, the title whole over its lines, the lines and points as
// much larger as the texts, and the coins marker and the expected points sized to the bars.
TEST(ChartSceneTest, TextsStayReadableAndWholeAndLinesGrowWithThem) {
  SeededRun& run = Seeded();
  const int first = *run.report.run.NextMeetingWith(run.figures.lowestValue + run.Highest(), 0);
  const std::string titles[] = {TextsOf(run.figures).title,
                                TextsOf(run.engine.Replay(run.report.run, first), 1000).caption};
  // The lines as much larger as the texts.
  const std::map<std::string, double> scaled = {{"zero-line", ChartPalette::kZeroLine.width},
                                                {"walk", 2}};
  for (const Size size : {kSmallestChartSize, Size{376, 161}, Size{498, 480}, Size{1920, 1000}}) {
    ChartModel chart{FixedWidth};
    chart.Open(run.figures, run.Meetings());
    chart.Resize(size);
    const double s = TextScale(chart.DrawingSize());
    for (const std::string& title : titles) {
      SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height) + ": " + title);
      const ChartScene scene = chart.Scene();
      const double bar = scene.bars.empty() ? 0 : scene.bars.front().box.width;
      std::string titleLines;
      for (const auto* part : {&scene.back, &scene.marker, &scene.front}) {
        for (const Shape& shape : *part) {
          const std::string role = shape.role;
          if (shape.kind == ShapeKind::Text) {
            EXPECT_GE(shape.pixels, 11) << role << " \"" << shape.text << '"';
            EXPECT_LE(FixedWidth(shape.text, shape.pixels, shape.bold), size.width) << shape.text;
          }
          if (role == "chart-title")
            titleLines += (titleLines.empty() ? "" : " ") + shape.text;
          const double width = role == "coins-line"    ? std::clamp(bar, 2.0, 12.0)
                               : scaled.contains(role) ? scaled.at(role) * s
                                                       : shape.stroke.width;
          EXPECT_DOUBLE_EQ(shape.stroke.width, width) << role << " over bars " << bar << " wide";
          EXPECT_LE(shape.radius, role == "expected-point" ? bar / 3 : shape.radius) << bar;
          EXPECT_DOUBLE_EQ(shape.radius,
                           role == "lowest-point" ? ChartPalette::kLowestRadius * s : shape.radius);
        }
      }
      EXPECT_EQ(titleLines, title);
      chart.FocusBars();
      chart.Key(KeyPart::Bars, {"Enter"}, 0);  // the highest bar's first meeting
    }
  }
}

}  // namespace
}  // namespace ombrix
