// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_records.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "chart_texts.h"
#include "frequency_table.h"
#include "meeting_texts.h"
#include "number_text.h"
#include "run_notes.h"
#include "shortage_chart.h"

namespace ombrix {

using emscripten::val;

namespace {

template <typename Item>
val ArrayOf(const std::vector<Item>& items) {
  val array = val::array();
  for (const Item& item : items)
    array.call<void>("push", item);
  return array;
}

// The words of the chart: its title, and its name and description for a screen reader.
val Words(const ChartTexts& texts) {
  val words = val::object();
  words.set("title", texts.title);
  words.set("name", texts.name);
  words.set("description", texts.description);
  return words;
}

}  // namespace

val RunRecord(const RunReport& report) {
  const ShortageRun& run = report.run;
  const RunNotes notes(report);
  std::vector<std::string> cells, toolTips;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    cells.push_back(run.table.CellText(bin));
    toolTips.push_back(notes.CellToolTip(bin));
  }
  val record = val::object();
  record.set("average", AverageText(run.average));
  record.set("cells", ArrayOf(cells));
  record.set("toolTips", ArrayOf(toolTips));
  record.set("averageToolTip", notes.AverageToolTip());
  record.set("copied", notes.TabSeparated());
  return record;
}

val ChartRecord(const RunReport& report) {
  const ShortageChart chart = ChartOf(report.law, report.run.Values(), report.run.average);
  const ChartTexts texts = TextsOf(chart);
  val record = Words(texts);
  record.set("lowestValue", chart.lowestValue);
  record.set("observed", ArrayOf(chart.observed));
  record.set("expected", ArrayOf(chart.expected));
  record.set("countTop", chart.counts.top);
  record.set("countStep", chart.counts.step);
  record.set("valueLabelStep", chart.ValueLabelStep());
  record.set("coinsByRun", chart.coinsByRun);
  record.set("coinsByTheory", chart.coinsByTheory);
  record.set("coinsByRunLegend", texts.coinsByRun);
  record.set("coinsByTheoryLegend", texts.coinsByTheory);
  record.set("mostCoins", chart.MostCoins());
  std::vector<std::string> markerTexts, markerDescriptions, barToolTips;
  for (int coins = 0; coins <= chart.MostCoins(); ++coins) {
    markerTexts.push_back(CoinsMarkerText(chart, coins));
    markerDescriptions.push_back(CoinsMarkerDescription(chart, coins));
  }
  for (int bar = 0; bar < chart.BarCount(); ++bar)
    barToolTips.push_back(BarToolTip(chart, bar));
  record.set("coinsMarkerTexts", ArrayOf(markerTexts));
  record.set("coinsMarkerDescriptions", ArrayOf(markerDescriptions));
  record.set("barToolTips", ArrayOf(barToolTips));
  return record;
}

val MeetingRecord(const MeetingWalk& walk, int experimentCount) {
  const MeetingTexts texts = TextsOf(walk, experimentCount);
  val balances = val::array();
  for (const std::int16_t balance : walk.Balances())
    balances.call<void>("push", int{balance});
  // What a replay says after 0, 1, ... guests, all at once: a replay then asks nothing of the
  // module, which may be waiting for a dialog while it plays.
  std::vector<std::string> statuses;
  for (int guests = 0; guests <= walk.guestCount; ++guests)
    statuses.push_back(ReplayStatus(walk, guests));
  // The axes' ticks, from the balances the drawing spans, the start's 0 among them.
  const int highest = std::max(0, int(std::ranges::max(walk.Balances())));
  const int lowest = std::min(0, walk.lowest);
  val record = val::object();
  record.set("experiment", walk.experiment);
  record.set("guestCount", walk.guestCount);
  record.set("balances", balances);
  record.set("lowest", walk.lowest);
  record.set("lowestGuest", walk.lowestGuest);
  record.set("caption", texts.caption);
  record.set("name", texts.name);
  record.set("description", texts.description);
  record.set("lowestLabel", texts.lowestLabel);
  record.set("statuses", ArrayOf(statuses));
  record.set("guestStep", WholeStep(walk.guestCount, 8));
  record.set("balanceStep", WholeStep(std::max(highest - lowest, 1), 6));
  return record;
}

val ChartWindowRecord() {
  const WindowSpec window = ChartWindowSpec();
  val record = val::object();
  record.set("name", window.name);
  record.set("caption", window.caption);
  val size = val::object();
  size.set("width", window.rect.Pixels().width);
  size.set("height", window.rect.Pixels().height);
  record.set("size", size);
  record.set("valueAxis", std::string(ChartTexts::kValueAxis));
  record.set("countAxis", std::string(ChartTexts::kCountAxis));
  record.set("observed", std::string(ChartTexts::kObserved));
  record.set("expected", std::string(ChartTexts::kExpected));
  record.set("noRun", Words(NoRunTexts()));
  record.set("coinsMarker", std::string(ChartTexts::kCoinsMarker));
  record.set("bars", std::string(ChartTexts::kBars));
  record.set("guestAxis", std::string(MeetingTexts::kGuestAxis));
  record.set("balanceAxis", std::string(MeetingTexts::kBalanceAxis));
  record.set("replay", std::string(MeetingTexts::kReplay));
  record.set("pause", std::string(MeetingTexts::kPause));
  record.set("resume", std::string(MeetingTexts::kResume));
  record.set("back", std::string(MeetingTexts::kBack));
  return record;
}

}  // namespace ombrix
