// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_texts.h"

#include "number_text.h"

namespace ombrix {
namespace {

std::string Marker(const char* whose, int coins) {
  return std::string(whose) + ": " + Plural(coins, "coin") + (coins == 1 ? " covers " : " cover ") +
         Percent(kCoveredShare);
}

// A share of meetings in tenths of a percent, never rounded to look certain: a share that
// is not 0 never shows "0.0 %", and one that is not 1 never shows "100.0 %".
std::string ShareText(double share) {
  const std::string percent = Fixed(share * 100, 1);
  if (share > 0 && percent == "0.0")
    return "under 0.1 %";
  if (share < 1 && percent == "100.0")
    return "over 99.9 %";
  return percent + " %";
}

}  // namespace

std::string CoinsMarkerText(const ShortageChart& chart, int coins) {
  return "Prepare " + Plural(coins, "coin") + ": short in " + ShareText(chart.ShortByRun(coins)) +
         " of these meetings, " + ShareText(chart.shortByTheory.at(coins)) + " by theory";
}

std::string CoinsMarkerDescription(const ShortageChart& chart, int coins) {
  return CoinsMarkerText(chart, coins) + ". Left adds a coin and Right takes one off, from 0 to " +
         Plural(chart.MostCoins(), "coin") + ".";
}

std::string BarToolTip(const ShortageChart& chart, int bar) {
  const int count = chart.observed.at(bar);
  const std::string value = "Shortage " + std::to_string(chart.lowestValue + bar) + ": ";
  if (count == 0)
    return value + "no experiment, so no meeting to show";
  return value + Plural(count, "experiment") + ". Click, tap again or press Enter to see " +
         (count == 1 ? "its meeting" : "one of these meetings, and again for the next");
}

WindowSpec ChartWindowSpec() {
  return {.name = "Chart",
          .caption = "Experiment of Ombrix 2\uFF3FChart\u3000Ombrix project 2026",
          .rect = {.width = 9600, .height = 7200}};
}

ChartTexts TextsOf(const ShortageChart& chart) {
  const std::string settings =
      Plural(chart.guestCount, "guest") + ", " + Plural(chart.experimentCount, "experiment");
  // Side by side with the same decimals, and a zero before the point.
  const std::string averages =
      Fixed(chart.average, 2) + ", exact expected average " + Fixed(chart.exactMean, 2);
  return {.title = settings + ": average " + averages,
          .name = "Chart: " + settings,
          .description = "Bars for the shortages (lowest coin balances) from " +
                         std::to_string(chart.lowestValue) +
                         " to 1, with how many experiments had each; a line with how many theory "
                         "expects. Average " +
                         averages + ". To run short in at most " + Percent(1 - kCoveredShare) +
                         " of experiments, prepare " + Plural(chart.coinsByRun, "coin") +
                         " by this run, " + std::to_string(chart.coinsByTheory) + " by theory.",
          .coinsByRun = Marker("This run", chart.coinsByRun),
          .coinsByTheory = Marker("Theory", chart.coinsByTheory)};
}

ChartTexts NoRunTexts() {
  return {.title = "No run shown: Init cleared the table",
          .name = "Chart: no run shown",
          .description = "Experiment Start in the main window draws the chart of the next run.",
          .coinsByRun = "",
          .coinsByTheory = ""};
}

}  // namespace ombrix
