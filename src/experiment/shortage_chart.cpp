// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortage_chart.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace ombrix {

ShortageChart ChartOf(const ShortageDistribution& theory,
                      std::span<const std::int16_t> shortageValues, float average) {
  const int guestCount = theory.GuestCount();
  ShortageChart chart{.guestCount = guestCount,
                      .experimentCount = static_cast<int>(shortageValues.size()),
                      .lowestValue = -theory.CoinsCovering(1.0 - ShortageChart::kShownTail),
                      .coinsByRun = CoinsCoveringObserved(shortageValues, kCoveredShare),
                      .coinsByTheory = theory.CoinsCovering(kCoveredShare),
                      .average = average,
                      .exactMean = theory.Mean()};
  for (const int value : shortageValues) {
    if (value < -guestCount || value > 1)
      throw std::out_of_range("shortage value " + std::to_string(value) + " is outside -" +
                              std::to_string(guestCount) + " to 1");
    chart.lowestValue = std::min(chart.lowestValue, value);
  }
  chart.observed.assign(2 - chart.lowestValue, 0);
  for (const int value : shortageValues)
    ++chart.observed[value - chart.lowestValue];
  for (int bar = 0; bar < chart.BarCount(); ++bar)
    chart.expected.push_back(chart.experimentCount * theory.Probability(chart.lowestValue + bar));
  return chart;
}

}  // namespace ombrix
