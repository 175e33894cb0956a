#include "frequency_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace ombrix {
namespace {

TEST(FrequencyTableTest, BinOfEdges) {
  EXPECT_EQ(FrequencyTable::BinOf(std::numeric_limits<std::int16_t>::min()), 1);
  EXPECT_EQ(FrequencyTable::BinOf(-1000), 1);
  EXPECT_EQ(FrequencyTable::BinOf(-58), 1);
  EXPECT_EQ(FrequencyTable::BinOf(-57), 2);
  EXPECT_EQ(FrequencyTable::BinOf(-50), 9);
  EXPECT_EQ(FrequencyTable::BinOf(-49), 10);
  EXPECT_EQ(FrequencyTable::BinOf(-1), 58);
  EXPECT_EQ(FrequencyTable::BinOf(0), 59);
  EXPECT_EQ(FrequencyTable::BinOf(1), 60);
  EXPECT_EQ(FrequencyTable::BinOf(2), 61);
  EXPECT_EQ(FrequencyTable::BinOf(3), 62);
  EXPECT_EQ(FrequencyTable::BinOf(4), 63);
  EXPECT_EQ(FrequencyTable::BinOf(std::numeric_limits<std::int16_t>::max()), 63);
}

TEST(FrequencyTableTest, EachValueFromMinus57To3HasABinOfItsOwn) {
  for (int value = -57; value <= 3; ++value) {
    EXPECT_EQ(FrequencyTable::BinOf(value), value + 59) << value;
  }
}

TEST(FrequencyTableTest, RecordCountsInExactlyOneBin) {
  FrequencyTable table;
  table.Clear();
  for (std::int16_t value : {-1000, -58, -57, -57, 0, 0, 0, 1, 3, 4, 250})
    table.Record(value);

  EXPECT_EQ(table.Count(1), 2);
  EXPECT_EQ(table.Count(2), 2);
  EXPECT_EQ(table.Count(59), 3);
  EXPECT_EQ(table.Count(60), 1);
  EXPECT_EQ(table.Count(61), 0);
  EXPECT_EQ(table.Count(62), 1);
  EXPECT_EQ(table.Count(63), 2);
  int total = 0;
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    total += table.Count(bin);
  EXPECT_EQ(total, 11);
}

TEST(FrequencyTableTest, ClearEmptiesEveryBin) {
  FrequencyTable table;
  for (int value = -60; value <= 5; ++value)
    table.Record(static_cast<std::int16_t>(value));
  table.Clear();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    EXPECT_EQ(table.Count(bin), 0) << bin;
    EXPECT_EQ(table.CellText(bin), "0") << bin;
  }
}

TEST(FrequencyTableTest, CellTextIsThePlainCount) {
  FrequencyTable table;
  table.Clear();
  for (int i = 0; i < 10000; ++i)
    table.Record(-3);
  for (int i = 0; i < 123; ++i)
    table.Record(1);
  table.Record(-100);

  EXPECT_EQ(table.CellText(56), "10000");  // no grouping, no padding
  EXPECT_EQ(table.CellText(60), "123");
  EXPECT_EQ(table.CellText(1), "1");
  EXPECT_EQ(table.CellText(59), "0");
}

struct Formatted {
  float average;
  const char* text;
};

void PrintTo(const Formatted& formatted, std::ostream* os) {
  *os << formatted.average << " -> \"" << formatted.text << '"';
}

class AverageTextFormats : public testing::TestWithParam<Formatted> {};

TEST_P(AverageTextFormats, Text) {
  EXPECT_EQ(AverageText(GetParam().average), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, AverageTextFormats,
                         testing::Values(Formatted{-11.84f, "-11.8"}, Formatted{1.0f, "1.0"},
                                         Formatted{0.0f, ".0"}, Formatted{-0.5f, "-.5"},
                                         Formatted{-3.0f, "-3.0"}, Formatted{0.3f, ".3"},
                                         Formatted{-1000.0f, "-1000.0"},
                                         Formatted{-12.0625f, "-12.1"},
                                         Formatted{12345.0f, "12345.0"}));

INSTANTIATE_TEST_SUITE_P(RoundingCarriesIntoTheIntegerPart, AverageTextFormats,
                         testing::Values(Formatted{9.96f, "10.0"}, Formatted{-9.96f, "-10.0"},
                                         Formatted{0.96f, "1.0"}, Formatted{-0.96f, "-1.0"},
                                         Formatted{99999.97f, "100000.0"}));

// The five digit places of the pattern do not limit a longer integer part.
INSTANTIATE_TEST_SUITE_P(LongIntegerParts, AverageTextFormats,
                         testing::Values(Formatted{123456.0f, "123456.0"},
                                         Formatted{-1234567.0f, "-1234567.0"},
                                         Formatted{1e10f, "10000000000.0"}));

// Exactly halfway between two tenths, which only quarters can be in a float: away from zero.
INSTANTIATE_TEST_SUITE_P(HalfwayRoundsAwayFromZero, AverageTextFormats,
                         testing::Values(Formatted{-11.25f, "-11.3"}, Formatted{-11.75f, "-11.8"},
                                         Formatted{0.25f, ".3"}, Formatted{0.75f, ".8"},
                                         Formatted{-0.25f, "-.3"}, Formatted{2.25f, "2.3"}));

// The float's exact value decides, not a shortened decimal form of it.
INSTANTIATE_TEST_SUITE_P(ExactFloatValueDecides, AverageTextFormats,
                         testing::Values(Formatted{-11.65f, "-11.6"},  // -11.649999618...
                                         Formatted{0.05f, ".1"},       // 0.050000000745...
                                         Formatted{-0.05f, "-.1"},
                                         Formatted{0.35f, ".3"},       // 0.349999994039...
                                         Formatted{1.45f, "1.5"},      // 1.450000047683...
                                         Formatted{-2.15f, "-2.2"}));  // -2.150000095367...

// A shown zero carries no minus sign.
INSTANTIATE_TEST_SUITE_P(RoundsToZeroFromBelow, AverageTextFormats,
                         testing::Values(Formatted{-0.04f, ".0"}, Formatted{-0.0f, ".0"},
                                         Formatted{-0.0001f, ".0"}, Formatted{0.04f, ".0"}));

TEST(AverageTextTest, EveryReachableAverageOfASmallRun) {
  // Sums and counts that a run can produce: the text must match the value to a tenth.
  for (int count = 1; count <= 40; ++count) {
    for (int sum = -40 * count; sum <= count; ++sum) {
      const float average = static_cast<float>(static_cast<double>(sum) / count);
      const std::string text = AverageText(average);
      ASSERT_FALSE(text.empty());
      const std::size_t point = text.find('.');
      ASSERT_NE(point, std::string::npos) << text;
      ASSERT_EQ(point + 2, text.size()) << text;
      const double shown = std::stod(text[0] == '-' ? "-0" + text.substr(1) : "0" + text);
      ASSERT_LE(std::abs(shown - average), 0.05 + 1e-6) << sum << "/" << count << " " << text;
    }
  }
}

}  // namespace
}  // namespace ombrix
