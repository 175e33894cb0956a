// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_notes.h"

#include "frequency_table.h"
#include "number_text.h"
#include "table_texts.h"

namespace ombrix {
namespace {

std::string ExpectedCount(double count) {
  const std::string text = Fixed(count, 2);
  return count > 0 && text == "0.00" ? "less than 0.01" : text;
}

}  // namespace

double RunNotes::Expected(int bin) const {
  return report_.law.BinProbability(bin) * report_.run.experimentCount;
}

std::string RunNotes::Finished() const {
  const ShortageRun& run = report_.run;
  return "Run finished: " + Plural(run.experimentCount, "experiment") + ", average of shortage " +
         AverageText(run.average);
}

std::string RunNotes::CellToolTip(int bin) const {
  const ShortageRun& run = report_.run;
  const double probability = report_.law.BinProbability(bin);
  std::string text = "Shortage " + BinName(bin) +
                     "\nObserved: " + Plural(run.table.Count(bin), "experiment") + "\nExpected: ";
  if (probability == 0)
    text += "0 (cannot occur with " + Plural(run.guestCount, "guest") + ")";
  else
    text += ExpectedCount(probability * run.experimentCount) + " of " +
            std::to_string(run.experimentCount) + " (probability " + Percent(probability) + ")";
  return text + "\n" + kTableHintAfterRun;
}

std::string RunNotes::AverageToolTip() const {
  const ShortageRun& run = report_.run;
  return "Expected average for " + Plural(run.guestCount, "guest") + ": " +
         Fixed(report_.law.Mean(), 2) + "\nCoins to prepare to run short in at most " +
         Percent(1 - kCoveredShare) + " of experiments: " + std::to_string(CoinsByRun()) +
         " by this run, " + std::to_string(CoinsByTheory()) + " by theory";
}

int RunNotes::CoinsByRun() const {
  return CoinsCoveringObserved(report_.run.Values(), kCoveredShare);
}

int RunNotes::CoinsByTheory() const {
  return report_.law.CoinsCovering(kCoveredShare);
}

std::string RunNotes::TabSeparated() const {
  const ShortageRun& run = report_.run;
  std::string text = "Shortage\tObserved\tExpected\n";
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    text += BinName(bin) + "\t" + std::to_string(run.table.Count(bin)) + "\t" +
            PlainDecimal(Expected(bin), 6) + "\n";
  }
  text += "Number of guests\t" + std::to_string(run.guestCount) + "\n";
  text += "Number of experiments\t" + std::to_string(run.experimentCount) + "\n";
  text += "Average of shortage\t" + AverageText(run.average) + "\t" +
          PlainDecimal(report_.law.Mean(), 6) + "\n";
  text += "Coins to prepare for " + Percent(kCoveredShare) + "\t" + std::to_string(CoinsByRun()) +
          "\t" + std::to_string(CoinsByTheory()) + "\n";
  return text;
}

}  // namespace ombrix
