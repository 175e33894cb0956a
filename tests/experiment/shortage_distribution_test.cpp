// The exact law of the ShortageValue against enumeration and the reflection principle, and the
// engine's values against the law.

#include "shortage_distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "experiment_settings.h"
#include "frequency_table.h"
#include "runtime_random.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

// P(S_n == balance) for the balance after n fair tosses, from lgamma rather than a recurrence.
double EndpointChance(int n, int balance) {
  if (balance < -n || balance > n || (balance + n) % 2 != 0)
    return 0.0;
  const int heads = (balance + n) / 2;
  return std::exp(std::lgamma(n + 1.0) - std::lgamma(heads + 1.0) - std::lgamma(n - heads + 1.0) -
                  n * std::log(2.0));
}

// P(lowest balance >= -coins) from the reflection principle: the walk stays above -coins - 1
// exactly when its end lies in -coins .. coins + 1.
double CoveredByReflection(int n, int coins) {
  double covered = 0.0;
  for (int balance = -coins; balance <= coins + 1; ++balance)
    covered += EndpointChance(n, balance);
  return covered;
}

TEST(ShortageDistributionTest, MatchesEveryTossSequenceUpToSixteenGuests) {
  for (int n = 1; n <= 16; ++n) {
    std::vector<std::uint64_t> sequences(n + 2, 0);  // per lowest balance, entry value + n
    for (std::uint32_t mask = 0; mask < (1u << n); ++mask) {
      int balance = 0;
      int lowest = n + 1;
      for (int guest = 0; guest < n; ++guest)
        lowest = std::min(lowest, balance += (mask >> guest & 1u) ? 1 : -1);
      ++sequences[lowest + n];
    }
    const ShortageDistribution distribution(n);
    double atLeast = 0.0;
    double mean = 0.0;
    for (int value = 3; value >= -n - 2; --value) {
      const bool possible = value >= -n && value <= 1;
      const double exact = possible ? std::ldexp(sequences[value + n], -n) : 0.0;
      atLeast += exact;
      mean += value * exact;
      EXPECT_NEAR(distribution.Probability(value), exact, 1e-12) << n << " guests, " << value;
      EXPECT_NEAR(distribution.ProbabilityAtLeast(value), atLeast, 1e-12) << n << ", " << value;
    }
    EXPECT_NEAR(distribution.Mean(), mean, 1e-12) << n;
  }
}

TEST(ShortageDistributionTest, AgreesWithTheReflectionSumForEveryGuestCount) {
  for (int n = ExperimentSettings::MinGuests; n <= ExperimentSettings::MaxGuests; ++n) {
    const ShortageDistribution distribution(n);
    double covered = 0.0;  // the lgamma terms carry some 1e-12 each
    for (int coins = 0; coins <= n; ++coins) {
      covered += EndpointChance(n, coins + 1) + EndpointChance(n, coins == 0 ? 0 : -coins);
      ASSERT_NEAR(distribution.ProbabilityAtLeast(-coins), covered, 1e-10) << n << ", " << coins;
    }
    EXPECT_EQ(distribution.ProbabilityAtLeast(2), 0.0) << n;
    double byBin = 0.0;
    for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
      byBin += distribution.BinProbability(bin);
    EXPECT_NEAR(byBin, 1.0, 1e-9) << n;
  }
  // Exact values from rational arithmetic.
  EXPECT_NEAR(ShortageDistribution(100).Mean(), -7.458923738717876, 1e-12);
  EXPECT_NEAR(ShortageDistribution(1000).Mean(), -24.725018178360802, 1e-11);
  // The extremes of the largest count are 2^-1000 each: they keep their digits instead of
  // coming out as 0 or as the rounding noise of a difference.
  const ShortageDistribution thousand(1000);
  const double extreme = std::ldexp(1.0, -1000);
  EXPECT_NEAR(thousand.Probability(-1000) / extreme, 1.0, 1e-12);  // all tails
  EXPECT_NEAR(thousand.Probability(-999) / extreme, 1.0, 1e-12);   // all tails, then a head
  EXPECT_NEAR(thousand.Probability(-998) / (1000 * extreme), 1.0, 1e-12);
}

TEST(ShortageDistributionTest, BinsGroupValuesAsTheTableDoes) {
  for (int n : {10, 57, 58, 1000}) {
    const ShortageDistribution distribution(n);
    for (int value = -57; value <= 3; ++value) {
      EXPECT_EQ(distribution.BinProbability(value + 59), distribution.Probability(value))
          << n << " guests, " << value;
    }
  }
  // -58, the first value of the open bin, comes only from 58 tails in a row.
  EXPECT_NEAR(ShortageDistribution(58).BinProbability(1) / std::ldexp(1.0, -58), 1.0, 1e-12);
  const ShortageDistribution ten(10);  // only -10 to 1, bins 49 to 60
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    EXPECT_EQ(ten.BinProbability(bin) > 0.0, bin >= 49 && bin <= 60) << bin;
  EXPECT_THROW((void)ten.BinProbability(0), std::out_of_range);
  EXPECT_THROW((void)ten.BinProbability(64), std::out_of_range);
  EXPECT_THROW(ShortageDistribution(0), std::out_of_range);
  EXPECT_THROW(ShortageDistribution(ExperimentSettings::MaxGuests + 1), std::out_of_range);
}

TEST(ShortageDistributionTest, CoinsCovering) {
  for (int n : {10, 100, 1000}) {
    const ShortageDistribution distribution(n);
    for (double share : {0.5, 0.9, 0.95, 0.99}) {
      int coins = 0;
      while (CoveredByReflection(n, coins) < share)
        ++coins;
      EXPECT_EQ(distribution.CoinsCovering(share), coins) << n << " guests, share " << share;
    }
    EXPECT_EQ(distribution.CoinsCovering(0.0), 0) << n;
    // Only one coin per guest is safe in every meeting, however thin the last 2^-n.
    EXPECT_EQ(distribution.CoinsCovering(1.0), n) << n;
  }
  // The same figures from exact rational arithmetic.
  EXPECT_EQ(ShortageDistribution(10).CoinsCovering(0.95), 6);
  EXPECT_EQ(ShortageDistribution(100).CoinsCovering(0.95), 19);
  EXPECT_EQ(ShortageDistribution(1000).CoinsCovering(0.95), 61);
  for (double share : {-0.01, 1.01, std::nan("")})
    EXPECT_THROW((void)ShortageDistribution(100).CoinsCovering(share), std::invalid_argument);
}

TEST(ShortageDistributionTest, CoinsCoveringObserved) {
  using Counts = std::vector<std::pair<int, int>>;  // value and experiments
  struct Covering {
    Counts counts;
    int experiments;
    double share;
    std::optional<int> coins;
  };
  const Counts spread = {{1, 10}, {0, 50}, {-5, 35}, {-9, 5}};
  const Counts seven = {{1, 7}, {-20, 93}};
  const Counts openBin = {{-58, 20}, {-400, 30}, {-3, 950}};
  for (const auto& [counts, experiments, share, coins] :
       {// 95 of 100 at -5 or more is exactly 95 %.
        Covering{spread, 100, 0.95, 5}, Covering{spread, 100, 0.96, 9},
        Covering{spread, 100, 1.0, 9}, Covering{spread, 100, 0.6, 0}, Covering{spread, 100, 0.0, 0},
        // 0.07 * 100 is 7.000000000000001 in doubles, and 19 of 20 are 95 % all the same.
        Covering{seven, 100, 0.07, 0}, Covering{seven, 100, 0.08, 20},
        Covering{{{-2, 19}, {-3, 1}}, 20, 0.95, 2},
        // All in one bin.
        Covering{{{-7, 1000}}, 1000, 0.001, 7}, Covering{{{1, 1}}, 1, 1.0, 0},
        Covering{{{-57, 10000}}, 10000, 1.0, 57}, Covering{{{-1000, 3}}, 3, 0.0, 0},
        Covering{{{-1000, 3}}, 3, 0.01, std::nullopt},
        // The open bin of -58 and below covers no count.
        Covering{openBin, 1000, 0.95, 3}, Covering{openBin, 1000, 0.951, std::nullopt},
        Covering{{{0, 99}, {-57, 1}}, 100, 1.0, 57},
        Covering{{{0, 99}, {-58, 1}}, 100, 1.0, std::nullopt}}) {
    FrequencyTable table;
    for (const auto& [value, count] : counts) {
      for (int i = 0; i < count; ++i)
        table.Record(static_cast<std::int16_t>(value));
    }
    EXPECT_EQ(CoinsCoveringObserved(table, experiments, share), coins)
        << counts.size() << " values, " << experiments << " experiments, share " << share;
  }
  for (double share : {-0.5, 1.5, std::nan("")})
    EXPECT_THROW((void)CoinsCoveringObserved(FrequencyTable(), 10, share), std::invalid_argument);
}

float FrozenClock() {
  return 43200.5f;
}

// The critical value of chi-square at p = 0.001 by the Wilson-Hilferty cube, within 1 % of
// the tables from 10 degrees of freedom up.
double CriticalChiSquare(int degrees) {
  const double spread = 2.0 / (9.0 * degrees);
  return degrees * std::pow(1.0 - spread + 3.090232 * std::sqrt(spread), 3);
}

// Runs the engine `runs` times at the largest experiment count and compares the table's bins
// with the exact law: yields chi-square and its degrees of freedom. Bins are pooled from the thin
// lower tail up until each pool expects at least five experiments; a short pool left at the top
// joins the one below it.
template <typename Random>
std::pair<double, int> AgainstExactLaw(Random& random, int guests, int runs) {
  constexpr int kExperiments = ExperimentSettings::MaxExperiments;
  ExperimentSettings settings{.GuestCount = static_cast<std::int16_t>(guests),
                              .ExperimentCount = kExperiments};
  auto engine = std::make_unique<ShortageExperiment<Random>>(random);
  FrequencyTable table;  // not cleared between the runs, so it counts them all
  for (int run = 0; run < runs; ++run)
    engine->Run(settings, table);
  const ShortageDistribution law(guests);
  std::vector<std::pair<double, double>> pools;  // expected and observed experiments
  double expected = 0;
  double seen = 0;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    expected += law.BinProbability(bin) * runs * kExperiments;
    seen += table.Count(bin);
    if (expected >= 5) {
      pools.emplace_back(expected, seen);
      expected = seen = 0;
    }
  }
  pools.back().first += expected;
  pools.back().second += seen;
  double statistic = 0;
  for (const auto& [poolExpected, poolSeen] : pools)
    statistic += (poolSeen - poolExpected) * (poolSeen - poolExpected) / poolExpected;
  return {statistic, static_cast<int>(pools.size()) - 1};
}

// The hard case for the generator: the clock never moves, so every experiment reseeds with
// the same value, and the experiments must still be independent draws of the exact law. The
// seeds are fixed, so the outcome is the same on every run of the test.
TEST(EngineAgainstExactLawTest, FollowsTheLawWithAFrozenClock) {
  EXPECT_NEAR(CriticalChiSquare(10), 29.588, 0.3);  // the tables' values
  EXPECT_NEAR(CriticalChiSquare(50), 86.661, 0.9);
  for (const auto& [guests, seed] : {std::pair{10, 0x5EED0002u}, std::pair{100, 0x5EED0001u}}) {
    RuntimeRandom random(seed, FrozenClock);
    const auto [statistic, degrees] = AgainstExactLaw(random, guests, 2);
    ASSERT_GE(degrees, 10) << guests;
    EXPECT_LT(statistic, CriticalChiSquare(degrees)) << guests << " guests, " << degrees;
  }
}

// A generator that restarts from the seed alone repeats one experiment over and over under a
// frozen clock; the comparison must reject it.
struct RestartingRandom {
  std::mt19937 engine{1};
  float rtcGetTimer() { return FrozenClock(); }
  void rtcRandomize(float seed) { engine.seed(std::bit_cast<std::uint32_t>(seed)); }
  float rtcRandomNext() { return static_cast<float>(engine() >> 8) * 0x1.0p-24f; }
};

TEST(EngineAgainstExactLawTest, RejectsAGeneratorThatRestartsOnReseed) {
  RestartingRandom random;
  const auto [statistic, degrees] = AgainstExactLaw(random, 100, 1);
  EXPECT_GT(statistic, CriticalChiSquare(degrees)) << degrees;
}

}  // namespace
}  // namespace ombrix
