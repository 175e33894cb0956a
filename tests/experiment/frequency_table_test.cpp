#include "frequency_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>

namespace ombrix {
namespace {

TEST(FrequencyTableTest, BinOfEdges) {
  constexpr int kMin = std::numeric_limits<std::int16_t>::min();
  constexpr int kMax = std::numeric_limits<std::int16_t>::max();
  constexpr std::pair<int, int> kBins[] = {{kMin, 1}, {-1000, 1}, {-58, 1},  {-57, 2}, {-50, 9},
                                           {-49, 10}, {-1, 58},   {0, 59},   {1, 60},  {2, 61},
                                           {3, 62},   {4, 63},    {kMax, 63}};
  for (const auto& [value, bin] : kBins)
    EXPECT_EQ(FrequencyTable::BinOf(value), bin) << value;
  for (int value = -57; value <= 3; ++value)  // each of these has a bin of its own
    EXPECT_EQ(FrequencyTable::BinOf(value), value + 59) << value;
}

TEST(FrequencyTableTest, RecordsInExactlyOneBinAndClearEmptiesThemAll) {
  FrequencyTable table;
  for (int value : {-1000, -58, -57, -57, 0, 0, 0, 1, 3, 4, 250})
    table.Record(static_cast<std::int16_t>(value));
  for (int i = 0; i < 10000; ++i)
    table.Record(-3);

  const std::map<int, std::string> kFilled = {{1, "2"},  {2, "2"},  {56, "10000"}, {59, "3"},
                                              {60, "1"}, {62, "1"}, {63, "2"}};
  int total = 0;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    const auto filled = kFilled.find(bin);  // plain digits, and 0 for an empty bin
    EXPECT_EQ(table.CellText(bin), filled == kFilled.end() ? "0" : filled->second) << bin;
    total += table.Count(bin);
  }
  EXPECT_EQ(total, 10011);

  table.Clear();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    EXPECT_EQ(table.CellText(bin), "0") << bin;
}

TEST(AverageTextTest, Formats) {
  struct Shows {
    float average;
    const char* text;
  };
  for (const auto& [average, text] :
       {Shows{-11.84f, "-11.8"}, Shows{1.0f, "1.0"}, Shows{0.0f, ".0"}, Shows{-0.5f, "-.5"},
        Shows{-3.0f, "-3.0"}, Shows{0.3f, ".3"}, Shows{-1000.0f, "-1000.0"},
        Shows{-12.0625f, "-12.1"}, Shows{12345.0f, "12345.0"},
        // Rounding carries into the integer part.
        Shows{9.96f, "10.0"}, Shows{-9.96f, "-10.0"}, Shows{0.96f, "1.0"}, Shows{-0.96f, "-1.0"},
        Shows{99999.97f, "100000.0"},
        // Five digit places in the pattern do not limit a longer integer part.
        Shows{123456.0f, "123456.0"}, Shows{-1234567.0f, "-1234567.0"},
        Shows{1e10f, "10000000000.0"},
        // Exactly halfway, which only quarters can be in a float: away from zero.
        Shows{-11.25f, "-11.3"}, Shows{-11.75f, "-11.8"}, Shows{0.25f, ".3"}, Shows{0.75f, ".8"},
        Shows{-0.25f, "-.3"}, Shows{2.25f, "2.3"},
        // The float's exact value decides, not a shortened decimal form of it.
        Shows{-11.65f, "-11.6"},  // -11.649999618...
        Shows{0.05f, ".1"},       // 0.050000000745...
        Shows{-0.05f, "-.1"}, Shows{0.35f, ".3"}, Shows{1.45f, "1.5"}, Shows{-2.15f, "-2.2"},
        // A shown zero carries no minus sign.
        Shows{-0.04f, ".0"}, Shows{-0.0f, ".0"}, Shows{-0.0001f, ".0"}, Shows{0.04f, ".0"}}) {
    EXPECT_EQ(AverageText(average), text) << average;
  }
}

}  // namespace
}  // namespace ombrix
