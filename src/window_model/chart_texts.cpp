// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_texts.h"

#include "number_text.h"

namespace ombrix {
namespace {

std::string Marker(const char* whose, int coins) {
  return std::string(whose) + ": " + Plural(coins, "coin") + (coins == 1 ? " covers " : " cover ") +
         Percent(kCoveredShare);
}

}  // namespace

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
