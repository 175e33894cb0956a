#include "shortage_experiment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "experiment_settings.h"
#include "frequency_table.h"
#include "scripted_random.h"

namespace ombrix {
namespace {

using testing_support::DrawsFor;
using testing_support::kHeads;
using testing_support::kTails;
using testing_support::ScriptedRandom;

ExperimentSettings SettingsOf(int guests, int experiments) {
  ExperimentSettings settings;
  settings.GuestCount = static_cast<std::int16_t>(guests);
  settings.ExperimentCount = static_cast<std::int16_t>(experiments);
  return settings;
}

// The engine carries its full-size arrays inline; keep them off the test's stack.
template <typename Random>
std::unique_ptr<ShortageExperiment<Random>> MakeEngine(Random& random) {
  return std::make_unique<ShortageExperiment<Random>>(random);
}

int TotalCount(const FrequencyTable& table) {
  int total = 0;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    total += table.Count(bin);
  return total;
}

TEST(ShortageExperimentTest, OneExperimentFindsTheLowestBalanceAfterAnyGuest) {
  struct Meeting {
    std::vector<float> draws;
    int shortage;
    std::vector<int> history = {};  // worked out by hand, where given
  };
  const Meeting meetings[] = {
      Meeting{DrawsFor("HTTTHTHHHT"), -2, {1, 0, -1, -2, -1, -2, -1, 0, 1, 0}},
      Meeting{DrawsFor(std::string(1000, 'H')), 1}, Meeting{DrawsFor(std::string(10, 'T')), -10},
      Meeting{DrawsFor(std::string(57, 'T')), -57}, Meeting{DrawsFor(std::string(58, 'T')), -58},
      Meeting{DrawsFor(std::string(1000, 'T')), -1000},
      Meeting{DrawsFor("HTHTHTHTHTHTHTHTHTHT"), 0},
      // Heads below one half, however close; a draw of exactly 0.5 is tails.
      Meeting{{0.5f, 0.0f, 0.49999997f, 0.5f, 0.5f, 0.99999994f, 0.5000001f, 0.5f, 0.1f, 0.5f},
              -4}};
  for (const Meeting& meeting : meetings) {
    const int guests = static_cast<int>(meeting.draws.size());
    SCOPED_TRACE(testing::Message() << guests << " guests, " << meeting.shortage);
    ScriptedRandom random(meeting.draws);
    auto engine = MakeEngine(random);
    FrequencyTable table;
    engine->Run(SettingsOf(guests, 1), table);

    EXPECT_EQ(engine->ShortageByExperiment[1], meeting.shortage);
    EXPECT_EQ(engine->ShortageAverage, static_cast<float>(meeting.shortage));
    EXPECT_EQ(table.Count(FrequencyTable::BinOf(meeting.shortage)), 1);
    EXPECT_EQ(TotalCount(table), 1);
    int balance = 0;
    for (int i = 1; i <= guests; ++i) {
      const int toss = meeting.draws[i - 1] < 0.5f ? 1 : -1;
      ASSERT_EQ(engine->Toss[i], toss) << i;
      ASSERT_EQ(engine->BalanceHistory[i], balance += toss) << i;
    }
    EXPECT_EQ(engine->CoinBalance, balance);
    if (!meeting.history.empty()) {
      const auto first = engine->BalanceHistory.begin() + 1;
      EXPECT_EQ(std::vector<int>(first, first + guests), meeting.history);
    }
  }
}

TEST(ShortageExperimentTest, RunsReseedOncePerExperimentAndStartAfresh) {
  // +1, -2 and -1: a sum of -2 over 3 experiments, which integer division would make 0.
  const std::string run = std::string(10, 'H') + "HTTTHTHHHT" + "THTHTHTHTH";
  ScriptedRandom random(DrawsFor(run + run));
  auto engine = MakeEngine(random);
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    FrequencyTable table;
    engine->Run(SettingsOf(10, 3), table);
    EXPECT_EQ(engine->ShortageByExperiment[1], 1);
    EXPECT_EQ(engine->ShortageByExperiment[2], -2);
    EXPECT_EQ(engine->ShortageByExperiment[3], -1);
    EXPECT_EQ(engine->ShortageSum, -2);
    EXPECT_EQ(engine->ShortageAverage, static_cast<float>(-2.0 / 3.0));
    EXPECT_EQ(table.Count(60) + table.Count(57) + table.Count(58), 3);
  }
  // Clock, reseed with its reading, then the draws: once per experiment, not once per run.
  std::string expected;
  for (int k = 0; k < 6; ++k)
    expected += "TR" + std::string(10, 'D');
  EXPECT_EQ(random.log, expected);
  EXPECT_EQ(random.seeds, random.timerReadings);
}

TEST(ShortageExperimentTest, FindsTheLowestBalanceOfEveryTenTossSequence) {
  constexpr int kGuests = 10;
  constexpr int kSequences = 1 << kGuests;
  std::vector<float> draws;
  for (unsigned mask = 0; mask < kSequences; ++mask) {
    for (int guest = 0; guest < kGuests; ++guest)
      draws.push_back((mask >> guest & 1u) ? kHeads : kTails);
  }
  ScriptedRandom random(draws);
  auto engine = MakeEngine(random);
  FrequencyTable table;
  engine->Run(SettingsOf(kGuests, kSequences), table);

  for (unsigned mask = 0; mask < kSequences; ++mask) {
    int balance = 0;
    int lowest = kGuests;
    for (int guest = 0; guest < kGuests; ++guest)
      lowest = std::min(lowest, balance += (mask >> guest & 1u) ? 1 : -1);
    ASSERT_EQ(engine->ShortageByExperiment[mask + 1], lowest) << mask;
  }
}

TEST(ShortageExperimentTest, SumsBeyondSixteenBits) {
  ScriptedRandom random(DrawsFor(std::string(40 * 1000, 'T')));
  auto engine = MakeEngine(random);
  FrequencyTable table;
  engine->Run(SettingsOf(1000, 40), table);
  EXPECT_EQ(engine->ShortageSum, -40000);
  EXPECT_EQ(engine->ShortageAverage, -1000.0f);
  EXPECT_EQ(table.Count(1), 40);
}

TEST(ShortageExperimentTest, SettingsOutOfRangeThrowNamingTheValueAndChangeNothing) {
  ScriptedRandom random(DrawsFor(std::string(10, 'T') + "HTTTHTHHHT"));
  auto engine = MakeEngine(random);
  FrequencyTable table;
  engine->Run(SettingsOf(10, 2), table);
  const auto before = std::make_unique<ShortageExperiment<ScriptedRandom>>(*engine);
  const std::string logBefore = random.log;

  struct Bad {
    int guests;
    int experiments;
    const char* field;
    int value;
  };
  for (const auto& [guests, experiments, field, value] :
       {Bad{9, 100, "GuestCount", 9}, Bad{1001, 100, "GuestCount", 1001},
        Bad{0, 100, "GuestCount", 0}, Bad{-1, 100, "GuestCount", -1},
        Bad{-32768, 100, "GuestCount", -32768}, Bad{100, 0, "ExperimentCount", 0},
        Bad{100, 10001, "ExperimentCount", 10001}, Bad{100, -5, "ExperimentCount", -5},
        Bad{100, 32767, "ExperimentCount", 32767}}) {
    try {
      engine->Run(SettingsOf(guests, experiments), table);
      ADD_FAILURE() << field << " " << value << ": no exception";
    } catch (const std::out_of_range& error) {
      // The field, and the value as a number of its own rather than as part of a bound.
      const std::string what = error.what();
      const std::regex number("(^|[^0-9-])" + std::to_string(value) + "([^0-9]|$)");
      EXPECT_NE(what.find(field), std::string::npos) << what;
      EXPECT_TRUE(std::regex_search(what, number)) << what;
    }
  }
  EXPECT_EQ(engine->ShortageSum, before->ShortageSum);
  EXPECT_EQ(engine->ShortageAverage, before->ShortageAverage);
  EXPECT_EQ(engine->ShortageByExperiment, before->ShortageByExperiment);
  EXPECT_EQ(engine->CoinBalance, before->CoinBalance);
  EXPECT_EQ(engine->Toss, before->Toss);
  EXPECT_EQ(engine->BalanceHistory, before->BalanceHistory);
  EXPECT_EQ(random.log, logBefore);  // no clock, no reseed, no draw
  EXPECT_EQ(TotalCount(table), 2);
}

}  // namespace
}  // namespace ombrix
