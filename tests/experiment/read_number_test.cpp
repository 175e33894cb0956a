#include "read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ombrix {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Reading {
  std::string text;
  double value;
};

void PrintTo(const Reading& reading, std::ostream* os) {
  *os << '"' << reading.text << "\" -> " << reading.value;
}

class ReadNumberReads : public testing::TestWithParam<Reading> {};

TEST_P(ReadNumberReads, Value) {
  const Reading& reading = GetParam();
  EXPECT_EQ(ReadNumber(reading.text), reading.value);
}

// The answers a user types most: every row of the settings dialogs' table.
INSTANTIATE_TEST_SUITE_P(DialogAnswers, ReadNumberReads,
                         testing::Values(Reading{"100", 100}, Reading{"12abc", 12},
                                         Reading{"  5", 5}, Reading{"1e3", 1000}, Reading{"-3", -3},
                                         Reading{"10.7", 10.7}, Reading{"9.99", 9.99},
                                         Reading{"1000.5", 1000.5}, Reading{"10001", 10001},
                                         Reading{"0.5", 0.5}, Reading{"1,000", 1},
                                         Reading{"abc", 0}, Reading{"   ", 0}, Reading{"", 0}));

INSTANTIATE_TEST_SUITE_P(BlanksAnywhere, ReadNumberReads,
                         testing::Values(Reading{"1 000", 1000}, Reading{"\t1\n2 3", 123},
                                         Reading{"- 5", -5}, Reading{"1 . 5", 1.5},
                                         Reading{"1 e 3", 1000}, Reading{"1e - 2", 0.01},
                                         Reading{"\n\n\t 42 \t", 42}, Reading{"& H 1 0", 16}));

INSTANTIATE_TEST_SUITE_P(
    SignsPointsAndExponents, ReadNumberReads,
    testing::Values(Reading{"+7", 7}, Reading{"-0.25", -0.25}, Reading{".5", 0.5},
                    Reading{"-.5", -0.5}, Reading{"5.", 5}, Reading{".", 0}, Reading{"-", 0},
                    Reading{"--5", 0}, Reading{"+-5", 0}, Reading{"007", 7}, Reading{"1.2.3", 1.2},
                    Reading{"1E3", 1000}, Reading{"1e+3", 1000}, Reading{"2.5e-1", 0.25},
                    Reading{"1e3e4", 1000}, Reading{"1e", 1}, Reading{"1e-", 1},
                    Reading{"1e--3", 1}, Reading{"e5", 0}, Reading{"1.5e1x", 15}, Reading{"1d3", 1},
                    Reading{"0.000123", 0.000123}, Reading{"3.14159", 3.14159},
                    Reading{"123456789012345678901234567890", 123456789012345678901234567890.0},
                    Reading{"1.7976931348623157e308", 1.7976931348623157e308}));

INSTANTIATE_TEST_SUITE_P(
    RadixForms, ReadNumberReads,
    testing::Values(Reading{"&HFFFF", 65535}, Reading{"&H10", 16}, Reading{"&hff", 255},
                    Reading{"&H3E8", 1000}, Reading{"&H1G", 1}, Reading{"&H", 0}, Reading{"&HG", 0},
                    Reading{"&o17", 15}, Reading{"&O178", 15}, Reading{"&O8", 0},
                    Reading{"&O12", 10}, Reading{"&", 0}, Reading{"&X12", 0}, Reading{"-&H10", 0},
                    Reading{"&H10.5", 16},
                    // Past 16 and 64 bits the value keeps growing instead of wrapping.
                    Reading{"&H10064", 65636}, Reading{"&H10000000000000000", 0x1.0p64},
                    Reading{"&O1000000000000000000000", 0x1.0p63}));

// Anything outside ASCII ends the number: full-width digits and blanks are not digits.
INSTANTIATE_TEST_SUITE_P(
    NonAscii, ReadNumberReads,
    testing::Values(Reading{"\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\x90", 0},  // "１００"
                    Reading{"\xE3\x80\x80"
                            "100",
                            0},  // U+3000 before the digits
                    Reading{"1\xE3\x80\x80"
                            "000",
                            1},
                    Reading{"10\xEF\xBC\x90", 10},  // "10" then a full-width zero
                    Reading{"1\xC2\xA0"
                            "000",
                            1},  // no-break space
                    Reading{"\xFF"
                            "5",
                            0},
                    Reading{std::string("12\0"
                                        "34",
                                        5),
                            12}));

TEST(ReadNumberTest, ExponentBeyondDoubleRangeReadsAsInfinity) {
  EXPECT_EQ(ReadNumber("1e309"), kInfinity);
  EXPECT_EQ(ReadNumber("1e999999"), kInfinity);
  EXPECT_EQ(ReadNumber("-1e400"), -kInfinity);
  EXPECT_EQ(ReadNumber("1e99999999999999999999999999999999999999"), kInfinity);
  EXPECT_EQ(ReadNumber("-2.5e" + std::string(1000, '9')), -kInfinity);
  EXPECT_EQ(ReadNumber("1" + std::string(400, '0')), kInfinity);
}

TEST(ReadNumberTest, TinyExponentReadsZero) {
  EXPECT_EQ(ReadNumber("1e-400"), 0.0);
  EXPECT_EQ(ReadNumber("-1e-400"), 0.0);
  EXPECT_EQ(ReadNumber("5e-99999999999999999999999999999"), 0.0);
  EXPECT_EQ(ReadNumber("0." + std::string(500, '0') + "1"), 0.0);
}

TEST(ReadNumberTest, DigitsAndExponentThatCancelReadTheirValue) {
  // The count of digits and the exponent together decide the magnitude.
  EXPECT_EQ(ReadNumber("1" + std::string(1000, '0') + "e-1000"), 1.0);
  EXPECT_EQ(ReadNumber("0." + std::string(1000, '0') + "1e1001"), 1.0);
  EXPECT_EQ(ReadNumber(std::string(1000, '9') + "e-1000"), 1.0);  // 1 - 10^-1000 rounds to 1
  EXPECT_EQ(ReadNumber("1e" + std::string(500, '0') + "3"), 1000.0);
}

TEST(ReadNumberTest, NeverNaN) {
  const std::vector<std::string> texts = {"0e999999",
                                          "0.0e99999999999999999999",
                                          "-0e999999",
                                          "1e999999",
                                          "-1e999999",
                                          "1e-999999",
                                          "&H" + std::string(400, 'F'),
                                          "&O" + std::string(500, '7'),
                                          "." + std::string(400, '0') + "e400",
                                          std::string(400, '9') + "e-400",
                                          "9e99999999999999999999e-99999999999999999999"};
  for (const std::string& text : texts) {
    EXPECT_FALSE(std::isnan(ReadNumber(text))) << text.substr(0, 40);
  }
  EXPECT_EQ(ReadNumber("0e999999"), 0.0);
}

TEST(ReadNumberTest, LongRadixFormsAreWholeNumbersThatGrowToInfinity) {
  EXPECT_EQ(ReadNumber("&H1" + std::string(255, '0')), std::ldexp(1.0, 1020));
  EXPECT_EQ(ReadNumber("&H" + std::string(300, 'F')), kInfinity);
  EXPECT_EQ(ReadNumber("&O" + std::string(500, '7')), kInfinity);
}

// A few megabytes are read through to their value; a reader that is not linear in the length
// of the text would not finish within the test's time limit.
TEST(ReadNumberTest, VeryLongAnswersAreReadThrough) {
  constexpr std::size_t kLength = 4'000'000;
  EXPECT_EQ(ReadNumber(std::string(kLength, ' ') + "7"), 7.0);
  EXPECT_EQ(ReadNumber(std::string(kLength, '0') + "42"), 42.0);
  EXPECT_EQ(ReadNumber("0." + std::string(kLength, '0') + "1e" + std::to_string(kLength + 1)), 1.0);
  EXPECT_NEAR(ReadNumber("12." + std::string(kLength, '5')), 12.5555555555555555, 1e-12);
  EXPECT_EQ(ReadNumber("1" + std::string(kLength, '0')), kInfinity);
  EXPECT_EQ(ReadNumber("-" + std::string(kLength, '9')), -kInfinity);
  EXPECT_EQ(ReadNumber("&H" + std::string(kLength, 'F')), kInfinity);

  std::string spaced;
  for (std::size_t i = 0; i < kLength / 2; ++i)
    spaced += "0 ";
  EXPECT_EQ(ReadNumber(spaced + "1 5"), 15.0);
  EXPECT_EQ(ReadNumber("3" + std::string(kLength, 'x')), 3.0);
}

}  // namespace
}  // namespace ombrix
