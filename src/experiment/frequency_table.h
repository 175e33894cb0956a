// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ombrix {

// Counts of experiments per shortage value in 63 bins, numbered 1 to 63. Bin 1 holds every
// value below -57, bins 2 to 62 the values -57 to 3, bin 63 every value above 3.
class FrequencyTable {
 public:
  static constexpr int kBinCount = 63;
  static constexpr int kLowestOwnValue = -57;
  static constexpr int kHighestOwnValue = 3;

  static constexpr int BinOf(int shortageValue) {
    if (shortageValue < kLowestOwnValue)
      return 1;
    if (shortageValue > kHighestOwnValue)
      return kBinCount;
    return shortageValue + 59;
  }

  void Clear() { counts_.fill(0); }
  void Record(std::int16_t shortageValue) { ++counts_[BinOf(shortageValue)]; }

  // Count of bin k, for k from 1 to 63.
  std::int16_t Count(int bin) const { return counts_.at(bin); }
  // Decimal digits of the count of bin k: "0" for an empty bin.
  std::string CellText(int bin) const;

 private:
  std::array<std::int16_t, kBinCount + 1> counts_{};  // index 0 is unused
};

// The average shortage as the pattern "#####.0" shows it: a minus sign for a negative value,
// the integer digits without leading zeros (none when the integer part is 0), a period and
// one digit rounded to tenths.
std::string AverageText(float shortageAverage);

}  // namespace ombrix
