// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "chart_texts.h"
#include "help_window_layout.h"
#include "main_window_layout.h"
#include "number_text.h"
#include "run_notes.h"
#include "shortage_chart.h"
#include "shortage_run.h"
#include "table_texts.h"

namespace ombrix {
namespace {

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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
    end = text.find('\n', at);
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

TEST(TableTextsTest, EachBinIsNamedCaptionedAndSpokenByItsValues) {
  const struct {
    int bin;
    const char *name, *header, *spoken;
  } rows[] = {{1, "-58 or less", "\uFF5E  -57", "shortage -58 or less: 7 experiments"},
              {2, "-57", "-57", "shortage -57: 7 experiments"},
              {52, "-7", "-7", "shortage -7: 7 experiments"},
              {59, "0", "0", "shortage 0: 7 experiments"},
              {62, "3", "3", "shortage 3: 7 experiments"},
              {63, "4 or more", "3  \uFF5E", "shortage 4 or more: 7 experiments"}};
  for (const auto& row : rows) {
    EXPECT_EQ(BinName(row.bin), row.name);
    EXPECT_EQ(HeaderCaption(row.bin), row.header);
    EXPECT_EQ(SpokenCell(row.bin, "7"), row.spoken);
  }
  EXPECT_EQ(SpokenCell(56, "1"), "shortage -3: 1 experiment");
  EXPECT_EQ(SpokenCell(56, "0"), "shortage -3: 0 experiments");
  EXPECT_EQ(SpokenCell(56, ""), "shortage -3: no count");
}

// The controls the windows' commands reach by role, with the captions a user sees on them,
// and every object name once.
TEST(LayoutTest, RolesNameTheirControlsAndEveryNameIsUnique) {
  std::map<std::string, std::string> captions;
  for (const ControlSpec& control : MainWindowLayout::Controls())
    EXPECT_TRUE(captions.emplace(control.name, control.caption).second) << control.name;
  const std::pair<std::string_view, const char*> roles[] = {
      {MainWindowLayout::kStart, "Experiment Start"},
      {MainWindowLayout::kExit, "Exit"},
      {MainWindowLayout::kInit, "Init"},
      {MainWindowLayout::kHelp, "Help"},
      {MainWindowLayout::kGuestCount, ""},
      {MainWindowLayout::kAverage, ""},
      {MainWindowLayout::kExperimentCount, ""},
      {MainWindowLayout::kCuePlayer, ""}};
  for (const auto& [name, caption] : roles)
    EXPECT_EQ(captions.at(std::string(name)), caption) << name;
  EXPECT_EQ(captions.at("Label83"), "Number of guests");
  EXPECT_EQ(captions.at("Label1"), "Number of experiments");
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    EXPECT_EQ(captions.count(MainWindowLayout::CellName(bin)), 1u) << bin;
  EXPECT_EQ(captions.size(),
            13u + 2u * MainWindowLayout::kRows + 2u * MainWindowLayout::kCellCount);

  std::set<std::string> help;
  for (const ControlSpec& control : HelpWindowLayout::Controls())
    help.insert(control.name);
  EXPECT_EQ(help, (std::set<std::string>{"Command1", "Line1", "Picture1"}));
}

// Each header stands over its cell, in the row and column of the bin's place in the grid.
TEST(LayoutTest, CellsFillTheGridRowByRowUnderTheirHeaders) {
  std::map<std::string, ControlSpec> controls;
  for (const ControlSpec& control : MainWindowLayout::Controls())
    controls.emplace(control.name, control);
  const struct {
    int bin, left, top;
    const char* header;
  } rows[] = {{1, 1560, 960, "Label7"},
              {9, 7320, 960, "Label15"},
              {10, 1560, 1800, "Label28"},
              {58, 3720, 6000, "Label76"},
              {63, 7320, 6000, "Label81"}};
  for (const auto& row : rows) {
    const ControlSpec& cell = controls.at(MainWindowLayout::CellName(row.bin));
    const ControlSpec& header = controls.at(row.header);
    EXPECT_EQ(cell.rect.left, row.left) << row.bin;
    EXPECT_EQ(cell.rect.top, row.top) << row.bin;
    EXPECT_EQ(header.rect.left, row.left) << row.bin;
    EXPECT_EQ(header.rect.top, row.top - 360) << row.bin;
    EXPECT_EQ(header.caption, HeaderCaption(row.bin));
    EXPECT_EQ(cell.describe("12"), SpokenCell(row.bin, "12"));
  }
}

TEST(NumberTextTest, FixedPlainDecimalsAndPlurals) {
  const struct {
    double value;
    int significant;
    const char* text;
  } rows[] = {{0.0000272664321, 6, "0.0000272664"},
              {57.95842, 6, "57.9584"},
              {-7.458924, 6, "-7.45892"},
              {1000, 6, "1000"},
              {0.5, 3, "0.5"},
              {0, 6, "0"},
              {123456789, 3, "123456789"},
              {9.9996, 4, "10"}};
  for (const auto& row : rows)
    EXPECT_EQ(PlainDecimal(row.value, row.significant), row.text) << row.value;
  EXPECT_EQ(Fixed(-1.9612, 2), "-1.96");
  EXPECT_EQ(Fixed(0.004, 2), "0.00");
  EXPECT_EQ(Fixed(2.5, 0), "2");
  EXPECT_EQ(Plural(1, "coin"), "1 coin");
  EXPECT_EQ(Plural(0, "coin"), "0 coins");
  EXPECT_EQ(Plural(2, "guest"), "2 guests");
}

TEST(RunNotesTest, TooltipsTellTheObservedAndExpectedCountOfEachCell) {
  const RunReport report(RunOf(10, {-2, -2, 0, 1}));
  const RunNotes notes(report);
  const struct {
    int bin;
    const char* tip;
  } rows[] = {
      {57, "Shortage -2\nObserved: 2 experiments\nExpected: 0.82 of 4 (probability 20.5 %)"},
      {60, "Shortage 1\nObserved: 1 experiment\nExpected: 0.49 of 4 (probability 12.3 %)"},
      {49,
       "Shortage -10\nObserved: 0 experiments\nExpected: less than 0.01 of 4 (probability "
       "0.0977 %)"},
      {48, "Shortage -11\nObserved: 0 experiments\nExpected: 0 (cannot occur with 10 guests)"},
      {1,
       "Shortage -58 or less\nObserved: 0 experiments\nExpected: 0 (cannot occur with 10 "
       "guests)"},
      {63,
       "Shortage 4 or more\nObserved: 0 experiments\nExpected: 0 (cannot occur with 10 "
       "guests)"}};
  for (const auto& row : rows)
    EXPECT_EQ(notes.CellToolTip(row.bin), row.tip) << row.bin;
  EXPECT_EQ(notes.AverageToolTip(),
            "Expected average for 10 guests: -1.96\nCoins to prepare to run short in at most 5 % "
            "of meetings: 2 by this run, 6 by theory");
}

// A run whose 95 % lie beyond the table's last own value says so rather than a number.
TEST(RunNotesTest, CoinsBeyondTheTableAreToldAsARange) {
  const RunReport report(RunOf(100, {-60, -58, 0}));
  EXPECT_TRUE(
      RunNotes(report).AverageToolTip().ends_with(": 58 or more by this run, 19 by theory"));
}

TEST(RunNotesTest, TheCopiedTableHasALineForEachCellThenTheSettingsAndTheAverage) {
  const RunReport report(RunOf(100, {-7, -7, -3, -1, 0}));
  const std::vector<std::string> lines = Lines(RunNotes(report).TabSeparated());
  ASSERT_EQ(lines.size(), 67u);
  EXPECT_EQ(lines[0], "Shortage\tObserved\tExpected");
  EXPECT_EQ(lines[1], "-58 or less\t0\t0.0000000136332");
  EXPECT_EQ(lines[52], "-7\t2\t0.289792");
  EXPECT_EQ(lines[63], "4 or more\t0\t0");
  EXPECT_EQ(lines[64], "Number of guests\t100");
  EXPECT_EQ(lines[65], "Number of experiments\t5");
  EXPECT_EQ(lines[66], "Average of shortage\t-3.6\t-7.45892");
  // Tiny expected counts stay plain decimals, which a spreadsheet reads as numbers.
  for (const std::string& line : lines)
    EXPECT_FALSE(std::regex_search(line, std::regex("\\d[eE][-+]?\\d"))) << line;
}

TEST(ChartTextsTest, TitleLegendsAndDescriptionOfARun) {
  const ShortageDistribution law(10);
  const std::vector<std::int16_t> values = {-2, -2, 0, 1};
  const ChartTexts texts = TextsOf(ChartOf(law, values, -0.75f));
  EXPECT_EQ(texts.title, "Guests 10, experiments 4: average -.8, exact expected average -1.96");
  EXPECT_EQ(texts.name, "Chart: guests 10, experiments 4");
  EXPECT_EQ(texts.coinsByRun, "This run: 2 coins cover 95 %");
  EXPECT_EQ(texts.coinsByTheory, "Theory: 6 coins cover 95 %");
  EXPECT_EQ(texts.description,
            "Bars for the lowest coin balances from -9 to 1, with how many meetings reached each; "
            "a line with how many theory expects. Average -.8, exact expected average -1.96. To "
            "run short in at most 5 % of meetings, prepare 2 coins by this run, 6 by theory.");
  EXPECT_EQ(NoRunTexts().name, "Chart: no run shown");
}

}  // namespace
}  // namespace ombrix
