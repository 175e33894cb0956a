// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "ask_settings.h"
#include "frequency_table.h"
#include "random_generator.h"
#include "read_number.h"
#include "shortage_chart.h"
#include "shortage_distribution.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

TEST(ReadNumberTest, ReadsTheNumberAtTheStartOfAnyText) {
  const std::string huge(4'000'000, '9');  // linear time, or the test times out

  // clang-format off
  const struct {
    std::string text;
    double value;
  } rows[] = {
      {"100", 100}, {"12abc", 12}, {"  5", 5}, {"1e3", 1000}, {"-3", -3}, {"10.7", 10.7},
      {"1,000", 1}, {"abc", 0}, {"", 0}, {"1 0\t0\n", 100}, {"- .5", -0.5}, {"1.2.3", 1.2},
      {"2.5E-1", 0.25}, {"1e", 1}, {"1d3", 1}, {"--5", 0}, {"&H3E8", 1000}, {"&hff", 255},
      {"&O17", 15}, {"&O8", 0}, {"-&H10", 0}, {"&H10064", 65636}, {"\uFF11\uFF10", 0},
      {"1\u3000000", 1}, {"1e309", HUGE_VAL}, {"-1e99999999999", -HUGE_VAL}, {"1e-400", 0},
      {huge, HUGE_VAL}, {std::string(huge.size(), ' ') + "7", 7},
      {std::string("0.").append(500, '0') + "1e501", 1}};
  for (const auto& [text, value] : rows)
    EXPECT_EQ(ReadNumber(text), value) << text.substr(0, 30);
}

// Answers the input dialogs from a list; a refusal shows as a second dialog.
struct ScriptedDialogs : SettingsDialogs {
  std::string InputBox(std::string_view, std::string_view, std::string_view) override {
    return answers.at(next++);
  }
  std::int16_t MsgBox(std::string_view prompt, std::string_view, int) override {
    log += "message " + std::string(prompt) + "\n";
    return 1;
  }
  void ShowCount(std::string_view label, std::string_view text) override {
    log += std::string(label) + " " + std::string(text) + "\n";
  }
  std::vector<std::string> answers;
  std::size_t next = 0;
  std::string log;
};

TEST(AskCountTest, AcceptsTheFloorOfAnAnswerWithinTheInclusiveBounds) {
  constexpr int kAgain = 77;
  // clang-format off
  const struct {
    const char* answer;
    int guests, experiments;
  } rows[] = {
      {"10", 10, 10}, {"1000", 1000, 1000}, {"9.999", kAgain, 9}, {"1000.01", kAgain, 1000},
      {"999.9", 999, 999}, {"1", kAgain, 1}, {"10000", kAgain, 10000}, {"0.999", kAgain, kAgain},
      {"10000.01", kAgain, kAgain}, {"-3", kAgain, kAgain}, {"&H3E9", kAgain, 1001},
      {"65636", kAgain, kAgain}, {"   ", kAgain, kAgain}};
  // clang-format on
  for (const auto& row : rows) {
    for (const auto& [dialog, accepted] :
         {std::pair{kGuestsDialog, row.guests}, std::pair{kExperimentsDialog, row.experiments}}) {
      ExperimentSettings settings;
      ScriptedDialogs dialogs;
      dialogs.answers = {row.answer, "77"};
      EXPECT_EQ(AskCount(dialogs, settings, dialog, "t"), accepted)
          << row.answer << " to " << dialog.prompt;
    }
  }
}

// Both dialogs in turn, each count stored and shown at once in its own label; an empty answer
// ends the asking with what was accepted before it kept.
TEST(AskExperimentSettingsTest, StoresAndShowsEachCountUntilAnEmptyAnswer) {
  const struct {
    std::vector<std::string> answers;
    Flow flow;
    std::int16_t guests, experiments;
    std::string log;
  } rows[] = {
      {{"250", "42"}, Flow::Continue, 250, 42, "Label82 250\nLabel2 42\n"},
      {{"5", "1000", "10001", "10000"},
       Flow::Continue,
       1000,
       10000,
       "Label82 1000\nLabel2 10000\n"},
      {{"30", ""}, Flow::EndProgram, 30, 0, "Label82 30\nmessage This software will exit.\n"},
      {{""}, Flow::EndProgram, 0, 0, "message This software will exit.\n"}};
  for (const auto& row : rows) {
    ExperimentSettings settings;
    ScriptedDialogs dialogs;
    dialogs.answers = row.answers;
    EXPECT_EQ(AskExperimentSettings(dialogs, settings, SettingsVariant::Init), row.flow);
    EXPECT_EQ(settings.GuestCount, row.guests) << row.answers[0];
    EXPECT_EQ(settings.ExperimentCount, row.experiments) << row.answers[0];
    EXPECT_EQ(dialogs.log, row.log);
  }
}

// The prompts promise the bounds that the dialogs keep.
TEST(AskExperimentSettingsTest, EachPromptNamesItsBounds) {
  for (const CountDialog& dialog : kSettingsDialogs) {
    const std::string bounds =
        std::to_string(dialog.lower) + " and " + std::to_string(dialog.upper) + " ...";
    EXPECT_TRUE(std::string(dialog.prompt).ends_with(bounds)) << dialog.prompt;
  }
}

// Hands out prepared draws and logs the calls: T a clock reading, R a reseed, D a draw.
struct ScriptedRandom {
  float Now() {
    log += 'T';
    return 1000.0f;
  }
  void Reseed(float) { log += 'R'; }
  float NextUniform() {
    log += 'D';
    return draws.at(next++ % draws.size());
  }
  std::vector<float> draws{};
  std::size_t next = 0;
  std::string log{};
};

std::vector<float> Tosses(const std::string& headsAndTails) {
  std::vector<float> draws;
  for (char toss : headsAndTails)
    draws.push_back(toss == 'H' ? 0.25f : 0.75f);
  return draws;
}

TEST(ShortageExperimentTest, EachMeetingYieldsTheLowestBalanceAfterAnyGuest) {
  // clang-format off
  const struct {
    std::vector<float> draws;
    int shortage;
  } meetings[] = {
      {Tosses("HTTTHTHHHT"), -2}, {Tosses(std::string(1000, 'H')), 1},
      {Tosses(std::string(1000, 'T')), -1000}, {Tosses("HTHTHTHTHTHTHTHTHTHT"), 0},
      {Tosses("THHHHHHHHH"), -1},
      // A draw of exactly 0.5 is tails, one just below it heads.
      {{0.5f, 0.0f, 0.49999997f, 0.5f, 0.5f, 0.99999994f, 0.5000001f, 0.5f, 0.1f, 0.5f}, -4}};
  // clang-format on
  for (const auto& [draws, shortage] : meetings) {
    ScriptedRandom random{.draws = draws};
    auto engine = std::make_unique<ShortageExperiment<ScriptedRandom>>(random);
    const auto guests = static_cast<std::int16_t>(draws.size());
    const std::string meeting = "TR" + std::string(guests, 'D');
    for (int repeat = 0; repeat < 2; ++repeat) {  // each run starts from scratch
      // Three meetings alike: each reseeds once from the clock before its first toss.
      random.log.clear();
      const ShortageRun run = engine->Run({.GuestCount = guests, .ExperimentCount = 3});
      EXPECT_EQ(random.log, meeting + meeting + meeting);
      EXPECT_EQ(run.Values().size(), 3u);
      EXPECT_EQ(run.Values().back(), shortage) << guests;
      EXPECT_EQ(run.sum, 3 * shortage);
      EXPECT_EQ(run.average, shortage);
      EXPECT_EQ(run.table.Count(FrequencyTable::BinOf(shortage)), 3);
    }
    EXPECT_THROW(engine->Run({.GuestCount = 9, .ExperimentCount = 3}), std::out_of_range);
    EXPECT_THROW(engine->Run({.GuestCount = 10, .ExperimentCount = 0}), std::out_of_range);
  }
}

TEST(FrequencyTableTest, BinsTheirValuesCellTextsAndTheAverageText) {
  // clang-format off
  const std::pair<int, int> bins[] = {{-1000, 1}, {-58, 1}, {-57, 2}, {-50, 9}, {-49, 10},
                                      {-1, 58}, {0, 59}, {1, 60}, {3, 62}, {4, 63}};
  using enum BinValues::Extent;
  const std::pair<int, BinValues> values[] = {
      {1, {-58, OrLess}}, {2, {-57, Single}}, {59, {0, Single}}, {62, {3, Single}},
      {63, {4, OrMore}}};
  const std::pair<float, const char*> averages[] = {
      {-11.84f, "-11.8"}, {1.0f, "1.0"}, {0.0f, ".0"}, {-0.5f, "-.5"}, {9.96f, "10.0"},
      {-1234567.0f, "-1234567.0"}, {-11.25f, "-11.3"}, {-11.65f, "-11.6"}, {0.05f, ".1"},
      {-0.04f, ".0"}};
  // clang-format on
  for (const auto& [value, bin] : bins)
    EXPECT_EQ(FrequencyTable::BinOf(value), bin) << value;
  for (const auto& [bin, held] : values)
    EXPECT_EQ(FrequencyTable::ValuesOf(bin), held) << bin;
  // Every bin holds what BinOf sends it, and the open ends everything beyond.
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    EXPECT_EQ(FrequencyTable::BinOf(FrequencyTable::ValuesOf(bin).value), bin);
  for (const auto& [average, text] : averages)
    EXPECT_EQ(AverageText(average), text) << average;
  FrequencyTable table;
  for (int i = 0; i < 10000; ++i)
    table.Record(-3);
  EXPECT_EQ(table.CellText(56), "10000");
  EXPECT_EQ(table.CellText(57), "0");
  for (const int outside : {0, FrequencyTable::kBinCount + 1}) {
    EXPECT_THROW(table.Count(outside), std::out_of_range);
    EXPECT_THROW(FrequencyTable::ValuesOf(outside), std::out_of_range);
  }
}

// Meetings that start within one tick of the clock reseed with the same value.
TEST(RandomGeneratorTest, AReseedWithTheSameValueContinuesDifferently) {
  RandomGenerator random(7, [] { return 43200.5f; });
  std::vector<float> draws[2];
  for (std::vector<float>& after : draws) {
    random.Reseed(random.Now());
    for (int i = 0; i < 100000; ++i)
      after.push_back(random.NextUniform());
  }
  EXPECT_NE(draws[0], draws[1]);
  EXPECT_NEAR(std::count_if(draws[0].begin(), draws[0].end(), [](float x) { return x < 0.5f; }),
              50000, 1000);
  EXPECT_GE(*std::min_element(draws[0].begin(), draws[0].end()), 0.0f);
  EXPECT_LT(*std::max_element(draws[0].begin(), draws[0].end()), 1.0f);
}

// How many of the 2^guests toss sequences end with each lowest balance, counted out one by one;
// entry value + guests.
std::vector<int> CountedLowestBalances(int guests) {
  std::vector<int> count(guests + 2);
  for (int tosses = 0; tosses < (1 << guests); ++tosses) {
    int balance = 0, lowest = guests;
    for (int i = 0; i < guests; ++i) {
      balance += (tosses >> i & 1) ? 1 : -1;
      lowest = std::min(lowest, balance);
    }
    ++count[lowest + guests];
  }
  return count;
}

TEST(ShortageDistributionTest, MatchesEveryTossSequenceAndTheKnownFigures) {
  for (int guests = 1; guests <= 12; ++guests) {
    const std::vector<int> count = CountedLowestBalances(guests);
    const ShortageDistribution law(guests);
    for (int value = -guests; value <= 1; ++value)
      EXPECT_DOUBLE_EQ(law.Probability(value), std::ldexp(count[value + guests], -guests));
  }
  EXPECT_NEAR(ShortageDistribution(100).Mean(), -7.4589, 1e-4);
  EXPECT_EQ(ShortageDistribution(10).CoinsCovering(0.95), 6);
  EXPECT_EQ(ShortageDistribution(100).CoinsCovering(0.95), 19);
  EXPECT_EQ(ShortageDistribution(1000).CoinsCovering(0.95), 61);
}

// A bar for each value, from the lower of the lowest one seen and the value below which theory
// puts 0.1 % of meetings, up to +1; the coins by run from the values, with no open bin.
TEST(ShortageChartTest, BarsReachTheThinTailOrTheLowestValueSeen) {
  const auto eighteenZerosAnd = [](std::vector<std::int16_t> two) {
    two.insert(two.begin(), 18, 0);
    return two;
  };
  // clang-format off
  const struct {
    int guests;
    std::vector<std::int16_t> values;
    int lowestValue, coinsByRun;
  } rows[] = {
      {100, {0, -3, 1, 1}, -32, 3}, {1000, {-2}, -104, 2}, {10, {}, -9, 0},
      {100, {-60, -58, -57, 1}, -60, 60}, {100, eighteenZerosAnd({0, -60}), -60, 0},
      {100, eighteenZerosAnd({-60, -60}), -60, 60}, {10, {-10, 1}, -10, 10}};
  // clang-format on
  for (const auto& [guests, values, lowestValue, coinsByRun] : rows) {
    const ShortageDistribution theory(guests);
    const ShortageChart chart = ChartOf(theory, values, -2.5f);
    ASSERT_EQ(chart.lowestValue, lowestValue) << guests << " guests, " << values.size();
    EXPECT_EQ(chart.coinsByRun, coinsByRun) << guests << " guests, " << values.size();
    ASSERT_EQ(chart.BarCount(), 2 - lowestValue);
    ASSERT_EQ(chart.expected.size(), chart.observed.size());
    EXPECT_EQ(std::accumulate(chart.observed.begin(), chart.observed.end(), 0), values.size());
    for (const int value : values)
      EXPECT_EQ(chart.observed[value - lowestValue], std::ranges::count(values, value));
    EXPECT_EQ(chart.experimentCount, int(values.size()));
    EXPECT_EQ(chart.average, -2.5f);
    EXPECT_EQ(chart.coinsByTheory, theory.CoinsCovering(0.95));
  }
  EXPECT_THROW(ChartOf(ShortageDistribution(100), std::vector<std::int16_t>{-101}, 0),
               std::out_of_range);
  EXPECT_THROW(ChartOf(ShortageDistribution(100), std::vector<std::int16_t>{2}, 0),
               std::out_of_range);
}

// The expected meetings of every bar and the exact mean, against the toss sequences counted out.
TEST(ShortageChartTest, ExpectedMeetingsAndMeanFollowTheCountedSequences) {
  for (const int guests : {7, 10}) {
    const std::vector<int> count = CountedLowestBalances(guests);
    const std::vector<std::int16_t> values(1 << guests, static_cast<std::int16_t>(-guests));
    const ShortageChart chart = ChartOf(ShortageDistribution(guests), values, 0);
    ASSERT_EQ(chart.lowestValue, -guests);
    double mean = 0;
    for (int bar = 0; bar < chart.BarCount(); ++bar) {
      EXPECT_NEAR(chart.expected[bar], count[bar], 1e-9) << guests << " guests, bar " << bar;
      mean += (chart.lowestValue + bar) * std::ldexp(count[bar], -guests);
    }
    EXPECT_NEAR(chart.exactMean, mean, 1e-12) << guests;
  }
}

}  // namespace
}  // namespace ombrix
