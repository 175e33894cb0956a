// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "frequency_table.h"
#include "shortage_distribution.h"

namespace ombrix {

// A finished run next to what theory expects of it: the notes behind the table's tooltips and
// the text that Ctrl+C copies. Nothing here is shown until the user hovers or copies.
class RunNotes {
 public:
  RunNotes(const FrequencyTable& table, int guestCount, int experimentCount,
           const QString& averageText);

  // For the count cell of `bin`: its value or range, the observed count, and the expected
  // count with its probability.
  QString CellToolTip(int bin) const;
  // For the average: the expected average, and the coins that cover 95 % of meetings by this
  // run and by theory.
  QString AverageToolTip() const;
  // The table as tab-separated text for a spreadsheet: a header line, one line a cell, then
  // the settings and the average.
  QString TabSeparated() const;

 private:
  double Expected(int bin) const;

  FrequencyTable table_;
  int guestCount_;
  int experimentCount_;
  QString averageText_;
  ShortageDistribution theory_;
};

}  // namespace ombrix
