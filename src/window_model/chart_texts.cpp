// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_texts.h"

#include "number_text.h"

namespace ombrix {
namespace {

// A share of meetings in tenths of a percent, never rounded to look certain: a share that
// is not 0 never shows "0.0 %", and one that is not 1 never shows "100.0 %".
std::string ShareText(double share) {
  const std::string percent = Fixed(share * 100, 1);
  if (share > 0 && percent == "0.0")
    return Tr("under 0.1 %");
  if (share < 1 && percent == "100.0")
    return Tr("over 99.9 %");
  return PercentText(percent);
}

}  // namespace

std::string CoinsMarkerText(const ShortageChart& chart, int coins) {
  return TrN("Prepare {count} coin: short in {byRun} of these meetings, {byTheory} by theory",
             "Prepare {count} coins: short in {byRun} of these meetings, {byTheory} by theory",
             coins,
             {{"count", coins},
              {"byRun", ShareText(chart.ShortByRun(coins))},
              {"byTheory", ShareText(chart.shortByTheory.at(coins))}});
}

std::string CoinsMarkerDescription(const ShortageChart& chart, int coins) {
  const int most = chart.MostCoins();
  return TrN("{marker}. Left adds a coin and Right takes one off, from 0 to {count} coin.",
             "{marker}. Left adds a coin and Right takes one off, from 0 to {count} coins.", most,
             {{"marker", CoinsMarkerText(chart, coins)}, {"count", most}});
}

std::string BarToolTip(const ShortageChart& chart, int bar) {
  const int count = chart.observed.at(bar);
  const int value = chart.lowestValue + bar;
  if (count == 0)
    return Tr("Shortage {value}: no experiment, so no meeting to show", {{"value", value}});
  if (count == 1)
    return Tr("Shortage {value}: 1 experiment. Click, tap again or press Enter to see its meeting",
              {{"value", value}});
  return TrN(
      "Shortage {value}: {count} experiment. Click, tap again or press Enter to see one of these "
      "meetings, and again for the next",
      "Shortage {value}: {count} experiments. Click, tap again or press Enter to see one of these "
      "meetings, and again for the next",
      count, {{"value", value}, {"count", count}});
}

WindowSpec ChartWindowSpec() {
  return {.name = "Chart",
          .caption = Tr("Experiment of Ombrix 2\uFF3FChart\u3000Ombrix project 2026"),
          .rect = {.width = 9600, .height = 7200}};
}

std::string GuestsText(int guests) {
  return TrN("{count} guest", "{count} guests", guests, {{"count", guests}});
}

std::string ExperimentsText(int experiments) {
  return TrN("{count} experiment", "{count} experiments", experiments, {{"count", experiments}});
}

std::string CoinsCoverText(int coins) {
  return TrN("{count} coin covers {share}", "{count} coins cover {share}", coins,
             {{"count", coins}, {"share", Percent(kCoveredShare)}});
}

ChartTexts TextsOf(const ShortageChart& chart) {
  const std::string settings =
      Tr("{guests}, {experiments}", {{"guests", GuestsText(chart.guestCount)},
                                     {"experiments", ExperimentsText(chart.experimentCount)}});
  // Side by side with the same decimals, and a zero before the point.
  const std::string averages =
      Tr("{average}, exact expected average {exact}",
         {{"average", Fixed(chart.average, 2)}, {"exact", Fixed(chart.exactMean, 2)}});
  const auto marker = [](Message whose, int coins) {
    return Tr(whose, {{"coins", CoinsCoverText(coins)}});
  };
  return {
      .title =
          Tr("{settings}: average {averages}", {{"settings", settings}, {"averages", averages}}),
      .name = Tr("Chart: {settings}", {{"settings", settings}}),
      .description = TrN(
          "Bars for the shortages (lowest coin balances) from {lowest} to 1, with how many "
          "experiments had each; a line with how many theory expects. Average {averages}. To run "
          "short in at most {share} of experiments, prepare {count} coin by this run, {byTheory} "
          "by theory.",
          "Bars for the shortages (lowest coin balances) from {lowest} to 1, with how many "
          "experiments had each; a line with how many theory expects. Average {averages}. To run "
          "short in at most {share} of experiments, prepare {count} coins by this run, {byTheory} "
          "by theory.",
          chart.coinsByRun,
          {{"lowest", chart.lowestValue},
           {"averages", averages},
           {"share", Percent(1 - kCoveredShare)},
           {"count", chart.coinsByRun},
           {"byTheory", chart.coinsByTheory}}),
      .coinsByRun = marker(Msg("This run: {coins}"), chart.coinsByRun),
      .coinsByTheory = marker(Msg("Theory: {coins}"), chart.coinsByTheory)};
}

ChartTexts NoRunTexts() {
  return {.title = Tr("No run shown: Init cleared the table"),
          .name = Tr("Chart: no run shown"),
          .description = Tr("Experiment Start in the main window draws the chart of the next run."),
          .coinsByRun = "",
          .coinsByTheory = ""};
}

}  // namespace ombrix
