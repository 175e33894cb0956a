// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_records.h"

#include <string>
#include <vector>

#include "frequency_table.h"
#include "number_text.h"
#include "run_notes.h"

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

}  // namespace ombrix
