// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "run_notes.h"
#include "shortage_run.h"

namespace ombrix {
namespace {

// A run made by hand: its values recorded as the engine records them.
ShortageRun RunOf(int guests, const std::vector<std::int16_t>& values) {
  ShortageRun run{.guestCount = guests, .experimentCount = static_cast<int>(values.size())};
  for (std::size_t k = 0; k < values.size(); ++k) {
    run.values[k] = values[k];
    run.sum += values[k];
    run.table.Record(values[k]);
  }
  run.average = static_cast<float>(run.sum) / run.experimentCount;
  return run;
}

TEST(RunNotesTest, TooltipsTellTheObservedAndExpectedCountOfEachCell) {
  const RunReport report(RunOf(10, {-2, -2, 0, 1}));
  const RunNotes notes(report);
  // clang-format off
  const std::pair<int, const char*> rows[] = {
      {57, "Shortage -2\nObserved: 2 experiments\nExpected: 0.82 of 4 (probability 20.5 %)"},
      {60, "Shortage 1\nObserved: 1 experiment\nExpected: 0.49 of 4 (probability 12.3 %)"},
      {49, "Shortage -10\nObserved: 0 experiments\nExpected: less than 0.01 of 4 "
           "(probability 0.0977 %)"},
      {1, "Shortage -58 or less\nObserved: 0 experiments\nExpected: 0 (cannot occur with 10 "
          "guests)"},
      {63, "Shortage 4 or more\nObserved: 0 experiments\nExpected: 0 (cannot occur with 10 "
           "guests)"}};
  // clang-format on
  for (const auto& [bin, tip] : rows)
    EXPECT_EQ(notes.CellToolTip(bin), tip) << bin;
  EXPECT_EQ(notes.AverageToolTip(),
            "Expected average for 10 guests: -1.96\nCoins to prepare to run short in at most 5 % "
            "of meetings: 2 by this run, 6 by theory");
  // Beyond the table's last value of its own, the run's coins are told as a range.
  const RunReport far(RunOf(100, {-60, -58, 0})), edge(RunOf(100, {-57, -57}));
  EXPECT_TRUE(RunNotes(far).AverageToolTip().ends_with(": 58 or more by this run, 19 by theory"));
  EXPECT_TRUE(RunNotes(edge).AverageToolTip().ends_with(": 57 by this run, 19 by theory"));
}

TEST(RunNotesTest, TheCopiedTableHasALineForEachCellThenTheSettingsAndTheAverage) {
  const RunReport report(RunOf(100, {-7, -7, -3, -1, 0}));
  const std::string copied = RunNotes(report).TabSeparated();
  EXPECT_EQ(std::ranges::count(copied, '\n'), 67);
  EXPECT_TRUE(
      copied.starts_with("Shortage\tObserved\tExpected\n-58 or less\t0\t0.0000000136332\n"));
  EXPECT_NE(copied.find("\n-7\t2\t0.289792\n"), std::string::npos);
  EXPECT_TRUE(
      copied.ends_with("\n4 or more\t0\t0\nNumber of guests\t100\nNumber of experiments\t5\n"
                       "Average of shortage\t-3.6\t-7.45892\n"));
  // Tiny expected counts stay plain decimals, which a spreadsheet reads as numbers; whole ones
  // have no period.
  const auto exponent = [](unsigned char a, char b) { return std::isdigit(a) && b == 'e'; };
  EXPECT_EQ(std::ranges::adjacent_find(copied, exponent), copied.end());
  const RunReport whole(RunOf(10, std::vector<std::int16_t>(1024, 0)));
  EXPECT_NE(RunNotes(whole).TabSeparated().find("\n-10\t0\t1\n"), std::string::npos);
}

}  // namespace
}  // namespace ombrix
