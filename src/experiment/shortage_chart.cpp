// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortage_chart.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string>

namespace ombrix {

int WholeStep(double span, int mostSteps) {
  for (int power = 1;; power *= 10) {
    for (const int step : {power, 2 * power, 5 * power})
      if (span / step <= mostSteps)
        return step;
  }
}

CountAxis CountAxis::Reaching(double highest) {
  const int step = WholeStep(highest, kMostSteps);
  return {.top = std::max(static_cast<int>(std::ceil(highest / step)), 1) * step, .step = step};
}

int ShortageChart::ValueLabelStep() const {
  for (const int step : {1, 2, 5, 10, 20, 50})
    if (BarCount() <= 12 * step)
      return step;
  return 100;
}

double ShortageChart::ShortByRun(int coins) const {
  if (coins < 0 || coins > MostCoins())
    throw std::out_of_range("coins " + std::to_string(coins) + " are outside 0 to " +
                            std::to_string(MostCoins()));
  if (experimentCount == 0)
    return 0.0;
  // The bars left of -coins are the meetings that needed more.
  const auto shortBars = static_cast<std::ptrdiff_t>(-coins - lowestValue);
  return double(std::reduce(observed.begin(), observed.begin() + shortBars)) / experimentCount;
}

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
  for (int coins = 0; coins <= chart.MostCoins(); ++coins)
    chart.shortByTheory.push_back(theory.ShortShare(coins));
  chart.counts = CountAxis::Reaching(
      std::max(std::ranges::max(chart.expected), double(std::ranges::max(chart.observed))));
  return chart;
}

}  // namespace ombrix
