#include "shortage_experiment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "experiment_settings.h"
#include "frequency_table.h"
#include "runtime_random.h"
#include "scripted_random.h"

namespace ombrix {
namespace {

using testing_support::ConstantRandom;
using testing_support::DrawsFor;
using testing_support::kHeads;
using testing_support::kTails;
using testing_support::ScriptedRandom;
using Event = ScriptedRandom::Event;

ExperimentSettings SettingsOf(std::int16_t guests, std::int16_t experiments) {
  ExperimentSettings settings;
  settings.GuestCount = guests;
  settings.ExperimentCount = experiments;
  return settings;
}

std::vector<float> Concat(std::initializer_list<std::vector<float>> parts) {
  std::vector<float> all;
  for (const auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The engine carries its full-size arrays inline; keep them off the test's stack.
template <typename Random>
std::unique_ptr<ShortageExperiment<Random>> MakeEngine(Random& random) {
  return std::make_unique<ShortageExperiment<Random>>(random);
}

struct RunResult {
  std::unique_ptr<ShortageExperiment<ScriptedRandom>> engine;
  FrequencyTable table;
};

void RunScripted(ScriptedRandom& random, RunResult& result, std::int16_t guests,
                 std::int16_t experiments) {
  result.engine = MakeEngine(random);
  result.table.Clear();
  result.engine->Run(SettingsOf(guests, experiments), result.table);
}

TEST(ShortageExperimentTest, WorkedExample) {
  ScriptedRandom random(DrawsFor("HTTTHTHHHT"));
  RunResult result;
  RunScripted(random, result, 10, 1);

  const auto& engine = *result.engine;
  EXPECT_EQ(engine.ShortageByExperiment[1], -2);
  const std::int16_t history[] = {1, 0, -1, -2, -1, -2, -1, 0, 1, 0};
  const std::int16_t tosses[] = {1, -1, -1, -1, 1, -1, 1, 1, 1, -1};
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(engine.BalanceHistory[i], history[i - 1]) << i;
    EXPECT_EQ(engine.Toss[i], tosses[i - 1]) << i;
  }
  EXPECT_EQ(engine.CoinBalance, 0);
  EXPECT_EQ(engine.ShortageSum, -2);
  EXPECT_EQ(engine.ShortageAverage, -2.0f);  // a single experiment: the average is its value
  EXPECT_EQ(result.table.Count(FrequencyTable::BinOf(-2)), 1);
  EXPECT_EQ(random.DrawsLeft(), 0u);
}

TEST(ShortageExperimentTest, AllHeadsGivesPlusOne) {
  ScriptedRandom random(std::vector<float>(1000, kHeads));
  RunResult result;
  RunScripted(random, result, 1000, 1);

  EXPECT_EQ(result.engine->ShortageByExperiment[1], 1);
  for (int i = 1; i <= 1000; ++i)
    ASSERT_EQ(result.engine->BalanceHistory[i], i);
  EXPECT_EQ(result.engine->CoinBalance, 1000);
  EXPECT_EQ(result.engine->ShortageAverage, 1.0f);
}

TEST(ShortageExperimentTest, AllTailsGivesMinusGuestCount) {
  for (std::int16_t guests : {10, 57, 58, 1000}) {
    ScriptedRandom random(std::vector<float>(guests, kTails));
    RunResult result;
    RunScripted(random, result, guests, 1);

    EXPECT_EQ(result.engine->ShortageByExperiment[1], -guests);
    EXPECT_EQ(result.engine->BalanceHistory[guests], -guests);
    EXPECT_EQ(result.engine->ShortageAverage, static_cast<float>(-guests));
    EXPECT_EQ(result.table.Count(FrequencyTable::BinOf(-guests)), 1);
  }
}

TEST(ShortageExperimentTest, DrawOfExactlyOneHalfIsTails) {
  // Heads for everything below one half, however close; tails from one half up.
  ScriptedRandom random(
      {0.5f, 0.0f, 0.49999997f, 0.5f, 0.5f, 0.99999994f, 0.5000001f, 0.5f, 0.1f, 0.5f});
  RunResult result;
  RunScripted(random, result, 10, 1);

  const std::int16_t tosses[] = {-1, 1, 1, -1, -1, -1, -1, -1, 1, -1};
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(result.engine->Toss[i], tosses[i - 1]) << i;
  EXPECT_EQ(result.engine->ShortageByExperiment[1], -4);
}

TEST(ShortageExperimentTest, AlternatingTossesGiveZero) {
  ScriptedRandom random(DrawsFor("HTHTHTHTHTHTHTHTHTHT"));
  RunResult result;
  RunScripted(random, result, 20, 1);
  EXPECT_EQ(result.engine->ShortageByExperiment[1], 0);
}

TEST(ShortageExperimentTest, SeveralExperimentsAreRecordedInOrder) {
  ScriptedRandom random(Concat({DrawsFor("HHHHHHHHHH"), DrawsFor("HTTTHTHHHT"),
                                DrawsFor("THTHTHTHTH"), DrawsFor("HTHTHTHTHT")}));
  RunResult result;
  RunScripted(random, result, 10, 4);

  const auto& engine = *result.engine;
  EXPECT_EQ(engine.ShortageByExperiment[1], 1);
  EXPECT_EQ(engine.ShortageByExperiment[2], -2);
  EXPECT_EQ(engine.ShortageByExperiment[3], -1);
  EXPECT_EQ(engine.ShortageByExperiment[4], 0);
  EXPECT_EQ(engine.ShortageByExperiment[0], 0);  // index 0 is never written
  EXPECT_EQ(engine.ShortageSum, -2);
  EXPECT_EQ(engine.ShortageAverage, -0.5f);
  // The last experiment's working state stays behind.
  EXPECT_EQ(engine.BalanceHistory[1], 1);
  EXPECT_EQ(engine.BalanceHistory[10], 0);
  EXPECT_EQ(result.table.Count(60), 1);
  EXPECT_EQ(result.table.Count(57), 1);
  EXPECT_EQ(result.table.Count(58), 1);
  EXPECT_EQ(result.table.Count(59), 1);
  EXPECT_EQ(random.DrawsLeft(), 0u);
}

TEST(ShortageExperimentTest, AverageIsTheQuotientRoundedToFloat) {
  // -1 - 1 + 0 = -2 over 3 experiments: a fraction that integer division would lose.
  ScriptedRandom random(
      Concat({DrawsFor("THHHHHHHHH"), DrawsFor("THHHHHHHHH"), DrawsFor("HTHHHHHHHH")}));
  RunResult result;
  RunScripted(random, result, 10, 3);
  EXPECT_EQ(result.engine->ShortageSum, -2);
  EXPECT_EQ(result.engine->ShortageAverage, static_cast<float>(-2.0 / 3.0));

  ScriptedRandom random2(
      Concat({DrawsFor("THHHHHHHHH"), DrawsFor("HTHHHHHHHH"), DrawsFor("HTHHHHHHHH")}));
  RunScripted(random2, result, 10, 3);
  EXPECT_EQ(result.engine->ShortageSum, -1);
  EXPECT_EQ(result.engine->ShortageAverage, static_cast<float>(-1.0 / 3.0));
}

TEST(ShortageExperimentTest, ReseedsOnceBeforeEachExperimentWithTheClock) {
  constexpr int kGuests = 12;
  constexpr int kExperiments = 5;
  ScriptedRandom random(std::vector<float>(kGuests * kExperiments, kHeads));
  RunResult result;
  RunScripted(random, result, kGuests, kExperiments);

  std::vector<Event> expected;
  for (int k = 0; k < kExperiments; ++k) {
    expected.push_back(Event::Timer);
    expected.push_back(Event::Randomize);
    expected.insert(expected.end(), kGuests, Event::Draw);
  }
  EXPECT_EQ(random.events, expected);
  EXPECT_EQ(random.seeds, random.timerReadings);
}

TEST(ShortageExperimentTest, TwoRunsInARowStartAfresh) {
  ConstantRandom random{kTails};
  auto engine = MakeEngine(random);
  FrequencyTable table;
  for (int run = 0; run < 2; ++run) {
    table.Clear();
    engine->Run(SettingsOf(10, 3), table);
    EXPECT_EQ(engine->ShortageSum, -30);
    EXPECT_EQ(engine->ShortageAverage, -10.0f);
    EXPECT_EQ(table.Count(FrequencyTable::BinOf(-10)), 3);
  }
  EXPECT_EQ(random.reseeds, 6);
  EXPECT_EQ(random.draws, 60);
}

TEST(ShortageExperimentTest, LargestSettingsStayInRange) {
  // The most negative sum a run can reach is far outside 16 bits.
  ConstantRandom tails{kTails};
  auto engine = MakeEngine(tails);
  FrequencyTable table;
  table.Clear();
  engine->Run(SettingsOf(1000, 10000), table);
  EXPECT_EQ(engine->ShortageSum, -10'000'000);
  EXPECT_EQ(engine->ShortageAverage, -1000.0f);
  EXPECT_EQ(engine->ShortageByExperiment[10000], -1000);
  EXPECT_EQ(engine->BalanceHistory[1000], -1000);
  EXPECT_EQ(table.Count(1), 10000);
  EXPECT_EQ(tails.draws, 10'000'000);
  EXPECT_EQ(tails.reseeds, 10000);

  ConstantRandom heads{kHeads};
  auto engine2 = MakeEngine(heads);
  table.Clear();
  engine2->Run(SettingsOf(1000, 10000), table);
  EXPECT_EQ(engine2->ShortageSum, 10000);
  EXPECT_EQ(engine2->ShortageAverage, 1.0f);
  EXPECT_EQ(engine2->BalanceHistory[1000], 1000);
  EXPECT_EQ(table.Count(60), 10000);
}

TEST(ShortageExperimentTest, SeededRunIsConsistentWithItsTable) {
  RuntimeRandom random(20240601u, [] { return 3600.0f; });
  auto engine = MakeEngine(random);
  FrequencyTable table;
  for (std::int16_t guests : {10, 100, 1000}) {
    SCOPED_TRACE(guests);
    table.Clear();
    engine->Run(SettingsOf(guests, 2000), table);

    FrequencyTable recount;
    recount.Clear();
    std::int32_t sum = 0;
    for (int k = 1; k <= 2000; ++k) {
      const std::int16_t value = engine->ShortageByExperiment[k];
      ASSERT_LE(value, 1) << k;  // 2 or more cannot happen
      ASSERT_GE(value, -guests) << k;
      sum += value;
      recount.Record(value);
    }
    EXPECT_EQ(engine->ShortageSum, sum);
    EXPECT_EQ(engine->ShortageAverage, static_cast<float>(static_cast<double>(sum) / 2000));
    int total = 0;
    for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
      EXPECT_EQ(table.Count(bin), recount.Count(bin)) << bin;
      total += table.Count(bin);
    }
    EXPECT_EQ(total, 2000);
    EXPECT_EQ(table.Count(61) + table.Count(62) + table.Count(63), 0);
    if (guests == 10) {
      // Only the values -10 to 1 can occur.
      for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
        if (bin < 49 || bin > 60) {
          EXPECT_EQ(table.Count(bin), 0) << bin;
        }
      }
    }
    // The last experiment's history is the running balance of its tosses, and its minimum
    // is the recorded value.
    std::int16_t balance = 0;
    std::int16_t lowest = 1000;
    for (int i = 1; i <= guests; ++i) {
      ASSERT_TRUE(engine->Toss[i] == 1 || engine->Toss[i] == -1) << i;
      balance = static_cast<std::int16_t>(balance + engine->Toss[i]);
      ASSERT_EQ(engine->BalanceHistory[i], balance) << i;
      lowest = std::min(lowest, balance);
    }
    EXPECT_EQ(engine->CoinBalance, balance);
    EXPECT_EQ(engine->ShortageByExperiment[2000], lowest);
  }
}

// The message must name the bad value as a number of its own, not as part of a bound.
bool NamesValue(const std::string& message, int value) {
  const std::regex pattern("(^|[^0-9-])" + std::to_string(value) + "([^0-9]|$)");
  return std::regex_search(message, pattern);
}

struct BadSettings {
  std::int16_t guests;
  std::int16_t experiments;
  int badValue;
  const char* field;
};

void PrintTo(const BadSettings& bad, std::ostream* os) {
  *os << "guests " << bad.guests << ", experiments " << bad.experiments;
}

class ShortageExperimentRefuses : public testing::TestWithParam<BadSettings> {};

TEST_P(ShortageExperimentRefuses, SettingsOutOfRangeThrowAndChangeNothing) {
  const BadSettings& bad = GetParam();
  ScriptedRandom random(Concat({DrawsFor("TTTTTTTTTT"), DrawsFor("HTTTHTHHHT")}));
  RunResult result;
  RunScripted(random, result, 10, 2);
  auto& engine = *result.engine;
  const auto byExperiment = engine.ShortageByExperiment;
  const auto tosses = engine.Toss;
  const auto history = engine.BalanceHistory;
  const std::size_t eventsBefore = random.events.size();
  result.table.Record(-5);  // the table is the caller's and must not be touched either

  try {
    engine.Run(SettingsOf(bad.guests, bad.experiments), result.table);
    ADD_FAILURE() << "no exception";
  } catch (const std::out_of_range& error) {
    EXPECT_TRUE(NamesValue(error.what(), bad.badValue)) << error.what();
    EXPECT_NE(std::string(error.what()).find(bad.field), std::string::npos) << error.what();
  }

  EXPECT_EQ(engine.ShortageSum, -12);
  EXPECT_EQ(engine.ShortageAverage, -6.0f);
  EXPECT_EQ(engine.ShortageByExperiment, byExperiment);
  EXPECT_EQ(engine.Toss, tosses);
  EXPECT_EQ(engine.BalanceHistory, history);
  EXPECT_EQ(engine.CoinBalance, 0);
  EXPECT_EQ(random.events.size(), eventsBefore);  // no clock, no reseed, no draw
  int total = 0;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    total += result.table.Count(bin);
  EXPECT_EQ(total, 3);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, ShortageExperimentRefuses,
                         testing::Values(BadSettings{9, 100, 9, "GuestCount"},
                                         BadSettings{1001, 100, 1001, "GuestCount"},
                                         BadSettings{0, 100, 0, "GuestCount"},
                                         BadSettings{-1, 100, -1, "GuestCount"},
                                         BadSettings{32767, 100, 32767, "GuestCount"},
                                         BadSettings{-32768, 100, -32768, "GuestCount"},
                                         BadSettings{100, 0, 0, "ExperimentCount"},
                                         BadSettings{100, 10001, 10001, "ExperimentCount"},
                                         BadSettings{100, -5, -5, "ExperimentCount"},
                                         BadSettings{100, 32767, 32767, "ExperimentCount"}));

TEST(ShortageExperimentTest, BoundarySettingsAreAccepted) {
  ConstantRandom random{kHeads};
  auto engine = MakeEngine(random);
  FrequencyTable table;
  const std::vector<std::pair<std::int16_t, std::int16_t>> boundaries = {
      {10, 1}, {1000, 1}, {10, 10000}, {1000, 10}};
  for (const auto& [guests, experiments] : boundaries) {
    table.Clear();
    EXPECT_NO_THROW(engine->Run(SettingsOf(guests, experiments), table));
    EXPECT_EQ(table.Count(60), experiments);
  }
}

}  // namespace
}  // namespace ombrix
