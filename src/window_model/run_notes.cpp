// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_notes.h"

#include "frequency_table.h"
#include "number_text.h"
#include "table_texts.h"
#include "translate.h"

namespace ombrix {
namespace {

std::string ExpectedCount(double count) {
  const std::string text = Fixed(count, 2);
  return count > 0 && text == "0.00" ? Tr("less than 0.01") : text;
}

}  // namespace

double RunNotes::Expected(int bin) const {
  return report_.law.BinProbability(bin) * report_.run.experimentCount;
}

std::string RunNotes::Finished() const {
  const ShortageRun& run = report_.run;
  return TrN("Run finished: {count} experiment, average of shortage {average}",
             "Run finished: {count} experiments, average of shortage {average}",
             run.experimentCount,
             {{"count", run.experimentCount}, {"average", AverageText(run.average)}});
}

std::string RunNotes::CellToolTip(int bin) const {
  const ShortageRun& run = report_.run;
  const double probability = report_.law.BinProbability(bin);
  const int observed = run.table.Count(bin);
  const std::string expected =
      probability == 0 ? TrN("Expected: 0 (cannot occur with {count} guest)",
                             "Expected: 0 (cannot occur with {count} guests)", run.guestCount,
                             {{"count", run.guestCount}})
                       : Tr("Expected: {count} of {experiments} (probability {probability})",
                            {{"count", ExpectedCount(probability * run.experimentCount)},
                             {"experiments", run.experimentCount},
                             {"probability", Percent(probability)}});
  return Tr("Shortage {values}", {{"values", BinName(bin)}}) + "\n" +
         TrN("Observed: {count} experiment", "Observed: {count} experiments", observed,
             {{"count", observed}}) +
         "\n" + expected + "\n" + Tr(kTableHintAfterRun);
}

std::string RunNotes::AverageToolTip() const {
  const ShortageRun& run = report_.run;
  return TrN("Expected average for {count} guest: {average}",
             "Expected average for {count} guests: {average}", run.guestCount,
             {{"count", run.guestCount}, {"average", Fixed(report_.law.Mean(), 2)}}) +
         "\n" +
         Tr("Coins to prepare to run short in at most {share} of experiments: {byRun} by this "
            "run, {byTheory} by theory",
            {{"share", Percent(1 - kCoveredShare)},
             {"byRun", CoinsByRun()},
             {"byTheory", CoinsByTheory()}});
}

int RunNotes::CoinsByRun() const {
  return CoinsCoveringObserved(report_.run.Values(), kCoveredShare);
}

int RunNotes::CoinsByTheory() const {
  return report_.law.CoinsCovering(kCoveredShare);
}

// A line of cells for a spreadsheet: the first names the row, in the catalogue's words; the
// others are numbers, plain decimals in every language.
std::string RunNotes::TabSeparated() const {
  const ShortageRun& run = report_.run;
  std::string text = Tr("Shortage") + "\t" + Tr("Observed") + "\t" + Tr("Expected") + "\n";
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    text += BinName(bin) + "\t" + std::to_string(run.table.Count(bin)) + "\t" +
            PlainDecimal(Expected(bin), 6) + "\n";
  }
  text += Tr("Number of guests") + "\t" + std::to_string(run.guestCount) + "\n";
  text += Tr("Number of experiments") + "\t" + std::to_string(run.experimentCount) + "\n";
  text += Tr("Average of shortage") + "\t" + AverageText(run.average) + "\t" +
          PlainDecimal(report_.law.Mean(), 6) + "\n";
  text += Tr("Coins to prepare for {share}", {{"share", Percent(kCoveredShare)}}) + "\t" +
          std::to_string(CoinsByRun()) + "\t" + std::to_string(CoinsByTheory()) + "\n";
  return text;
}

}  // namespace ombrix
