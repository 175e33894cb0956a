// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_texts.h"

#include "frequency_table.h"
#include "number_text.h"

namespace ombrix {
namespace {

std::string Marker(const char* whose, int coins) {
  return std::string(whose) + ": " + std::to_string(coins) + " coins cover " +
         Percent(kCoveredShare);
}

}  // namespace

WindowSpec ChartWindowSpec() {
  return {.name = "Chart",
          .caption = "Experiment of Ombrix 2\uFF3FChart\u3000Ombrix project 2026",
          .rect = {.width = 9600, .height = 7200}};
}

ChartTexts TextsOf(const ShortageChart& chart) {
  const std::string guests = std::to_string(chart.guestCount);
  const std::string experiments = std::to_string(chart.experimentCount);
  const std::string average = AverageText(chart.average);
  const std::string exact = Fixed(chart.exactMean, 2);
  return {
      .title = "Guests " + guests + ", experiments " + experiments + ": average " + average +
               ", exact expected average " + exact,
      .name = "Chart: guests " + guests + ", experiments " + experiments,
      .description = "Bars for the lowest coin balances from " + std::to_string(chart.lowestValue) +
                     " to 1, with how many meetings reached each; a line with how many theory "
                     "expects. Average " +
                     average + ", exact expected average " + exact + ". To run short in at most " +
                     Percent(1 - kCoveredShare) + " of meetings, prepare " +
                     std::to_string(chart.coinsByRun) + " coins by this run, " +
                     std::to_string(chart.coinsByTheory) + " by theory.",
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
