// The exact law of the ShortageValue against enumeration, closed forms and hand-made tables.

#include "shortage_distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "experiment_settings.h"
#include "frequency_table.h"

namespace ombrix {
namespace {

// Number of toss sequences per lowest balance, entry value + n for values -n to 1.
std::vector<std::uint64_t> CountEveryTossSequence(int n) {
  std::vector<std::uint64_t> counts(n + 2, 0);
  for (std::uint32_t mask = 0; mask < (1u << n); ++mask) {
    int balance = 0;
    int lowest = n + 1;
    for (int guest = 0; guest < n; ++guest) {
      balance += (mask >> guest & 1u) ? 1 : -1;
      lowest = std::min(lowest, balance);
    }
    ++counts[lowest + n];
  }
  return counts;
}

// P(S_n == balance) for the balance after n fair tosses, from lgamma rather than a recurrence.
double EndpointChance(int n, int balance) {
  if (balance < -n || balance > n || (balance + n) % 2 != 0)
    return 0.0;
  const int heads = (balance + n) / 2;
  return std::exp(std::lgamma(n + 1.0) - std::lgamma(heads + 1.0) - std::lgamma(n - heads + 1.0) -
                  n * std::log(2.0));
}

// P(lowest balance >= -coins) straight from the reflection principle: the walk stays above
// -coins - 1 exactly when its end lies in -coins .. coins + 1, weighted by endpoint counts.
double CoveredByReflection(int n, int coins) {
  double covered = 0.0;
  for (int balance = -coins; balance <= coins + 1; ++balance)
    covered += EndpointChance(n, balance);
  return covered;
}

FrequencyTable TableOf(std::initializer_list<std::pair<int, int>> valueCounts) {
  FrequencyTable table;
  table.Clear();
  for (const auto& [value, count] : valueCounts) {
    for (int i = 0; i < count; ++i)
      table.Record(static_cast<std::int16_t>(value));
  }
  return table;
}

TEST(ShortageDistributionTheoryTest, MatchesEveryTossSequenceUpToSixteenGuests) {
  for (int n = 1; n <= 16; ++n) {
    const ShortageDistribution distribution(n);
    const std::vector<std::uint64_t> counts = CountEveryTossSequence(n);
    const double sequences = std::ldexp(1.0, n);
    double atLeast = 0.0;
    double mean = 0.0;
    for (int value = 3; value >= -n - 2; --value) {
      const bool possible = value >= -n && value <= 1;
      const double exact = possible ? counts[value + n] / sequences : 0.0;
      atLeast += exact;
      mean += value * exact;
      EXPECT_NEAR(distribution.Probability(value), exact, 1e-12) << n << " guests, " << value;
      EXPECT_NEAR(distribution.ProbabilityAtLeast(value), atLeast, 1e-12)
          << n << " guests, " << value;
    }
    EXPECT_NEAR(distribution.Mean(), mean, 1e-12) << n;
    EXPECT_EQ(distribution.GuestCount(), n);
  }
}

TEST(ShortageDistributionTheoryTest, KnownValuesAndTheThinTail) {
  const ShortageDistribution ten(10);
  EXPECT_DOUBLE_EQ(ten.Probability(1), 126.0 / 1024);  // first head, then never below 1
  EXPECT_DOUBLE_EQ(ten.Probability(-10), 1.0 / 1024);  // all tails
  EXPECT_DOUBLE_EQ(ten.Mean(), -1.9609375);

  // The extremes of the largest count are 2^-1000 each: they must keep their digits, not come
  // out as 0 or as rounding noise of a difference.
  const ShortageDistribution thousand(1000);
  const double extreme = std::ldexp(1.0, -1000);
  EXPECT_NEAR(thousand.Probability(-1000) / extreme, 1.0, 1e-12);  // all tails
  EXPECT_NEAR(thousand.Probability(-999) / extreme, 1.0, 1e-12);   // all tails, then a head
  EXPECT_NEAR(thousand.Probability(-998) / (1000 * extreme), 1.0, 1e-12);
}

TEST(ShortageDistributionTheoryTest, ProbabilitiesAddUpToOneForEveryGuestCountFrom10To1000) {
  for (int n = ExperimentSettings::MinGuests; n <= ExperimentSettings::MaxGuests; ++n) {
    const ShortageDistribution distribution(n);
    double byValue = 0.0;
    for (int value = -n; value <= 1; ++value) {
      ASSERT_GE(distribution.Probability(value), 0.0) << n << " guests, " << value;
      byValue += distribution.Probability(value);
    }
    double byBin = 0.0;
    for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
      byBin += distribution.BinProbability(bin);
    EXPECT_NEAR(byValue, 1.0, 1e-9) << n;
    EXPECT_NEAR(byBin, 1.0, 1e-9) << n;
    EXPECT_EQ(distribution.ProbabilityAtLeast(-n), 1.0) << n;
    EXPECT_EQ(distribution.ProbabilityAtLeast(2), 0.0) << n;
  }
}

// E[min(S_0..S_n)] = -(E[S_n+] + E[(S_n - 1)+]) by reflection of the maximum; leaving out the
// start only lifts the walks that stay at 1 or above, by one.
TEST(ShortageDistributionTheoryTest, MeanMatchesTheClosedFormOfTheReflectedMaximum) {
  for (int n : {10, 11, 57, 58, 100, 101, 999, 1000}) {
    double positivePart = 0.0;
    double shiftedPositivePart = 0.0;
    for (int balance = 1; balance <= n; ++balance) {
      positivePart += balance * EndpointChance(n, balance);
      shiftedPositivePart += (balance - 1) * EndpointChance(n, balance);
    }
    const int j = (n - 1) / 2;
    const double staysAboveStart = std::exp(std::lgamma(n + 0.0) - std::lgamma(j + 1.0) -
                                            std::lgamma(n - j + 0.0) - n * std::log(2.0));
    const double expected = staysAboveStart - positivePart - shiftedPositivePart;
    EXPECT_NEAR(ShortageDistribution(n).Mean(), expected, 1e-9) << n;
  }
  EXPECT_NEAR(ShortageDistribution(100).Mean(), -7.458923738717876, 1e-12);
  EXPECT_NEAR(ShortageDistribution(1000).Mean(), -24.725018178360802, 1e-11);
}

TEST(ShortageDistributionTheoryTest, BinsGroupValuesAsTheTableDoes) {
  for (int n : {10, 57, 58, 59, 100, 1000}) {
    const ShortageDistribution distribution(n);
    for (int bin = 61; bin <= 63; ++bin)
      EXPECT_EQ(distribution.BinProbability(bin), 0.0) << n << " guests, bin " << bin;
    for (int value = -57; value <= 1; ++value) {
      EXPECT_EQ(distribution.BinProbability(value + 59), distribution.Probability(value))
          << n << " guests, " << value;
    }
    if (n < 58) {
      EXPECT_EQ(distribution.BinProbability(1), 0.0) << n;
    } else {
      EXPECT_NEAR(distribution.BinProbability(1), 1.0 - CoveredByReflection(n, 57), 1e-12) << n;
    }
  }
  // -58 is the first value of the open bin, reached only by 58 tails in a row.
  EXPECT_NEAR(ShortageDistribution(58).BinProbability(1) / std::ldexp(1.0, -58), 1.0, 1e-12);
  // Ten guests reach only -10 to 1, bins 49 to 60.
  const ShortageDistribution ten(10);
  for (int bin = 1; bin <= 63; ++bin) {
    if (bin < 49 || bin > 60)
      EXPECT_EQ(ten.BinProbability(bin), 0.0) << bin;
    else
      EXPECT_GT(ten.BinProbability(bin), 0.0) << bin;
  }
  EXPECT_THROW((void)ten.BinProbability(0), std::out_of_range);
  EXPECT_THROW((void)ten.BinProbability(64), std::out_of_range);
}

TEST(ShortageDistributionTheoryTest, GuestCountsOutsideTheArraysAreRefused) {
  EXPECT_THROW(ShortageDistribution(0), std::out_of_range);
  EXPECT_THROW(ShortageDistribution(-1), std::out_of_range);
  EXPECT_THROW(ShortageDistribution(ExperimentSettings::MaxGuests + 1), std::out_of_range);
  EXPECT_NO_THROW(ShortageDistribution(1));
  EXPECT_NO_THROW(ShortageDistribution(ExperimentSettings::MaxGuests));
}

TEST(ShortageDistributionTheoryTest, ImpossibleValuesHaveNoWeight) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  const ShortageDistribution distribution(20);
  for (int value : {kMin, -21, 2, 3, kMax})
    EXPECT_EQ(distribution.Probability(value), 0.0) << value;
  EXPECT_EQ(distribution.ProbabilityAtLeast(kMin), 1.0);
  EXPECT_EQ(distribution.ProbabilityAtLeast(-21), 1.0);
  EXPECT_EQ(distribution.ProbabilityAtLeast(kMax), 0.0);
}

TEST(ShortageDistributionTheoryTest, CoinsCoveringAgreesWithTheReflectionSum) {
  for (int n : {10, 100, 1000}) {
    const ShortageDistribution distribution(n);
    for (double share : {0.5, 0.9, 0.95, 0.99}) {
      int coins = 0;
      while (CoveredByReflection(n, coins) < share)
        ++coins;
      EXPECT_EQ(distribution.CoinsCovering(share), coins) << n << " guests, share " << share;
    }
  }
  // The same figures from exact rational arithmetic.
  EXPECT_EQ(ShortageDistribution(10).CoinsCovering(0.95), 6);
  EXPECT_EQ(ShortageDistribution(100).CoinsCovering(0.95), 19);
  EXPECT_EQ(ShortageDistribution(1000).CoinsCovering(0.95), 61);
}

TEST(ShortageDistributionTheoryTest, CoinsCoveringAtTheEndsOfTheShare) {
  for (int n : {1, 10, 1000}) {
    const ShortageDistribution distribution(n);
    EXPECT_EQ(distribution.CoinsCovering(0.0), 0) << n;
    // Only one coin per guest is safe in every meeting, however thin the last 2^-n.
    EXPECT_EQ(distribution.CoinsCovering(1.0), n) << n;
  }
  const ShortageDistribution distribution(100);
  EXPECT_THROW((void)distribution.CoinsCovering(-0.01), std::invalid_argument);
  EXPECT_THROW((void)distribution.CoinsCovering(1.01), std::invalid_argument);
  EXPECT_THROW((void)distribution.CoinsCovering(std::nan("")), std::invalid_argument);
}

TEST(CoinsCoveringObservedTest, ExactlyTheShareIsEnough) {
  // 95 of 100 at -5 or more: exactly 95 %.
  const FrequencyTable table = TableOf({{1, 10}, {0, 50}, {-5, 35}, {-9, 5}});
  EXPECT_EQ(CoinsCoveringObserved(table, 100, 0.95), 5);
  EXPECT_EQ(CoinsCoveringObserved(table, 100, 0.96), 9);
  EXPECT_EQ(CoinsCoveringObserved(table, 100, 1.0), 9);
  EXPECT_EQ(CoinsCoveringObserved(table, 100, 0.6), 0);
  EXPECT_EQ(CoinsCoveringObserved(table, 100, 0.0), 0);

  // 0.07 * 100 is 7.000000000000001 in doubles; seven experiments are still 7 %.
  const FrequencyTable seven = TableOf({{1, 7}, {-20, 93}});
  EXPECT_EQ(CoinsCoveringObserved(seven, 100, 0.07), 0);
  EXPECT_EQ(CoinsCoveringObserved(seven, 100, 0.08), 20);
  // 19 of 20 is 95 %, however 0.95 * 20 rounds.
  const FrequencyTable twenty = TableOf({{-2, 19}, {-3, 1}});
  EXPECT_EQ(CoinsCoveringObserved(twenty, 20, 0.95), 2);
}

TEST(CoinsCoveringObservedTest, AllInOneBin) {
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{-7, 1000}}), 1000, 0.95), 7);
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{-7, 1000}}), 1000, 0.001), 7);
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{1, 1}}), 1, 1.0), 0);
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{-57, 10000}}), 10000, 1.0), 57);
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{-1000, 3}}), 3, 0.0), 0);
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{-1000, 3}}), 3, 0.01), std::nullopt);
}

TEST(CoinsCoveringObservedTest, TheOpenBinCoversNoCount) {
  // 50 of 1000 lie at -58 or below: 95 % is reached at -3, anything more needs the open bin.
  const FrequencyTable table = TableOf({{-58, 20}, {-400, 30}, {-3, 950}});
  EXPECT_EQ(CoinsCoveringObserved(table, 1000, 0.95), 3);
  EXPECT_EQ(CoinsCoveringObserved(table, 1000, 0.951), std::nullopt);
  EXPECT_EQ(CoinsCoveringObserved(table, 1000, 1.0), std::nullopt);
  // One experiment at -57 is still told apart; at -58 it is not.
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{0, 99}, {-57, 1}}), 100, 1.0), 57);
  EXPECT_EQ(CoinsCoveringObserved(TableOf({{0, 99}, {-58, 1}}), 100, 1.0), std::nullopt);
}

TEST(CoinsCoveringObservedTest, SharesOutsideZeroToOneAreRefused) {
  const FrequencyTable table = TableOf({{0, 10}});
  EXPECT_THROW((void)CoinsCoveringObserved(table, 10, -0.5), std::invalid_argument);
  EXPECT_THROW((void)CoinsCoveringObserved(table, 10, 1.5), std::invalid_argument);
  EXPECT_THROW((void)CoinsCoveringObserved(table, 10, std::nan("")), std::invalid_argument);
}

}  // namespace
}  // namespace ombrix
