// The engine's values against the exact law of the lowest point of a fair +1/-1 walk.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "experiment_settings.h"
#include "frequency_table.h"
#include "runtime_random.h"
#include "scripted_random.h"
#include "shortage_experiment.h"

namespace ombrix {
namespace {

using testing_support::kHeads;
using testing_support::kTails;
using testing_support::ScriptedRandom;

// Distribution of min(S_1, ..., S_n) of a walk from S_0 = 0 with steps of +1 and -1, the start
// excluded. Entry v + n holds the weight of the value v, for v from -n to 1. With a step
// weight of 1 the entries count toss sequences; with 1/2 they are probabilities.
template <typename T>
std::vector<T> WalkMinimumByDynamicProgramming(int n, T stepWeight) {
  const int positions = 2 * n + 1;
  const int minima = n + 2;
  auto at = [&](std::vector<T>& grid, int position, int lowest) -> T& {
    return grid[(position + n) * minima + (lowest + n)];
  };
  std::vector<T> current(positions * minima, T{});
  at(current, 1, 1) = stepWeight;
  at(current, -1, -1) = stepWeight;
  for (int step = 2; step <= n; ++step) {
    std::vector<T> next(positions * minima, T{});
    for (int position = -step + 1; position <= step - 1; ++position) {
      for (int lowest = -n; lowest <= 1; ++lowest) {
        const T weight = at(current, position, lowest);
        if (weight == T{})
          continue;
        for (int move : {1, -1}) {
          const int to = position + move;
          at(next, to, std::min(lowest, to)) += weight * stepWeight;
        }
      }
    }
    current = std::move(next);
  }
  std::vector<T> distribution(n + 2, T{});
  for (int position = -n; position <= n; ++position) {
    for (int lowest = -n; lowest <= 1; ++lowest) {
      distribution[lowest + n] += at(current, position, lowest);
    }
  }
  return distribution;
}

// The same law from the reflection principle, as an independent check of the walk above.
double EndpointAtMost(int n, int b) {  // P(S_n <= b)
  double total = 0;
  for (int ups = 0; ups <= n; ++ups) {
    if (2 * ups - n > b)
      break;
    total += std::exp(std::lgamma(n + 1.0) - std::lgamma(ups + 1.0) - std::lgamma(n - ups + 1.0) -
                      n * std::log(2.0));
  }
  return total;
}

double MinimumFromZeroAtMost(int n, int a) {  // P(min(S_0..S_n) <= -a), a >= 1
  return EndpointAtMost(n, -a) + EndpointAtMost(n, -a - 1);
}

std::vector<double> WalkMinimumByReflection(int n) {
  std::vector<double> distribution(n + 2);
  // Staying at 1 or above from the first step on: a first head, then a walk that never dips
  // below its start.
  const double staysPositive = 0.5 * (1.0 - (n > 1 ? MinimumFromZeroAtMost(n - 1, 1) : 0.0));
  distribution[1 + n] = staysPositive;
  distribution[0 + n] = 1.0 - MinimumFromZeroAtMost(n, 1) - staysPositive;
  for (int v = -1; v >= -n; --v) {
    distribution[v + n] = MinimumFromZeroAtMost(n, -v) - MinimumFromZeroAtMost(n, -v + 1);
  }
  return distribution;
}

int MinimumOfSequence(int n, unsigned mask) {  // bit i set: guest i + 1 pays with a coin
  int balance = 0;
  int lowest = n + 1;
  for (int i = 0; i < n; ++i) {
    balance += (mask >> i & 1u) ? 1 : -1;
    lowest = std::min(lowest, balance);
  }
  return lowest;
}

// Q(a, x), the regularized upper incomplete gamma function: series below a + 1, continued
// fraction above.
double UpperIncompleteGammaRatio(double a, double x) {
  if (x <= 0)
    return 1.0;
  const double logPrefix = -x + a * std::log(x) - std::lgamma(a);
  if (x < a + 1) {
    double term = 1.0 / a;
    double sum = term;
    for (int k = 1; k < 10000; ++k) {
      term *= x / (a + k);
      sum += term;
      if (term < sum * 1e-16)
        break;
    }
    return 1.0 - sum * std::exp(logPrefix);
  }
  constexpr double kTiny = 1e-300;
  double b = x + 1 - a;
  double c = 1 / kTiny;
  double d = 1 / b;
  double h = d;
  for (int i = 1; i < 10000; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::abs(d) < kTiny)
      d = kTiny;
    c = b + an / c;
    if (std::abs(c) < kTiny)
      c = kTiny;
    d = 1 / d;
    const double delta = d * c;
    h *= delta;
    if (std::abs(delta - 1) < 1e-16)
      break;
  }
  return std::exp(logPrefix) * h;
}

double ChiSquarePValue(double statistic, int degreesOfFreedom) {
  return UpperIncompleteGammaRatio(degreesOfFreedom / 2.0, statistic / 2.0);
}

struct ChiSquare {
  double statistic = 0;
  int degreesOfFreedom = 0;
  double pValue = 1;
};

// Cells are pooled in the given order until each pool expects at least five; a short pool
// left at the end joins the one before it.
ChiSquare PooledChiSquare(const std::vector<long long>& observed,
                          const std::vector<double>& probabilities, long long total) {
  std::vector<double> expectedPools;
  std::vector<long long> observedPools;
  double expected = 0;
  long long seen = 0;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    expected += probabilities[i] * total;
    seen += observed[i];
    if (expected >= 5) {
      expectedPools.push_back(expected);
      observedPools.push_back(seen);
      expected = 0;
      seen = 0;
    }
  }
  if (expected > 0 || seen > 0) {
    expectedPools.back() += expected;
    observedPools.back() += seen;
  }
  ChiSquare result;
  for (std::size_t i = 0; i < expectedPools.size(); ++i) {
    const double difference = observedPools[i] - expectedPools[i];
    result.statistic += difference * difference / expectedPools[i];
  }
  result.degreesOfFreedom = static_cast<int>(expectedPools.size()) - 1;
  result.pValue = ChiSquarePValue(result.statistic, result.degreesOfFreedom);
  return result;
}

ExperimentSettings SettingsOf(std::int16_t guests, std::int16_t experiments) {
  ExperimentSettings settings;
  settings.GuestCount = guests;
  settings.ExperimentCount = experiments;
  return settings;
}

// Runs the engine `runs` times at the largest experiment count and compares every value with
// the exact law, from value 1 downward so that the thin lower tail is what gets pooled.
template <typename Random>
ChiSquare CompareWithExactLaw(Random& random, int guests, int runs) {
  constexpr std::int16_t kExperiments = ExperimentSettings::MaxExperiments;
  auto engine = std::make_unique<ShortageExperiment<Random>>(random);
  FrequencyTable table;
  std::vector<long long> observed(guests + 2, 0);  // entry 0 is the value 1, the last -guests
  for (int run = 0; run < runs; ++run) {
    table.Clear();
    engine->Run(SettingsOf(static_cast<std::int16_t>(guests), kExperiments), table);
    for (int k = 1; k <= kExperiments; ++k) {
      const int value = engine->ShortageByExperiment[k];
      EXPECT_TRUE(value >= -guests && value <= 1) << value;
      if (value >= -guests && value <= 1)
        ++observed[1 - value];
    }
  }
  const std::vector<double> exact = WalkMinimumByDynamicProgramming(guests, 0.5);
  std::vector<double> probabilities(guests + 2);
  for (int value = 1; value >= -guests; --value)
    probabilities[1 - value] = exact[value + guests];
  const ChiSquare result =
      PooledChiSquare(observed, probabilities, static_cast<long long>(runs) * kExperiments);
  testing::Test::RecordProperty("chiSquare", std::to_string(result.statistic));
  testing::Test::RecordProperty("degreesOfFreedom", result.degreesOfFreedom);
  testing::Test::RecordProperty("pValue", std::to_string(result.pValue));
  return result;
}

float FixedClock() {
  return 43200.5f;
}

TEST(WalkMinimumTest, ExactCountsMatchEveryTenTossSequence) {
  constexpr int kGuests = 10;
  std::vector<std::uint64_t> bruteForce(kGuests + 2, 0);
  for (unsigned mask = 0; mask < (1u << kGuests); ++mask) {
    ++bruteForce[MinimumOfSequence(kGuests, mask) + kGuests];
  }
  EXPECT_EQ(WalkMinimumByDynamicProgramming<std::uint64_t>(kGuests, 1), bruteForce);
  EXPECT_EQ(bruteForce[1 + kGuests], 126u);  // C(9,4): first head, then never below 1
  EXPECT_EQ(bruteForce[0], 1u);              // all tails
}

TEST(WalkMinimumTest, ReflectionAgreesWithTheWalk) {
  for (int guests : {1, 2, 10, 57, 100}) {
    const std::vector<double> walk = WalkMinimumByDynamicProgramming(guests, 0.5);
    const std::vector<double> reflection = WalkMinimumByReflection(guests);
    double total = 0;
    for (int i = 0; i < guests + 2; ++i) {
      EXPECT_NEAR(walk[i], reflection[i], 1e-12) << guests << " " << i - guests;
      total += walk[i];
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
  }
}

TEST(WalkMinimumTest, ChiSquarePValuesMatchTheTables) {
  // Critical values at p = 0.001 from the standard tables, and an exact case for two degrees.
  const std::pair<int, double> table[] = {{1, 10.828},  {5, 20.515},  {10, 29.588}, {20, 45.315},
                                          {30, 59.703}, {40, 73.402}, {50, 86.661}};
  for (const auto& [degrees, critical] : table) {
    EXPECT_NEAR(ChiSquarePValue(critical, degrees), 0.001, 2e-6) << degrees;
  }
  EXPECT_NEAR(ChiSquarePValue(3.0, 2), std::exp(-1.5), 1e-14);
  EXPECT_NEAR(ChiSquarePValue(100.0, 2), std::exp(-50.0), 1e-30);
}

TEST(ShortageDistributionTest, EngineFindsTheMinimumOfEveryTenTossSequence) {
  constexpr int kGuests = 10;
  constexpr int kSequences = 1 << kGuests;
  std::vector<float> draws;
  for (unsigned mask = 0; mask < kSequences; ++mask) {
    for (int i = 0; i < kGuests; ++i)
      draws.push_back((mask >> i & 1u) ? kHeads : kTails);
  }
  ScriptedRandom random(draws);
  auto engine = std::make_unique<ShortageExperiment<ScriptedRandom>>(random);
  FrequencyTable table;
  table.Clear();
  engine->Run(SettingsOf(kGuests, kSequences), table);

  for (unsigned mask = 0; mask < kSequences; ++mask) {
    ASSERT_EQ(engine->ShortageByExperiment[mask + 1], MinimumOfSequence(kGuests, mask)) << mask;
  }
  const auto counts = WalkMinimumByDynamicProgramming<std::uint64_t>(kGuests, 1);
  for (int value = -kGuests; value <= 1; ++value) {
    EXPECT_EQ(static_cast<std::uint64_t>(table.Count(FrequencyTable::BinOf(value))),
              counts[value + kGuests])
        << value;
  }
}

// The hard case for the generator: the clock never moves, so every experiment reseeds with the
// same value. The experiments must still be independent draws of the exact law. The seed is
// fixed, so the outcome is the same on every run of the test.
TEST(ShortageDistributionTest, HundredGuestsWithAFrozenClockFollowTheExactLaw) {
  RuntimeRandom random(0x5EED'0001u, FixedClock);
  const ChiSquare result = CompareWithExactLaw(random, 100, 2);
  EXPECT_GT(result.degreesOfFreedom, 20);
  EXPECT_GT(result.pValue, 0.001) << "chi-square " << result.statistic << " on "
                                  << result.degreesOfFreedom << " degrees of freedom";
}

TEST(ShortageDistributionTest, TenGuestsWithAFrozenClockFollowTheExactLaw) {
  RuntimeRandom random(0x5EED'0002u, FixedClock);
  const ChiSquare result = CompareWithExactLaw(random, 10, 2);
  EXPECT_GE(result.degreesOfFreedom, 10);
  EXPECT_GT(result.pValue, 0.001) << "chi-square " << result.statistic << " on "
                                  << result.degreesOfFreedom << " degrees of freedom";
}

// A generator that restarts from the seed alone repeats one experiment over and over under a
// frozen clock; the comparison above must reject it.
struct RestartingRandom {
  std::mt19937 engine{1};
  float rtcGetTimer() { return FixedClock(); }
  void rtcRandomize(float seed) { engine.seed(std::bit_cast<std::uint32_t>(seed)); }
  float rtcRandomNext() { return static_cast<float>(engine() >> 8) * 0x1.0p-24f; }
};

TEST(ShortageDistributionTest, ComparisonRejectsAGeneratorThatRestartsOnReseed) {
  RestartingRandom random;
  const ChiSquare result = CompareWithExactLaw(random, 100, 1);
  EXPECT_LT(result.pValue, 1e-6) << result.statistic;
}

}  // namespace
}  // namespace ombrix
