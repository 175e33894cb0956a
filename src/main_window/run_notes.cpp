// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_notes.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace ombrix {
namespace {

// A cell's value, or its range for the two open cells.
QString ValueName(int bin) {
  if (bin == 1)
    return QStringLiteral("-58 or less");
  if (bin == FrequencyTable::kBinCount)
    return QStringLiteral("4 or more");
  return QString::number(bin - 59);
}

// `value` as a plain decimal to `significant` digits, trailing zeros dropped: no exponent and
// a period for the decimal point, which a spreadsheet reads as a number and a reader at sight.
QString PlainDecimal(double value, int significant) {
  if (value == 0)
    return QStringLiteral("0");
  const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
  QString text = QString::number(value, 'f', std::max(0, significant - 1 - magnitude));
  if (text.contains('.')) {
    while (text.endsWith('0'))
      text.chop(1);
    if (text.endsWith('.'))
      text.chop(1);
  }
  return text;
}

// Three significant digits, so that the tiny probabilities of the far cells differ.
QString Percent(double probability) {
  return PlainDecimal(probability * 100, 3) + QStringLiteral(" %");
}

QString ExpectedCount(double count) {
  const QString text = QString::number(count, 'f', 2);
  return count > 0 && text == QLatin1String("0.00") ? QStringLiteral("less than 0.01") : text;
}

QString Plural(int count, const char* word) {
  return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(word)).arg(count == 1 ? "" : "s");
}

}  // namespace

RunNotes::RunNotes(const FrequencyTable& table, int guestCount, int experimentCount,
                   const QString& averageText)
    : table_(table),
      guestCount_(guestCount),
      experimentCount_(experimentCount),
      averageText_(averageText),
      theory_(guestCount) {}

double RunNotes::Expected(int bin) const {
  return theory_.BinProbability(bin) * experimentCount_;
}

QString RunNotes::CellToolTip(int bin) const {
  const double probability = theory_.BinProbability(bin);
  QStringList lines;
  lines << QStringLiteral("Shortage %1").arg(ValueName(bin));
  lines << QStringLiteral("Observed: %1").arg(Plural(table_.Count(bin), "experiment"));
  if (probability == 0) {
    lines << QStringLiteral("Expected: 0 (cannot occur with %1)").arg(Plural(guestCount_, "guest"));
  } else {
    lines << QStringLiteral("Expected: %1 of %2 (probability %3)")
                 .arg(ExpectedCount(Expected(bin)))
                 .arg(experimentCount_)
                 .arg(Percent(probability));
  }
  return lines.join('\n');
}

QString RunNotes::AverageToolTip() const {
  const auto observed = CoinsCoveringObserved(table_, experimentCount_, kCoveredShare);
  const QString byRun = observed ? QString::number(*observed) : QStringLiteral("58 or more");
  return QStringLiteral(
             "Expected average for %1: %2\n"
             "Coins to prepare to run short in at most 5 % of meetings: %3 by this run, %4 by "
             "theory")
      .arg(Plural(guestCount_, "guest"))
      .arg(theory_.Mean(), 0, 'f', 2)
      .arg(byRun)
      .arg(theory_.CoinsCovering(kCoveredShare));
}

QString RunNotes::TabSeparated() const {
  QStringList lines;
  lines << QStringLiteral("Shortage\tObserved\tExpected");
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    lines << QStringLiteral("%1\t%2\t%3")
                 .arg(ValueName(bin))
                 .arg(table_.Count(bin))
                 .arg(PlainDecimal(Expected(bin), 6));
  }
  lines << QStringLiteral("Number of guests\t%1").arg(guestCount_);
  lines << QStringLiteral("Number of experiments\t%1").arg(experimentCount_);
  lines << QStringLiteral("Average of shortage\t%1\t%2")
               .arg(averageText_, PlainDecimal(theory_.Mean(), 6));
  return lines.join('\n') + '\n';
}

}  // namespace ombrix
