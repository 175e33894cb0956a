// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shortage_run.h"

namespace ombrix {

// A finished run next to what theory expects of it: the notes behind the table's tooltips and
// the text that Ctrl+C copies. Reads the report it is given, which must outlive it.
class RunNotes {
 public:
  explicit RunNotes(const RunReport& report) : report_(report) {}

  // For the count cell of `bin`: its value or range, the observed count, and the expected
  // count with its probability.
  std::string CellToolTip(int bin) const;
  // What a screen reader is told once the run is shown: "Run finished: 1000 experiments,
  // average of shortage -7.4".
  std::string Finished() const;
  // For the average: the expected average, and the coins that cover 95 % of experiments by
  // this run, counted on the experiments' own values as the chart counts them, and by theory.
  std::string AverageToolTip() const;
  // The table as tab-separated text for a spreadsheet: a header line, one line a cell, then
  // the settings, the average and the coins to prepare.
  std::string TabSeparated() const;

 private:
  double Expected(int bin) const;
  int CoinsByRun() const;
  int CoinsByTheory() const;

  const RunReport& report_;
};

}  // namespace ombrix
