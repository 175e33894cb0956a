// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "coverage_curve.h"
#include "coverage_points.h"
#include "coverage_texts.h"

namespace ombrix {
namespace {

// The coins that cover 95 % of meetings of `guests`, counted without the reflection principle:
// every walk enumerated up to 20 guests, else the share of walks that never go below -k,
// stepped guest by guest, for k = 0, 1, … until it reaches 95 %.
int CountedCoins(int guests) {
  if (guests <= 20) {
    std::vector<int> lowest(std::size_t(guests) + 2);
    for (unsigned walk = 0; walk < 1u << guests; ++walk) {
      int balance = 0, low = guests;
      for (int guest = 0; guest < guests; ++guest)
        low = std::min(low, balance += walk >> guest & 1 ? 1 : -1);
      ++lowest[std::size_t(std::max(0, -low))];
    }
    unsigned covered = 0;
    for (int coins = 0;; ++coins)
      if ((covered += unsigned(lowest[std::size_t(coins)])) >= 0.95 * double(1u << guests))
        return coins;
  }
  for (int coins = 0;; ++coins) {
    std::vector<double> share(std::size_t(guests + coins) + 2);  // by balance + coins
    share[std::size_t(coins)] = 1;
    for (int guest = 0; guest < guests; ++guest) {
      std::vector<double> next(share.size());
      for (std::size_t at = 0; at + 1 < share.size(); ++at) {
        next[at + 1] += share[at] / 2;
        if (at > 0)
          next[at - 1] += share[at] / 2;
      }
      share = std::move(next);
    }
    double kept = 0;
    for (const double part : share)
      kept += part;
    if (kept >= 0.95 - 1e-12)
      return coins;
  }
}

TEST(CoverageCurveTest, TheorysCoinsMatchAnIndependentCount) {
  const CoverageCurve& curve = CoverageCurve::Theory();
  for (int guests = 10; guests <= 20; ++guests)
    EXPECT_EQ(curve.CoinsAt(guests), CountedCoins(guests)) << guests << " guests, enumerated";
  for (const int guests : {37, 99, 100, 101, 250, 333, 500, 999, 1000})
    EXPECT_EQ(curve.CoinsAt(guests), CountedCoins(guests)) << guests << " guests, stepped";
  EXPECT_EQ(curve.CoinsAt(100), 19);
  EXPECT_EQ(curve.CoinsAt(1000), 61);
  EXPECT_THROW((void)curve.CoinsAt(9), std::out_of_range);
  EXPECT_THROW((void)curve.CoinsAt(1001), std::out_of_range);
  // The coins grow with the guests, never by more than one a guest.
  for (int guests = 11; guests <= 1000; ++guests) {
    const int step = curve.CoinsAt(guests) - curve.CoinsAt(guests - 1);
    ASSERT_TRUE(step == 0 || step == 1) << guests << " guests: " << step;
  }
}

TEST(CoverageCurveTest, TheGuideMeetsTheCurveAtAThousandGuests) {
  const CoverageCurve& curve = CoverageCurve::Theory();
  EXPECT_DOUBLE_EQ(curve.GuideFactor(), 61 / std::sqrt(1000.0));
  EXPECT_EQ(GuideLabel(curve), "1.93 × √guests");
  // Close to 1.96, the end's 2.5 % point, as the reflection principle has it.
  EXPECT_NEAR(curve.GuideFactor(), 1.96, 0.05);
}

TEST(CoverageCurveTest, TwiceTheGuestsAsTheirCountsSayIt) {
  const CoverageCurve& curve = CoverageCurve::Theory();
  // clang-format off
  struct Row { std::vector<int> guests; std::string sentence; };
  const Row rows[] = {
      {{}, "Run 500 guests or fewer to see what twice the guests need"},
      {{1000, 501}, "Run 500 guests or fewer to see what twice the guests need"},
      {{100}, "Twice the guests: about 1.4 times the coins"},
      {{100, 1000}, "Twice the guests: about 1.4 times the coins"},
      {{10, 20, 50, 100, 200, 500, 1000}, "Twice the guests: about 1.3 to 1.5 times the coins"},
      {{10}, "Twice the guests: about 1.3 times the coins"},
      {{500, 250}, "Twice the guests: about 1.4 times the coins"},
      {{500}, "Twice the guests: about 1.4 times the coins"},
  };
  // clang-format on
  for (const Row& row : rows) {
    CoveragePoints points;
    for (const int guests : row.guests)
      points.Record({.guests = guests, .coins = 1, .experimentCount = 1});
    EXPECT_EQ(DoublingSentence(curve, points), row.sentence)
        << ::testing::PrintToString(row.guests);
    // Each factor as the independent count gives it, to a tenth.
    const auto doubling = curve.DoublingOf(row.guests);
    for (const int guests : row.guests) {
      if (2 * guests > 1000)
        continue;
      const double factor = std::round(10.0 * CountedCoins(2 * guests) / CountedCoins(guests)) / 10;
      ASSERT_TRUE(doubling);
      EXPECT_GE(factor, doubling->least) << guests;
      EXPECT_LE(factor, doubling->most) << guests;
    }
  }
}

TEST(CoveragePointsTest, EachGuestCountKeepsItsLatestRunInOrder) {
  CoveragePoints points;
  using enum PointSource;
  points.Record({.guests = 200, .coins = 27, .experimentCount = 100, .source = Sweep});
  points.Record({.guests = 10, .coins = 6, .experimentCount = 100, .source = Sweep});
  points.Record({.guests = 200, .coins = 25, .experimentCount = 30, .source = Hand});
  points.Record({.guests = 1000, .coins = 60, .experimentCount = 100, .source = Sweep});
  EXPECT_EQ(points.Guests(), (std::vector{10, 200, 1000}));
  EXPECT_EQ(points.All()[1],
            (CoveragePoint{.guests = 200, .coins = 25, .experimentCount = 30, .source = Hand}));
  points.Record({.guests = 200, .coins = 26, .experimentCount = 100, .source = Sweep});
  EXPECT_EQ(points.All()[1].source, Sweep) << "the latest run, whoever made it";
  points.Clear();
  EXPECT_TRUE(points.All().empty());
}

}  // namespace
}  // namespace ombrix
