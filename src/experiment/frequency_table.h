// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "experiment_settings.h"

namespace ombrix {

// The values one bin of the table counts: a single value, or every value up to or from one.
struct BinValues {
  enum class Extent { Single, OrLess, OrMore };
  int value;
  Extent extent;

  bool operator==(const BinValues&) const = default;
};

// Counts of experiments per ShortageValue in bins numbered 1 to kBinCount. Every value from
// kLowestOwnValue to kHighestOwnValue has a bin of its own; bin 1 holds every value below
// them, the last bin every value above them.
class FrequencyTable {
 public:
  static constexpr int kLowestOwnValue = -57;
  static constexpr int kHighestOwnValue = 3;
  static constexpr int kBinCount = kHighestOwnValue - kLowestOwnValue + 3;

  static_assert(kLowestOwnValue <= 0 && kHighestOwnValue >= 1,
                "the values a meeting ends most often with, 0 and 1, need bins of their own");

  static constexpr int BinOf(int shortageValue) {
    if (shortageValue < kLowestOwnValue)
      return 1;
    if (shortageValue > kHighestOwnValue)
      return kBinCount;
    return shortageValue - kLowestOwnValue + 2;
  }

  // The values that BinOf maps to `bin`. Throws std::out_of_range unless 1 <= bin <= kBinCount.
  static BinValues ValuesOf(int bin);

  // Adds one experiment of `shortageValue` to its bin.
  void Record(std::int16_t shortageValue) { ++counts_.at(BinOf(shortageValue)); }

  // Count of `bin`, 1 to kBinCount; std::out_of_range for any other.
  std::int16_t Count(int bin) const { return counts_[CheckedBin(bin)]; }
  // Decimal digits of the count of `bin`: "0" for an empty bin.
  std::string CellText(int bin) const { return std::to_string(Count(bin)); }

 private:
  static int CheckedBin(int bin);

  // A bin never counts more than a run's experiments.
  std::array<std::int16_t, kBinCount + 1> counts_{};  // index 0 is unused
};

// The average shortage as the pattern "#####.0" shows it: a minus sign for a negative value,
// the integer digits without leading zeros (none when the integer part is 0), a period and
// one digit rounded to tenths.
std::string AverageText(float shortageAverage);

}  // namespace ombrix
