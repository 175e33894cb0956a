// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "control_layout.h"
#include "shortage_chart.h"
#include "translate.h"

namespace ombrix {

// The words of the chart window: its title, its axes and legend, and what a
// screen reader says of it, with a run and without one.
struct ChartTexts {
  std::string title;
  std::string name;         // what a screen reader calls the chart
  std::string description;  // what a screen reader says of it
  std::string coinsByRun;   // the legends of the two markers
  std::string coinsByTheory;

  static constexpr Message kObserved = Msg("Observed");
  static constexpr Message kExpected = Msg("Expected");
  static constexpr Message kValueAxis = Msg("Shortage (lowest coin balance)");
  static constexpr Message kCountAxis = Msg("Experiments");
  static constexpr Message kCoinsMarker = Msg("Coins to prepare");
  static constexpr Message kBars = Msg("Bars: choose one to see a meeting");
  // The page's own close button, drawn as a cross.
  static constexpr Message kClose = Msg("Close chart");
  // Under the plot until a bar is chosen.
  static constexpr Message kHint =
      Msg("Click a bar to watch one of its meetings; drag the green line, or use the arrow "
          "keys, to choose the coins");
};

// What the coins marker says at `coins`, 0 to chart.MostCoins(); of a run of 100 guests and
// 1000 experiments: "Prepare 15 coins: short in 11.8 % of these meetings, 11.1 % by theory".
std::string CoinsMarkerText(const ShortageChart& chart, int coins);
// What a screen reader says of the coins marker there: its text and how to move it. The
// marker is a slider of -coins, the place of its line on the shortage axis.
std::string CoinsMarkerDescription(const ShortageChart& chart, int coins);
// The tooltip of a bar, 0 to chart.BarCount() - 1: its experiments, and whether it has a
// meeting to show.
std::string BarToolTip(const ShortageChart& chart, int bar);

// The chart window: its object name, caption and size when it first opens; where it opens is
// worked out beside the main window. Its parts' object names, by what they are.
WindowSpec ChartWindowSpec();
struct ChartWindowNames {
  static constexpr std::string_view kDrawing = "Drawing";  // stands for the bars
  static constexpr std::string_view kCoins = "CoinsToPrepare";
  static constexpr std::string_view kMeeting = "Meeting";  // a meeting's commands
  static constexpr std::string_view kReplay = "Replay";
  static constexpr std::string_view kStep = "Step";
  static constexpr std::string_view kBack = "Back";
  static constexpr std::string_view kCoverage = "Coverage";  // the coins against the guests'
  static constexpr std::string_view kSweep = "Sweep";
  static constexpr std::string_view kClearPoints = "ClearPoints";
  static constexpr std::string_view kCoverageBack = "CoverageBack";
};

ChartTexts TextsOf(const ShortageChart& chart);

// Counts in the chart's words: "100 guests", "1000 experiments", "19 coins cover 95 %".
std::string GuestsText(int guests);
std::string ExperimentsText(int experiments);
std::string CoinsCoverText(int coins);

// After Init: a title that says no run is shown.
ChartTexts NoRunTexts();

}  // namespace ombrix
