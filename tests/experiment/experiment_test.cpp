// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "frequency_table.h"
#include "random_generator.h"
#include "read_number.h"
#include "settings_dialogs.h"
#include "shortage_chart.h"
#include "shortage_distribution.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

TEST(ReadNumberTest, ReadsTheNumberAtTheStartOfAnyText) {
  const std::string huge(4'000'000, '9');  // linear time, or the test times out

  // clang-format off
  struct Row { std::string text; double value; };
  const Row rows[] = {
      {"100", 100}, {"12abc", 12}, {"  5", 5}, {"1e3", 1000}, {"-3", -3}, {"10.7", 10.7},
      {"1,000", 1}, {"abc", 0}, {"", 0}, {"1 0\t0\n", 100}, {"- .5", -0.5}, {"1.2.3", 1.2},
      {"2.5E-1", 0.25}, {"1e", 1}, {"1d3", 1}, {"--5", 0}, {"&H3E8", 1000}, {"&hff", 255},
      {"&O17", 15}, {"&O8", 0}, {"-&H10", 0}, {"&H10064", 65636}, {"\uFF11\uFF10", 10},
      {"1\u3000000", 1000}, {"1e309", HUGE_VAL}, {"-1e99999999999", -HUGE_VAL}, {"1e-400", 0},
      {huge, HUGE_VAL}, {std::string(huge.size(), ' ') + "7", 7}, {"+50", 50}, {"1e305", 1e305},
      {"0.105", 0.105}, {std::string("0.").append(500, '0') + "1e501", 1},
      // Full width, as an input method types, and UTF-8 cut off or malformed.
      {"－３．５", -3.5}, {"＋５０", 50}, {"−２", -2}, {"２Ｅ−１", 0.2}, {"１ｅ＋３", 1000},
      {"＆ｈ１０", 16}, {"＆\u3000Ｏ１７", 15}, {"＆Ｈ1f", 31}, {"＆Ｈ１Ｅ", 1}, {"ｅ３", 0},
      {"１，０００", 1}, {"１Ａ", 1}, {"９\t\u3000\n８", 98}, {"\uFF10x", 0}, {"1\xEF\xBC", 1},
      {"1\xE3\x80" "5", 1}, {"2\xEF\xBC" "5", 2}, {"\x99" "3", 0}, {"\xEF", 0},
      {[] { std::string s; while (s.size() < 4'000'000) s += "\u3000"; return s + "９"; }(), 9}};
  // clang-format on
  for (const auto& [text, value] : rows)
    EXPECT_EQ(ReadNumber(text), value) << text.substr(0, 30);
  // A sequence that the text's end cuts off is not completed by the bytes beyond it.
  EXPECT_EQ(ReadNumber(std::string_view("2\xEF\xBC\x95", 3)), 2);
}

TEST(CountDialogTest, AcceptsTheFloorOfAnAnswerWithinTheInclusiveBounds) {
  constexpr int kAgain = 77;
  // clang-format off
  // The answer, and the count each dialog accepts, or kAgain when it asks again. The number is
  // ReadNumber's, full-width answers too: its rows above hold the reading, these the bounds.
  struct Row { const char* answer; int guests, experiments; };
  const Row rows[] = {
      {"10", 10, 10}, {"1000", 1000, 1000}, {"9.999", kAgain, 9}, {"1000.01", kAgain, 1000},
      {"999.9", 999, 999}, {"1", kAgain, 1}, {"10000", kAgain, 10000}, {"0.999", kAgain, kAgain},
      {"10000.01", kAgain, kAgain}, {"-3", kAgain, kAgain}, {"&H3E9", kAgain, 1001},
      {"65636", kAgain, kAgain}, {"   ", kAgain, kAgain}};
  // clang-format on
  for (const auto& [answer, guests, experiments] : rows) {
    for (const auto& [dialog, accepted] :
         {std::pair{kGuestsDialog, guests}, std::pair{kExperimentsDialog, experiments}}) {
      EXPECT_EQ(dialog.Accepted(answer).value_or(kAgain), accepted)
          << answer << " to " << dialog.Prompt();
    }
  }
}

// Hands out prepared draws and logs the calls: T a clock reading, R a reseed, D a draw.
struct ScriptedRandom {
  float Now() { return log += 'T', 1000.0f; }
  void Reseed(float) { log += 'R'; }
  float NextUniform() { return log += 'D', draws.at(next++ % draws.size()); }
  GeneratorState Snapshot() const { return {next}; }
  void Restore(const GeneratorState& state) { next = state[0]; }
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
  // The tosses, the lowest balance, and the first guest after whom it came.
  struct Meeting { std::vector<float> draws; int shortage, lowestGuest; };
  const Meeting meetings[] = {
      {Tosses("HTTTHTHHHT"), -2, 4}, {Tosses(std::string(1000, 'H')), 1, 1},
      {Tosses("THHHHHHHHH"), -1, 1}, {Tosses(std::string(1000, 'T')), -1000, 1000},
      {Tosses("HTHTHTHTHTHTHTHTHTHT"), 0, 2},
      // A draw of exactly 0.5 is tails, one just below it heads.
      {{0.5f, 0.0f, 0.49999997f, 0.5f, 0.5f, 0.99999994f, 0.5000001f, 0.5f, 0.1f, 0.5f}, -4, 8}};
  // clang-format on
  for (const auto& [draws, shortage, lowestGuest] : meetings) {
    ScriptedRandom random{.draws = draws};
    ShortageExperiment<ScriptedRandom> engine(random);
    const auto guests = static_cast<std::int16_t>(draws.size());
    const std::string meeting = "TR" + std::string(guests, 'D');
    const ShortageRun run = engine.Run({.GuestCount = guests, .ExperimentCount = 3});
    EXPECT_THROW(engine.Run({.GuestCount = 9, .ExperimentCount = 3}), std::out_of_range);
    EXPECT_THROW(engine.Run({.GuestCount = 10, .ExperimentCount = 0}), std::out_of_range);
    // The last value, the sum, the average, the count in its bin; and the second meeting drawn
    // again, on a copy, its lowest point first after this guest. That a replay gives the
    // recorded balance, a step a guest, the seeded test below checks on every meeting.
    EXPECT_EQ(std::tuple(run.Values().back(), run.sum, run.average,
                         run.table.Count(FrequencyTable::BinOf(shortage)),
                         engine.Replay(run, 2).lowestGuest),
              std::tuple(shortage, 3 * shortage, float(shortage), 3, lowestGuest))
        << guests << " guests";
    // Three meetings alike, each reseeded once from the clock before its first toss; neither
    // the refused runs nor the replay drew on the engine's own generator.
    EXPECT_EQ(random.log, meeting + meeting + meeting) << guests << " guests";
  }
}

// The meetings a run keeps are the ones it drew: each replays to its recorded lowest balance,
// after later runs have moved the generator on, and replaying leaves the generator where it was.
TEST(ShortageExperimentTest, ReplaysEveryMeetingOfARunToItsRecordedLowestBalance) {
  RandomGenerator random(20261207, [] { return 36000.0f; });
  ShortageExperiment<RandomGenerator> engine(random);
  std::vector<ShortageRun> runs;
  for (const std::int16_t guests : {10, 100, 1000})
    runs.push_back(engine.Run({.GuestCount = guests, .ExperimentCount = 1000}));
  RandomGenerator twin = random;
  for (const ShortageRun& run : runs) {
    for (int experiment = 1; experiment <= run.experimentCount; ++experiment) {
      const MeetingWalk walk = engine.Replay(run, experiment);
      ASSERT_EQ(walk.lowest, run.values[experiment - 1]) << run.guestCount << " #" << experiment;
      const auto balances = walk.Balances();
      ASSERT_EQ(std::ssize(balances), run.guestCount);
      // One coin more or less after each guest, from none; the lowest point is the first minimum.
      for (std::size_t guest = 0; guest < balances.size(); ++guest)
        ASSERT_EQ(std::abs(balances[guest] - (guest ? balances[guest - 1] : 0)), 1) << guest;
      EXPECT_EQ(std::ranges::min(balances), walk.lowest);
      EXPECT_EQ(std::ranges::find(balances, walk.lowest) - balances.begin() + 1, walk.lowestGuest);
    }
  }
  EXPECT_THROW(engine.Replay(runs[0], 0), std::out_of_range);
  EXPECT_THROW(engine.Replay(runs[0], 1001), std::out_of_range);
  const ExperimentSettings next{.GuestCount = 100, .ExperimentCount = 50};
  EXPECT_EQ(engine.Run(next).sum, ShortageExperiment<RandomGenerator>(twin).Run(next).sum);
}

TEST(ShortageRunTest, TheNextMeetingWithAValueWrapsRoundToTheFirst) {
  ShortageRun run{.experimentCount = 5};
  std::ranges::copy(std::vector<std::int16_t>{-2, 0, -2, 1, -7}, run.values.begin());
  // clang-format off
  struct Row { int value, shown; std::optional<int> next; };
  const Row rows[] = {
      {-2, 0, 1}, {-2, 1, 3}, {-2, 3, 1}, {0, 2, 2}, {-7, 0, 5}, {-7, 5, 5}, {1, 5, 4},
      {5, 0, std::nullopt}, {-3, 2, std::nullopt}};
  // clang-format on
  for (const auto& [value, shown, next] : rows)
    EXPECT_EQ(run.NextMeetingWith(value, shown), next) << value << " after " << shown;
  for (const int outside : {-1, 6})
    EXPECT_THROW(run.NextMeetingWith(-2, outside), std::out_of_range);
}

// A clock that starts at ten in the morning and moves on a millisecond at each reading.
float ScriptedClock() {
  static float seconds = 36000;
  return seconds += 0.001f;
}

// The desktop's and the browser's builds must draw the same meetings from the same seed and
// clock readings, so both are held to this one table.
TEST(RandomGeneratorTest, OneSeedAndOneClockGiveTheSameTableOnEveryBuild) {
  RandomGenerator random(20261207, ScriptedClock);
  ShortageExperiment<RandomGenerator> engine(random);
  const ShortageRun run = engine.Run({.GuestCount = 100, .ExperimentCount = 1000});
  // clang-format off
  const std::vector<int> expected = {
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 1,
      1, 1, 1, 6, 1, 6, 10, 17, 9, 19, 17, 20, 20, 25, 28, 28, 45, 51, 50, 62, 58, 80, 59, 79, 67,
      76, 76, 38, 43, 0, 0, 0};
  // clang-format on
  std::vector<int> counts;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    counts.push_back(run.table.Count(bin));
  EXPECT_EQ(counts, expected);
}

TEST(FrequencyTableTest, BinsTheirValuesCellTextsAndTheAverageText) {
  // clang-format off
  struct Bin { int value, bin; };
  struct Average { float average; const char* text; };
  const Bin bins[] = {{-1000, 1}, {-58, 1}, {-57, 2}, {-50, 9}, {-49, 10},
                                      {-1, 58}, {0, 59}, {1, 60}, {3, 62}, {4, 63}};
  const Average averages[] = {
      {-11.84f, "-11.8"}, {-1234567.0f, "-1234567.0"}, {-11.25f, "-11.3"}, {-11.65f, "-11.6"},
      {1.0f, "1.0"}, {0.0f, ".0"}, {-0.5f, "-.5"}, {9.96f, "10.0"}, {0.05f, ".1"}, {-0.04f, ".0"}};
  // clang-format on
  for (const auto& [value, bin] : bins)
    EXPECT_EQ(FrequencyTable::BinOf(value), bin) << value;
  // Every bin holds what BinOf sends it. Which way the open ends are open, the cells' notes say.
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    EXPECT_EQ(FrequencyTable::BinOf(FrequencyTable::ValuesOf(bin).value), bin);
  for (const auto& [average, text] : averages)
    EXPECT_EQ(AverageText(average), text) << average;
  FrequencyTable table;
  for (int i = 0; i < 10000; ++i)
    table.Record(-3);
  EXPECT_EQ(table.CellText(56) + " " + table.CellText(57), "10000 0");
  for (const int outside : {0, FrequencyTable::kBinCount + 1}) {
    EXPECT_THROW(table.Count(outside), std::out_of_range);
    EXPECT_THROW(FrequencyTable::ValuesOf(outside), std::out_of_range);
  }
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
    // With `coins` prepared, the meetings whose lowest balance is below -coins run short.
    for (int coins = 0; coins <= guests + 1; ++coins) {
      const int shortOnes =
          std::accumulate(count.begin(), count.begin() + std::max(0, guests - coins), 0);
      EXPECT_DOUBLE_EQ(law.ShortShare(coins), std::ldexp(shortOnes, -guests)) << coins;
    }
  }
  EXPECT_THROW(ShortageDistribution(10).ShortShare(-1), std::out_of_range);
  EXPECT_EQ(ShortageDistribution(1000).CoinsCovering(0.95), 61);
}

// A bar for each value, from the lower of the lowest one seen and the value below which theory
// puts 0.01 % of experiments, up to +1; the coins by run from the values, with no open bin.
TEST(ShortageChartTest, BarsReachTheThinTailOrTheLowestValueSeen) {
  const auto eighteenZerosAnd = [](std::vector<std::int16_t> two) {
    two.insert(two.begin(), 18, 0);
    return two;
  };
  // clang-format off
  struct Row { int guests; std::vector<std::int16_t> values; int lowestValue, coinsByRun; };
  const Row rows[] = {
      {100, {0, -3, 1, 1}, -38, 3}, {1000, {-2}, -122, 2}, {10, {}, -10, 0},
      {100, {-60, -58, -57, 1}, -60, 60}, {100, eighteenZerosAnd({0, -60}), -60, 0},
      {100, eighteenZerosAnd({-60, -60}), -60, 60}, {10, {-10, 1}, -10, 10}};
  // clang-format on
  for (const auto& [guests, values, lowestValue, coinsByRun] : rows) {
    const ShortageChart chart = ChartOf(ShortageDistribution(guests), values, -2.5f);
    const std::string row = std::to_string(guests) + " guests, " + std::to_string(values.size());
    // A bar, an expected and an observed count, and a coins marker's place for each value.
    ASSERT_EQ(
        std::tuple(chart.lowestValue, chart.coinsByRun, chart.BarCount(), chart.expected.size(),
                   chart.MostCoins()),
        std::tuple(lowestValue, coinsByRun, 2 - lowestValue, chart.observed.size(), -lowestValue))
        << row;
    EXPECT_EQ(std::accumulate(chart.observed.begin(), chart.observed.end(), 0), values.size());
    for (const int value : values)
      EXPECT_EQ(chart.observed[value - lowestValue],
                std::count(values.begin(), values.end(), value))
          << row;
    // The coins marker's shares: the run's own, and the law's.
    const ShortageDistribution law(guests);
    for (int coins = 0; coins <= chart.MostCoins(); ++coins) {
      const auto shortOnes =
          std::ranges::count_if(values, [&](int value) { return value < -coins; });
      EXPECT_DOUBLE_EQ(chart.ShortByRun(coins),
                       values.empty() ? 0.0 : double(shortOnes) / double(values.size()))
          << row << ", " << coins << " coins";
      EXPECT_EQ(chart.shortByTheory.at(coins), law.ShortShare(coins)) << row << ", " << coins;
    }
    EXPECT_THROW(chart.ShortByRun(chart.MostCoins() + 1), std::out_of_range);
  }
  for (const std::int16_t outside : {-101, 2})
    EXPECT_THROW(ChartOf(ShortageDistribution(100), std::vector{outside}, 0), std::out_of_range);
}

// Whole-number ticks, 1, 2 or 5 times a power of ten, no more than six steps, reaching the
// highest bar or point; from the run's figures alone.
TEST(ShortageChartTest, CountAxisStepsInWholeNumbersUpToTheHighestCount) {
  // clang-format off
  struct Row { double highest; CountAxis axis; };
  const Row rows[] = {
      {0, {1, 1}}, {0.4, {1, 1}}, {2, {2, 1}}, {6, {6, 1}}, {7, {8, 2}}, {12.5, {15, 5}},
      {1100, {1200, 200}}, {2950, {3000, 500}}, {3000, {3000, 500}}, {3001, {4000, 1000}},
      {9999.9, {10000, 2000}}};
  // clang-format on
  for (const auto& [highest, axis] : rows)
    EXPECT_EQ(CountAxis::Reaching(highest), axis) << highest;
  // One experiment at 10 guests: a bar of 1 over points below 1.
  EXPECT_EQ(ChartOf(ShortageDistribution(10), std::vector<std::int16_t>{0}, 0).counts,
            (CountAxis{1, 1}));
  // Twenty experiments, two at each value from 1 down to -8: theory expects 4.1 at -1.
  std::vector<std::int16_t> pairs;
  for (int value = 1; value >= -8; --value)
    pairs.insert(pairs.end(), 2, static_cast<std::int16_t>(value));
  EXPECT_EQ(ChartOf(ShortageDistribution(10), pairs, 0).counts, (CountAxis{5, 1}));
}

}  // namespace
}  // namespace ombrix
