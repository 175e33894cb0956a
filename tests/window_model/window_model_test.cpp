// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "catalogue.h"
#include "chart_texts.h"
#include "dialog_layouts.h"
#include "golden_text.h"
#include "help_window_layout.h"
#include "main_window_layout.h"
#include "meeting_texts.h"
#include "run_notes.h"
#include "shortage_chart.h"
#include "shortage_run.h"

namespace ombrix {
namespace {

using testing::CompareWithGoldenText;

// A run made by hand: its values recorded as the engine records them.
ShortageRun RunOf(int guests, const std::vector<std::int16_t>& values) {
  ShortageRun run{.guestCount = guests, .experimentCount = static_cast<int>(values.size())};
  for (std::size_t k = 0; k < values.size(); ++k) {
    run.values[k] = values[k];
    run.sum += values[k];
    run.table.Record(values[k]);
  }
  run.average = static_cast<float>(run.sum) / run.experimentCount;
  return run;
}

// The language of the first of the user's languages that a catalogue is built for, named as a
// locale or a BCP 47 tag; else English. Switching goes through every built one and back.
TEST(CatalogueTest, TheFirstBuiltOfTheUsersLanguagesIsChosenElseEnglish) {
  const struct {
    std::vector<std::string_view> wanted;
    std::string_view chosen;
  } rows[] = {
      {{"ja_JP.UTF-8"}, "ja"}, {{"ja-JP"}, "ja"},       {{"JA"}, "ja"},
      {{"fr", "ja"}, "ja"},    {{"en-GB", "ja"}, "en"}, {{"ja@euro"}, "ja"},
      {{"jav", "fr"}, "en"},   {{"C"}, "en"},           {{}, "en"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(PreferredCatalogue(row.wanted).language, row.chosen)
        << ::testing::PrintToString(row.wanted);
  std::vector<std::string_view> visited;
  for (const Catalogue* built [[maybe_unused]] : BuiltCatalogues()) {
    UseCatalogue(NextCatalogue());
    visited.push_back(CurrentCatalogue().language);
  }
  EXPECT_EQ(visited, (std::vector<std::string_view>{"ja", "en"}));
}

// Every object name that a screen reader, a tool or a test sees, as the constants the code
// and the tests name the controls by give it: a wrong constant cannot hide behind them.
TEST(ObjectNamesTest, EachRoleKeepsItsName) {
  using Main = MainWindowLayout;
  using Chart = ChartWindowNames;
  const auto n = [](std::string_view name) { return std::string(name); };
  const auto table = Main::TableRows();  // a row of headers over a row of counts, each named
  // clang-format off
  struct Row { std::string constant, name; };
  const Row rows[] = {
      {Main::Window().name, "Form1"}, {n(Main::kStart), "Command1"}, {n(Main::kExit), "Command2"},
      {n(Main::kInit), "Command3"}, {n(Main::kHelp), "Command4"}, {n(Main::kGuestCount), "Label82"},
      {n(Main::kExperimentCount), "Label2"}, {n(Main::kAverage), "Label3"},
      {n(Main::kCuePlayer), "MMControl1"}, {Main::CellName(1), "dosu(1)"}, {Main::CellName(63), "dosu(63)"},
      {n(Main::kShowChart.name), "ShowChart"}, {n(Main::kCopyTable.name), "CopyTable"},
      {table[0].names[1], "Label7"}, {table[1].names[0], "Label6"}, {table[13].names[9], "dosu(63)"},
      {HelpWindowLayout::Window().name, "Form2"}, {n(HelpWindowLayout::kClose), "Command1"},
      {n(HelpWindowLayout::kText), "Picture1"}, {n(InputBoxLayout::kAnswer), "Answer"},
      {n(InputBoxLayout::kCancel), "Cancel"}, {n(MessageBoxLayout::kOk), "Ok"},
      {ChartWindowSpec().name, "Chart"}, {n(Chart::kDrawing), "Drawing"},
      {n(Chart::kCoins), "CoinsToPrepare"}, {n(Chart::kMeeting), "Meeting"},
      {n(Chart::kReplay), "Replay"}, {n(Chart::kStep), "Step"}, {n(Chart::kBack), "Back"}};
  // clang-format on
  for (const Row& row : rows)
    EXPECT_EQ(row.constant, row.name) << "the constant for " << row.name;
}

// Words a student reads: plurals that agree, and averages as a person writes them, with the
// same decimals side by side.
TEST(ChartTextsTest, TitlesAndMarkersReadAsSentences) {
  // clang-format off
  struct Row {
    int guests; std::vector<std::int16_t> values; float average; const char *title, *coinsByRun;
  };
  const Row rows[] = {
      {1, {-1}, -1.0f, "1 guest, 1 experiment: average -1.00, exact expected average 0.00",
       "This run: 1 coin covers 95 %"},
      {10, {-1, 0}, -0.5f, "10 guests, 2 experiments: average -0.50, exact expected average -1.96",
       "This run: 1 coin covers 95 %"},
      {10, {0, 0, 0}, -0.001f, "10 guests, 3 experiments: average 0.00, exact expected average -1.96",
       "This run: 0 coins cover 95 %"}};
  // clang-format on
  for (const auto& [guests, values, average, title, marker] : rows) {
    const ChartTexts texts = TextsOf(ChartOf(ShortageDistribution(guests), values, average));
    EXPECT_EQ(texts.title + " | " + texts.coinsByRun, std::string(title) + " | " + marker);
  }
  const ChartTexts one =
      TextsOf(ChartOf(ShortageDistribution(1), std::vector<std::int16_t>{-1}, -1));
  EXPECT_EQ(one.name, "Chart: 1 guest, 1 experiment");
  EXPECT_EQ(one.coinsByTheory, "Theory: 1 coin covers 95 %");
  EXPECT_TRUE(one.description.ends_with("prepare 1 coin by this run, 1 by theory."));

  // The coins marker never rounds a share to look certain; the scripted runs' golden texts
  // below hold its other sentences and the bars' tooltips.
  std::vector<std::int16_t> allButOneShort(1999, -1);
  allButOneShort.push_back(0);
  EXPECT_EQ(CoinsMarkerText(ChartOf(ShortageDistribution(10), allButOneShort, -1), 0),
            "Prepare 0 coins: short in over 99.9 % of these meetings, 75.4 % by theory");
}

// A meeting in words: its caption, the coins it needed, and a replay's running figures.
TEST(MeetingTextsTest, CaptionsDescriptionsAndReplayStatusReadAsSentences) {
  MeetingWalk walk{.experiment = 4711, .guestCount = 5, .lowest = -2, .lowestGuest = 3};
  std::ranges::copy(std::vector<std::int16_t>{-1, 0, -2, -1, -2}, walk.balances.begin());
  // Its caption and label are in the chart's golden scenes.
  EXPECT_TRUE(TextsOf(walk, 10000)
                  .description.ends_with("It is lowest, -2, first after guest 3: 2 coins prepared "
                                         "would have been just enough."));
  // clang-format off
  struct Status { int guests; const char* text; };
  const Status status[] = {
      {0, "Before guest 1: balance 0"}, {2, "After guest 2 of 5: balance 0, lowest so far -1"},
      {4, "After guest 4 of 5: balance -1, lowest so far -2"},
      {9, "After guest 5 of 5: balance -2, lowest so far -2"}};
  // clang-format on
  for (const auto& [guests, text] : status)
    EXPECT_EQ(ReplayStatus(walk, guests), text) << guests << " guests shown";
  const MeetingWalk up{
      .experiment = 1, .guestCount = 1, .balances = {1}, .lowest = 1, .lowestGuest = 1};
  EXPECT_TRUE(TextsOf(up, 1).description.ends_with("after guest 1: no coin prepared was needed."));
}

// Every word three scripted runs put beside their tables: the tooltips, the copied table (a
// header line, a line a cell, then the settings, the average and the coins) and the chart's
// texts, against a golden text of each run's. The WebAssembly build runs this test too, so
// the browser shows the desktop's texts to the digit, roundings included.
TEST(RunNotesTest, EveryNoteOfThreeScriptedRunsIsTheSameOnEveryBuild) {
  std::vector<std::pair<int, std::vector<std::int16_t>>> runs = {{10, {-2, -2, 0, 1}}};
  // Spread over the values each guest count reaches, open ends included for 1000 guests: its
  // coins by this run, 71, lie beyond the table's last value, so the tooltip, the copy and the
  // chart count them on the experiments' own values, not on the table's cells.
  struct Spread {
    int guests, experiments, values;
  };
  for (const auto& [guests, experiments, spread] : {Spread{100, 1000, 37}, {1000, 10000, 90}}) {
    std::vector<std::int16_t> values;
    for (int k = 0; k < experiments; ++k)
      values.push_back(static_cast<std::int16_t>(1 - (k * 7919 + k * k) % spread));
    runs.emplace_back(guests, values);
  }
  const auto exponent = [](unsigned char a, char b) { return std::isdigit(a) && b == 'e'; };
  for (std::size_t k = 0; k < runs.size(); ++k) {
    const RunReport report(RunOf(runs[k].first, runs[k].second));
    const RunNotes run(report);
    std::string notes;
    for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
      notes += run.CellToolTip(bin) + "\n";
    const std::string copied = run.TabSeparated();
    notes += run.Finished() + "\n" + run.AverageToolTip() + "\n" + copied;
    // The copied expected counts stay plain decimals, which a spreadsheet reads as numbers.
    EXPECT_EQ(std::adjacent_find(copied.begin(), copied.end(), exponent), copied.end());
    const ShortageChart figures = ChartOf(report.law, report.run.Values(), report.run.average);
    const ChartTexts chart = TextsOf(figures);
    for (const std::string& text :
         {chart.title, chart.name, chart.description, chart.coinsByRun, chart.coinsByTheory})
      notes += text + "\n";
    for (int bar = 0; bar < figures.BarCount(); ++bar)
      notes += BarToolTip(figures, bar) + "\n";
    for (int coins = 0; coins <= figures.MostCoins(); ++coins)
      notes += CoinsMarkerDescription(figures, coins) + "\n";
    EXPECT_EQ(
        CompareWithGoldenText("run-notes-" + std::to_string(runs[k].first) + "-guests", notes), "");
  }
  // Whole ones have no period.
  const RunReport whole(RunOf(10, std::vector<std::int16_t>(1024, 0)));
  EXPECT_NE(RunNotes(whole).TabSeparated().find("\n-10\t0\t1\n"), std::string::npos);
}

}  // namespace
}  // namespace ombrix
