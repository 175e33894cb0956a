// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequency_table.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace ombrix {

int FrequencyTable::CheckedBin(int bin) {
  if (bin < 1 || bin > kBinCount) {
    throw std::out_of_range("bin " + std::to_string(bin) + " is outside 1 to " +
                            std::to_string(kBinCount));
  }
  return bin;
}

BinValues FrequencyTable::ValuesOf(int bin) {
  CheckedBin(bin);
  if (bin == 1)
    return {.value = kLowestOwnValue - 1, .extent = BinValues::Extent::OrLess};
  if (bin == kBinCount)
    return {.value = kHighestOwnValue + 1, .extent = BinValues::Extent::OrMore};
  return {.value = bin - 2 + kLowestOwnValue, .extent = BinValues::Extent::Single};
}

std::string AverageText(float shortageAverage) {
  // Rounded from the float's exact binary value, halves away from zero: -11.25 shows -11.3,
  // while -11.65f, which is really -11.6499996..., shows -11.6. Times ten is exact in double.
  const double tenths = std::round(static_cast<double>(shortageAverage) * 10.0);
  if (!std::isfinite(tenths))
    return std::to_string(shortageAverage);

  // A value that rounds to zero shows as ".0" whatever its sign: "-.0" would read as a fault.
  const bool negative = tenths < 0;
  const double magnitude = std::fabs(tenths);
  const double lastDigit = std::fmod(magnitude, 10.0);
  const double integerPart = (magnitude - lastDigit) / 10.0;

  std::string text = negative ? "-" : "";
  if (integerPart > 0) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.0f", integerPart);
    text += digits;
  }
  text += '.';
  text += static_cast<char>('0' + static_cast<int>(lastDigit));
  return text;
}

}  // namespace ombrix
