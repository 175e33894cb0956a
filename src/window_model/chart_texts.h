// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shortage_chart.h"

namespace ombrix {

// The words of the chart window: its caption, its title, its axes and legend, and what a
// screen reader says of it, with a run and without one.
struct ChartTexts {
  std::string title;
  std::string name;         // what a screen reader calls the chart
  std::string description;  // what a screen reader says of it
  std::string coinsByRun;   // the legends of the two markers
  std::string coinsByTheory;

  static constexpr const char* kCaption =
      "Experiment of Ombrix 2\uFF3FChart\u3000Ombrix project 2026";
  static constexpr const char* kObserved = "Observed";
  static constexpr const char* kExpected = "Expected";
  static constexpr const char* kValueAxis = "Lowest coin balance";
  static constexpr const char* kCountAxis = "Meetings";
};

ChartTexts TextsOf(const ShortageChart& chart);

// After Init: a title that says no run is shown.
ChartTexts NoRunTexts();

}  // namespace ombrix
