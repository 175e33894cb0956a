// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shortage_distribution.h"

namespace ombrix {

// The finest whole step, 1, 2 or 5 times a power of ten, that splits `span` into at most
// `mostSteps` steps: the ticks of any axis of whole numbers.
int WholeStep(double span, int mostSteps);

// The count axis of a chart: from 0 to `top` in whole steps of `step`, a 1, 2 or 5 times a
// power of ten, so that no tick falls between two whole numbers of experiments.
struct CountAxis {
  int top = 1;
  int step = 1;

  // The axis for counts up to `highest`: the finest step that needs at most kMostSteps steps
  // to reach it, and the first multiple of that step at or above it.
  static CountAxis Reaching(double highest);
  static constexpr int kMostSteps = 6;

  friend bool operator==(const CountAxis&, const CountAxis&) = default;
};

// What the chart of a run shows: one bar for each ShortageValue from the lowest worth showing
// up to +1, with the experiments observed at that value and those theory expects, the count
// axis that holds both, the coins that cover kCoveredShare of experiments by the run and by
// theory, and the run's average beside the exact one. Every figure comes from the run and the
// law alone, so the same run always draws the same chart.
struct ShortageChart {
  // The bars reach down to the lowest value observed, and at least to the value below which
  // theory puts no more than this share of experiments: every possible value at 10 guests.
  static constexpr double kShownTail = 0.0001;

  int guestCount = 0;
  int experimentCount = 0;
  int lowestValue = 0;             // of the first bar; the last one is +1
  std::vector<int> observed{};     // a bar's experiments, from the lowest value up
  std::vector<double> expected{};  // experimentCount times the value's probability
  CountAxis counts{};
  int coinsByRun = 0;
  int coinsByTheory = 0;
  float average = 0;  // the run's, as the engine computed it
  double exactMean = 0;
  // The share of meetings that run short with each number of coins the bars reach, from 0 to
  // MostCoins(), by theory.
  std::vector<double> shortByTheory{};

  int BarCount() const { return static_cast<int>(observed.size()); }
  // The coins that see every bar through: the coins marker moves from 0 to these.
  int MostCoins() const { return -lowestValue; }
  // The share of this run's meetings that ran short with `coins` prepared, 0 to MostCoins().
  double ShortByRun(int coins) const;
  // Every how many values the shortage axis is labelled, on multiples of it: about ten labels
  // on any range.
  int ValueLabelStep() const;
};

// The chart of a run whose experiments gave `shortageValues`, one each, with `average` their
// average, beside `law`, the exact law of the run's guest count. Throws std::out_of_range for a
// value outside -guestCount to +1.
ShortageChart ChartOf(const ShortageDistribution& law, std::span<const std::int16_t> shortageValues,
                      float average);

}  // namespace ombrix
