// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "frequency_table.h"

namespace ombrix {

// The share of meetings that the coins to prepare should cover, wherever they are shown.
inline constexpr double kCoveredShare = 0.95;

// The exact law of the ShortageValue for a given number of guests: the lowest point of a fair
// +1/-1 walk over the steps 1 to guestCount, the start left out, so its values lie in
// -guestCount to +1. Built from the reflection principle in O(guestCount) time and memory.
class ShortageDistribution {
 public:
  // Throws std::out_of_range unless 1 <= guestCount <= ExperimentSettings::MaxGuests.
  explicit ShortageDistribution(int guestCount);

  int GuestCount() const { return guestCount_; }

  // P(ShortageValue == value); 0 for a value that cannot occur.
  double Probability(int shortageValue) const;
  // The probability of every value that FrequencyTable::BinOf maps to `bin`. Throws
  // std::out_of_range for a bin the table does not have.
  double BinProbability(int bin) const;
  // The expected ShortageValue, the value the average of a run tends to.
  double Mean() const;

  // The share of meetings in which `coins` prepared run short: P(ShortageValue < -coins), with
  // the thin tail's digits kept. 0 for coins >= guestCount; std::out_of_range for coins < 0.
  double ShortShare(int coins) const;

  // The coins to prepare so that the secretary runs short in at most (1 - share) of meetings:
  // the smallest n >= 0 with P(ShortageValue >= -n) >= share. Throws std::invalid_argument
  // unless 0 <= share <= 1. A share of 1 gives guestCount.
  int CoinsCovering(double share) const;

 private:
  int guestCount_;
  // Entry value + guestCount, for values -guestCount to 1.
  std::vector<double> probability_;
  // Entry value + guestCount: P(ShortageValue < value). Summed from the lowest value up, so
  // the thin lower tail keeps its digits instead of drowning in 1 - P(...).
  std::vector<double> below_;
};

// The observed counterpart of CoinsCovering for a run whose experiments gave `shortageValues`,
// one each: the smallest n >= 0 for which at least share * (their number) of them are -n or
// more; 0 for no experiment. A share that makes a whole number of experiments, such as 0.07 of
// 100, asks for exactly that number despite rounding in the product. Throws
// std::invalid_argument unless 0 <= share <= 1.
int CoinsCoveringObserved(std::span<const std::int16_t> shortageValues, double share);

}  // namespace ombrix
