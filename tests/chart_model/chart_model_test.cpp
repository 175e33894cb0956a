// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chart_model.h"
#include "golden_text.h"
#include "random_generator.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

using testing::CompareWithGoldenText;

// Every character 0.55 of the text's size wide: a face of its own, the same on every build.
double FixedWidth(std::string_view text, double pixels, bool bold) {
  return double(text.size()) * pixels * (bold ? 0.6 : 0.55);
}

TEST(ChartKeysTest, EachKeyGivesItsCommandWhereItArrives) {
  struct Row {
    KeyPart part;
    Key key;
    Command command;
  };
  const Row rows[] = {
      {.part = KeyPart::Table, .key = {"G", true}, .command = Command::ShowChart},
      {.part = KeyPart::Table, .key = {"G"}, .command = Command::None},
      {.part = KeyPart::Table, .key = {"C", true}, .command = Command::CopyTable},
      {.part = KeyPart::Table, .key = {"Esc"}, .command = Command::None},
      {.part = KeyPart::Chart, .key = {"C", true}, .command = Command::CopyPicture},
      {.part = KeyPart::Bars, .key = {"Esc"}, .command = Command::Leave},
      {.part = KeyPart::Bars, .key = {"Left"}, .command = Command::BarBefore},
      {.part = KeyPart::Bars, .key = {"Space"}, .command = Command::ShowMeeting},
      {.part = KeyPart::Marker, .key = {"Left"}, .command = Command::CoinAdded},
      {.part = KeyPart::Marker, .key = {"Down"}, .command = Command::CoinTaken},
      {.part = KeyPart::Marker, .key = {"PgUp"}, .command = Command::FiveCoinsAdded},
      {.part = KeyPart::Marker, .key = {"Backspace"}, .command = Command::Back},
      {.part = KeyPart::Replay, .key = {"Right"}, .command = Command::StepGuest},
      {.part = KeyPart::Replay, .key = {"Left"}, .command = Command::None},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CommandName(CommandOf(row.part, row.key)), CommandName(row.command))
        << (row.key.control ? "Ctrl+" : "") << row.key.name << " in part " << int(row.part);
  EXPECT_EQ(ShortcutLabel(KeyPart::Table, Command::ShowChart), "Ctrl+G");
  EXPECT_EQ(ShortcutLabel(KeyPart::Table, Command::CopyTable), "Ctrl+C");
  EXPECT_EQ(ShortcutLabel(KeyPart::Marker, Command::CoinAdded), "Left or Up");
  EXPECT_EQ(ShortcutLabel(KeyPart::Chart, Command::Leave), "Esc");
}

TEST(ReplayClockTest, AnyMeetingPlaysInFourSeconds) {
  struct Row {
    int guestCount;
    double played;
    int shown;
  };
  const Row rows[] = {
      {.guestCount = 100, .played = -5, .shown = 0},
      {.guestCount = 100, .played = 39.9, .shown = 0},
      {.guestCount = 100, .played = 40, .shown = 1},
      {.guestCount = 100, .played = 3999, .shown = 99},
      {.guestCount = 100, .played = 4000, .shown = 100},
      {.guestCount = 100, .played = 9e9, .shown = 100},
      {.guestCount = 10, .played = 2000, .shown = 5},
      {.guestCount = 1000, .played = 4, .shown = 1},
  };
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

// One event of the chart's life, as an edition forwards it.
struct Event {
  enum Kind { Open, Run, Init, Exit, Close, Back, Key, FocusBars, Down, Move, Up, Replay, Tick };
  Kind kind;
  KeyPart part = KeyPart::Chart;
  std::string_view key = {};
  double at = 0;  // a time, or the x of a point on the marker's row
  bool control = false;
};

ChartOutcome Apply(ChartModel& chart, const Event& event) {
  SeededRun& run = Seeded();
  const double y = DistributionGeometry(run.figures, chart.DrawingSize()).Plot().top + 100;
  switch (event.kind) {
    case Event::Open:
      return chart.Open(run.figures, run.Meetings());
    case Event::Run:
      return chart.Run(run.figures, run.Meetings());
    case Event::Init:
      return chart.Init();
    case Event::Exit:
      return chart.Exit();
    case Event::Close:
      return chart.Close();
    case Event::Back:
      return chart.Back();
    case Event::Key:
      return chart.Key(event.part, {event.key, event.control}, event.at);
    case Event::FocusBars:
      return chart.FocusBars();
    case Event::Down:
      return chart.PointerDown({event.at, y});
    case Event::Move:
      return chart.PointerMove({event.at, y});
    case Event::Up:
      return chart.PointerUp();
    case Event::Replay:
      return chart.ReplayClicked(event.at);
    case Event::Tick:
      return chart.Tick(event.at);
  }
  return {};
}

const char* StateName(ChartState state) {
  constexpr const char* kNames[] = {"Closed",  "NoRun",     "Distribution",
                                    "Meeting", "Replaying", "Paused"};
  return kNames[int(state)];
}

TEST(ChartModelTest, EventsLeadToTheirStates) {
  const SeededRun& run = Seeded();
  const int theory = run.figures.coinsByTheory, highest = run.Highest();
  const int last = run.figures.BarCount() - 1, most = run.figures.MostCoins();
  const DistributionGeometry at(run.figures, kStandardChartSize);
  const double onMarker = at.CoinsX(theory), atTen = at.CoinsX(10) + 3;
  const double onHighest = at.Band(highest).left + 2;
  using E = Event;
  const E open{E::Open}, bars{E::FocusBars}, enter{E::Key, KeyPart::Bars, "Enter"};
  // An event, and what the chart shows after it and the events before it.
  struct Row {
    const char* name;
    std::vector<Event> events;
    ChartState state;
    int coins = -1;  // -1: not checked
    int chosen = -2;
    int shown = -1;
    const char* caption = nullptr;
  };
  const Row rows[] = {
      {.name = "a run of a closed chart opens nothing",
       .events = {{E::Run}},
       .state = ChartState::Closed},
      {.name = "opens at theory's 95 %, no bar chosen",
       .events = {open},
       .state = ChartState::Distribution,
       .coins = theory,
       .chosen = -1},
      {.name = "Left and Up add a coin, Down takes one",
       .events = {open,
                  {E::Key, KeyPart::Marker, "Left"},
                  {E::Key, KeyPart::Marker, "Up"},
                  {E::Key, KeyPart::Marker, "Down"}},
       .state = ChartState::Distribution,
       .coins = theory + 1},
      {.name = "End goes to all coins and no further",
       .events = {open, {E::Key, KeyPart::Marker, "End"}, {E::Key, KeyPart::Marker, "PgUp"}},
       .state = ChartState::Distribution,
       .coins = most},
      {.name = "Home goes to none and no further",
       .events = {open, {E::Key, KeyPart::Marker, "Home"}, {E::Key, KeyPart::Marker, "Right"}},
       .state = ChartState::Distribution,
       .coins = 0},
      {.name = "PgDown takes five",
       .events = {open, {E::Key, KeyPart::Marker, "PgDown"}},
       .state = ChartState::Distribution,
       .coins = theory - 5},
      {.name = "the bars' first key starts from the highest bar",
       .events = {open, {E::Key, KeyPart::Bars, "Right"}},
       .state = ChartState::Distribution,
       .chosen = highest + 1},
      {.name = "the focus chooses the highest bar",
       .events = {open, bars},
       .state = ChartState::Distribution,
       .chosen = highest},
      {.name = "Home and End choose the ends, and no further",
       .events = {open, bars, {E::Key, KeyPart::Bars, "End"}, {E::Key, KeyPart::Bars, "Right"}},
       .state = ChartState::Distribution,
       .chosen = last},
      {.name = "Enter shows the chosen bar's meeting, whole",
       .events = {open, bars, enter},
       .state = ChartState::Meeting,
       .shown = 100,
       .caption = "Replay"},
      {.name = "a bar without a meeting shows none",
       .events = {open, {E::Key, KeyPart::Bars, "Home"}, enter},
       .state = ChartState::Distribution,
       .chosen = 0},
      {.name = "Esc goes back from a meeting",
       .events = {open, bars, enter, {E::Key, KeyPart::Replay, "Esc"}},
       .state = ChartState::Distribution,
       .chosen = highest},
      {.name = "Esc closes the distribution",
       .events = {open, {E::Key, KeyPart::Chart, "Esc"}},
       .state = ChartState::Closed},
      {.name = "Backspace does not close the distribution",
       .events = {open, {E::Key, KeyPart::Chart, "Backspace"}},
       .state = ChartState::Distribution},
      {.name = "a replay plays by the clock",
       .events = {open, bars, enter, {E::Replay, {}, {}, 1000}, {E::Tick, {}, {}, 3000}},
       .state = ChartState::Replaying,
       .shown = 50,
       .caption = "Pause"},
      {.name = "a replay ends with the last guest",
       .events = {open, bars, enter, {E::Replay, {}, {}, 1000}, {E::Tick, {}, {}, 5000}},
       .state = ChartState::Meeting,
       .shown = 100,
       .caption = "Replay"},
      {.name = "a paused replay resumes where it was",
       .events = {open,
                  bars,
                  enter,
                  {E::Replay, {}, {}, 0},
                  {E::Tick, {}, {}, 1000},
                  {E::Replay, {}, {}, 1000},
                  {E::Replay, {}, {}, 9000},
                  {E::Tick, {}, {}, 9500}},
       .state = ChartState::Replaying,
       .shown = 37},
      {.name = "a pause keeps its guests",
       .events = {open,
                  bars,
                  enter,
                  {E::Replay, {}, {}, 0},
                  {E::Tick, {}, {}, 1000},
                  {E::Replay, {}, {}, 1000},
                  {E::Tick, {}, {}, 3000}},
       .state = ChartState::Paused,
       .shown = 25,
       .caption = "Resume"},
      {.name = "a step from the whole walk starts at the first guest",
       .events = {open, bars, enter, {E::Key, KeyPart::Replay, "Right"}},
       .state = ChartState::Paused,
       .shown = 1},
      {.name = "a step pauses a replay and goes on by one",
       .events = {open,
                  bars,
                  enter,
                  {E::Replay, {}, {}, 0},
                  {E::Tick, {}, {}, 400},
                  {E::Key, KeyPart::Replay, "Right", 400}},
       .state = ChartState::Paused,
       .shown = 11},
      {.name = "Exit pauses a replay",
       .events = {open, bars, enter, {E::Replay, {}, {}, 0}, {E::Tick, {}, {}, 400}, {E::Exit}},
       .state = ChartState::Paused,
       .shown = 10,
       .caption = "Resume"},
      {.name = "Init shows no run",
       .events = {open, bars, enter, {E::Replay, {}, {}, 0}, {E::Init}},
       .state = ChartState::NoRun},
      {.name = "a run after Init shows again",
       .events = {open, {E::Init}, {E::Run}},
       .state = ChartState::Distribution,
       .coins = theory},
      {.name = "a new run starts from theory's 95 % and no bar",
       .events = {open, bars, {E::Key, KeyPart::Marker, "Home"}, {E::Run}},
       .state = ChartState::Distribution,
       .coins = theory,
       .chosen = -1},
      {.name = "Show chart on an open chart leaves it as it was",
       .events = {open, {E::Key, KeyPart::Marker, "Home"}, bars, enter, open},
       .state = ChartState::Meeting,
       .coins = 0},
      {.name = "the marker follows a drag a whole coin at a time",
       .events = {open, {E::Down, {}, {}, onMarker}, {E::Move, {}, {}, atTen}},
       .state = ChartState::Distribution,
       .coins = 10},
      {.name = "a drag ends when the pointer lets go",
       .events = {open, {E::Down, {}, {}, onMarker}, {E::Up}, {E::Move, {}, {}, atTen}},
       .state = ChartState::Distribution,
       .coins = theory},
      {.name = "a press on a bar shows its meeting",
       .events = {open, {E::Down, {}, {}, onHighest}},
       .state = ChartState::Meeting,
       .chosen = highest},
      {.name = "a press left of the plot does nothing",
       .events = {open, {E::Down, {}, {}, at.Plot().left - 5}},
       .state = ChartState::Distribution,
       .chosen = -1},
  };
  for (const Row& row : rows) {
    ChartModel chart;
    for (const Event& event : row.events)
      Apply(chart, event);
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(StateName(chart.State()), StateName(row.state));
    if (row.coins >= 0) {
      EXPECT_EQ(chart.Coins(), row.coins);
    }
    if (row.chosen >= -1) {
      EXPECT_EQ(chart.ChosenBar(), row.chosen);
    }
    if (row.shown >= 0) {
      EXPECT_EQ(chart.GuestsShown(), row.shown);
    }
    if (row.caption) {
      EXPECT_EQ(chart.ReplayCaption(), row.caption);
    }
  }
}

// What the edition is asked to do beyond drawing: focus, close, copy, and what is said.
TEST(ChartModelTest, OutcomesAskTheEditionForFocusClosingCopiesAndWords) {
  ChartModel chart;
  using E = Event;
  EXPECT_EQ(Apply(chart, {E::Open}).focus, KeyPart::Bars);
  EXPECT_TRUE(Apply(chart, {E::Key, KeyPart::Marker, "C"}) == ChartOutcome{});
  EXPECT_TRUE(chart.Key(KeyPart::Bars, {"C", true}, 0).copyPicture);
  Apply(chart, {E::FocusBars});
  EXPECT_EQ(Apply(chart, {E::Key, KeyPart::Bars, "Enter"}).focus, KeyPart::Replay);
  EXPECT_TRUE(chart.Name().starts_with("Meeting ")) << chart.Name();
  EXPECT_EQ(Apply(chart, {E::Replay, {}, {}, 0}).say, "Before guest 1: balance 0");
  // While it plays, it speaks once a second at most, and at its end.
  EXPECT_EQ(Apply(chart, {E::Tick, {}, {}, 500}).say, "");
  EXPECT_TRUE(Apply(chart, {E::Tick, {}, {}, 1000}).say.starts_with("After guest 25 of 100:"));
  EXPECT_EQ(Apply(chart, {E::Tick, {}, {}, 1500}).say, "");
  EXPECT_TRUE(Apply(chart, {E::Tick, {}, {}, 4000}).say.starts_with("After guest 100 of 100:"));
  EXPECT_EQ(Apply(chart, {E::Key, KeyPart::Replay, "Esc"}).focus, KeyPart::Bars);
  EXPECT_EQ(Apply(chart, {E::Key, KeyPart::Table, "G", 0, true}).command, Command::ShowChart);
  EXPECT_TRUE(Apply(chart, {E::Close}).close);
  EXPECT_FALSE(Apply(chart, {E::Close}).close);
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
  ChartModel chart;
  Apply(chart, {Event::Open});
  Apply(chart, {Event::FocusBars});
  for (const std::string& name : expected) {
    Apply(chart, {Event::Key, KeyPart::Bars, "Space"});
    EXPECT_EQ(chart.Name(), name);
    Apply(chart, {Event::Back});
  }
  Apply(chart, {Event::Run});
  Apply(chart, {Event::FocusBars});
  Apply(chart, {Event::Key, KeyPart::Bars, "Enter"});
  EXPECT_EQ(chart.Name(), expected.front());
}

TEST(ChartGeometryTest, MarkersStandAtTheLeftEdgeOfTheirValuesBar) {
  // 10 guests: bars from -10 to +1.
  const ShortageChart run = ChartOf(ShortageDistribution(10), std::vector<std::int16_t>{-2, 0}, -1);
  struct Row {
    Size size;
    Box plot;
  };
  const Row rows[] = {{.size = {640, 480}, .plot = {70, 56, 554, 316}},
                      {.size = {1280, 480}, .plot = {70, 56, 1194, 316}},
                      {.size = {320, 240}, .plot = {35, 28, 277, 158}}};
  for (const Row& row : rows) {
    const DistributionGeometry at(run, row.size);
    SCOPED_TRACE(row.size.width);
    EXPECT_DOUBLE_EQ(at.Plot().left, row.plot.left);
    EXPECT_DOUBLE_EQ(at.Plot().top, row.plot.top);
    EXPECT_DOUBLE_EQ(at.Plot().width, row.plot.width);
    EXPECT_DOUBLE_EQ(at.Plot().height, row.plot.height);
    const double band = row.plot.width / 12;
    EXPECT_DOUBLE_EQ(at.CoinsX(10), row.plot.left);
    EXPECT_DOUBLE_EQ(at.CoinsX(0), row.plot.left + 10 * band);
    for (int coins = 0; coins <= 10; ++coins) {
      EXPECT_EQ(at.CoinsAt(at.CoinsX(coins) - 0.4 * band), coins);
      EXPECT_EQ(at.CoinsAt(at.CoinsX(coins) + 0.4 * band), coins);
      EXPECT_EQ(at.BarAt({at.CoinsX(coins) + 1, row.plot.top + 1}), 10 - coins);
    }
    EXPECT_EQ(at.CoinsAt(-1000), 10);
    EXPECT_EQ(at.CoinsAt(9999), 0);
    EXPECT_EQ(at.BarAt({row.plot.left - 1, row.plot.top + 1}), -1);
    EXPECT_EQ(at.BarAt({row.plot.left + 1, row.plot.top - 1}), -1);
    EXPECT_TRUE(at.OnMarker({at.CoinsX(3) + DistributionGeometry::kGrabDistance, 100}, 3));
    EXPECT_FALSE(at.OnMarker({at.CoinsX(3) + DistributionGeometry::kGrabDistance + 1, 100}, 3));
  }
}

// Every shape of a scene, a line each, its figures to a tenth of a pixel.
std::string SceneText(const ChartScene& scene) {
  std::string text;
  const auto number = [](double value) {
    char written[32];
    std::snprintf(written, sizeof written, "%.1f", value + 0.0);
    return std::string(written);
  };
  const auto colour = [](const Colour& c) {
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + (c.alpha < 1 ? ",clear" : "") + ")";
  };
  const auto stroke = [&](const Stroke& s) {
    return colour(s.colour) + " w" + number(s.width) +
           (s.Dashed() ? " dash " + number(s.dash[0]) + "," + number(s.dash[1]) : "");
  };
  const auto point = [&](Point p) { return number(p.x) + "," + number(p.y); };
  const auto box = [&](const Box& b) {
    return point({b.left, b.top}) + " " + number(b.width) + "x" + number(b.height);
  };
  struct Writer {
    std::string& text;
    decltype(stroke)& strokeOf;
    decltype(point)& pointOf;
    decltype(box)& boxOf;
    decltype(colour)& colourOf;
    decltype(number)& numberOf;
    void operator()(const LineShape& s) {
      text += std::string("line ") + s.role + " " + pointOf(s.from) + " " + pointOf(s.to) + " " +
              strokeOf(s.stroke) + "\n";
    }
    void operator()(const PathShape& s) {
      text.append("path ").append(s.role).append(" ").append(strokeOf(s.stroke));
      for (const Point p : s.points)
        text.append(" ").append(pointOf(p));
      text.append("\n");
    }
    void operator()(const RectShape& s) {
      text += std::string("rect ") + s.role + " " + boxOf(s.box) + " " + colourOf(s.fill) + " " +
              strokeOf(s.edge) + "\n";
    }
    void operator()(const CircleShape& s) {
      text += std::string("circle ") + s.role + " " + pointOf(s.centre) + " r" +
              numberOf(s.radius) + " " + colourOf(s.fill) + "\n";
    }
    void operator()(const TextShape& s) {
      constexpr const char* kAnchors[] = {"start", "middle", "end"};
      text += std::string("text ") + s.role + " " + pointOf(s.at) + " " + numberOf(s.pixels) +
              "px" + (s.bold ? " bold " : " ") + kAnchors[int(s.anchor)] +
              (s.upright ? " upright " : " ") + colourOf(s.colour) + " \"" + s.text + "\"\n";
    }
  };
  Writer writer{text, stroke, point, box, colour, number};
  for (const auto* part : {&scene.back, &scene.bars, &scene.marker, &scene.front}) {
    for (const Shape& shape : *part)
      std::visit(writer, shape);
    if (part == &scene.bars)
      for (const BarChoice& choice : scene.choices)
        text += "choice " + std::to_string(choice.value) + " " + box(choice.band) + " \"" +
                choice.toolTip + "\"\n";
  }
  return text;
}

// What the chart draws of a seeded run, to the tenth of a pixel, in its looks and words: the
// WebAssembly build runs this test too, so the page draws what the desktop draws.
TEST(ChartSceneTest, TheSeededRunIsDrawnAlikeOnEveryBuild) {
  SeededRun& run = Seeded();
  ChartModel chart;
  chart.Open(run.figures, run.Meetings());
  chart.Resize({560, 420});
  chart.Key(KeyPart::Marker, {"Home"}, 0);
  for (int coins = 0; coins < 10; ++coins)
    chart.Key(KeyPart::Marker, {"Left"}, 0);
  chart.FocusBars();
  EXPECT_EQ(CompareWithGoldenText("chart-distribution", SceneText(chart.Scene(FixedWidth))), "");
  chart.Key(KeyPart::Bars, {"Enter"}, 0);
  EXPECT_EQ(CompareWithGoldenText("chart-meeting", SceneText(chart.Scene(FixedWidth))), "");
  chart.Key(KeyPart::Replay, {"Right"}, 0);
  EXPECT_EQ(CompareWithGoldenText("chart-meeting-first-guest", SceneText(chart.Scene(FixedWidth))),
            "");
  chart.Init();
  EXPECT_EQ(CompareWithGoldenText("chart-no-run", SceneText(chart.Scene(FixedWidth))), "");
}

// A title too wide for the drawing shrinks to fit it; the lowest point's label stays inside
// the plot however near its edge the point is.
TEST(ChartSceneTest, TextsStayInsideTheDrawing) {
  const auto find = [](const ChartScene& scene, std::string_view role) -> const TextShape* {
    for (const auto* part : {&scene.back, &scene.front})
      for (const Shape& shape : *part)
        if (const auto* text = std::get_if<TextShape>(&shape); text && text->role == role)
          return text;
    return nullptr;
  };
  for (const Size size : {Size{640, 480}, Size{300, 200}}) {
    const ChartScene scene = NoRunScene(size, FixedWidth);
    const TextShape* title = find(scene, "chart-title");
    ASSERT_NE(title, nullptr);
    EXPECT_LE(FixedWidth(title->text, title->pixels, true),
              size.width - 16 * TextScale(size) + 1e-9)
        << size.width;
  }
  // Lowest after the first guest and after the last: at either edge of the plot.
  MeetingWalk first{.experiment = 1,
                    .guestCount = 10,
                    .balances = {-1, 0, 1, 2, 1, 2, 3, 2, 1, 0},
                    .lowest = -1,
                    .lowestGuest = 1};
  MeetingWalk last{.experiment = 2,
                   .guestCount = 10,
                   .balances = {1, 0, 1, 0, -1, 0, -1, -2, -1, -3},
                   .lowest = -3,
                   .lowestGuest = 10};
  for (const MeetingWalk& walk : {first, last}) {
    const ChartScene scene = MeetingScene(walk, 2, 10, kStandardChartSize, FixedWidth);
    const Box plot = MeetingGeometry(walk, kStandardChartSize).Plot();
    const TextShape* label = find(scene, "lowest-label");
    ASSERT_NE(label, nullptr) << walk.experiment;
    const double half = FixedWidth(label->text, label->pixels, true) / 2;
    EXPECT_GE(label->at.x - half, plot.left) << walk.experiment;
    EXPECT_LE(label->at.x + half, plot.Right()) << walk.experiment;
  }
}

}  // namespace
}  // namespace ombrix
