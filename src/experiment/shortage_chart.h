// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shortage_distribution.h"

namespace ombrix {

// What the chart of a run shows: one bar for each ShortageValue from the lowest worth showing
// up to +1, with the experiments observed at that value and those theory expects, the coins
// that cover kCoveredShare of meetings by the run and by theory, and the run's average beside
// the exact one.
struct ShortageChart {
  // The bars reach down to the lowest value observed, and at least to the value below which
  // theory puts no more than this share of meetings.
  static constexpr double kShownTail = 0.001;

  int guestCount = 0;
  int experimentCount = 0;
  int lowestValue = 0;             // of the first bar; the last one is +1
  std::vector<int> observed{};     // a bar's experiments, from the lowest value up
  std::vector<double> expected{};  // experimentCount times the value's probability
  int coinsByRun = 0;
  int coinsByTheory = 0;
  float average = 0;  // the run's, as the engine computed it
  double exactMean = 0;

  int BarCount() const { return static_cast<int>(observed.size()); }
};

// The chart of a run whose experiments gave `shortageValues`, one each, with `average` their
// average, beside `law`, the exact law of the run's guest count. Throws std::out_of_range for a
// value outside -guestCount to +1.
ShortageChart ChartOf(const ShortageDistribution& law, std::span<const std::int16_t> shortageValues,
                      float average);

}  // namespace ombrix
