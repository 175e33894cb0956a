#include "read_number.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>

namespace ombrix {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Reads {
  std::string text;
  double value;
};

void Expect(std::initializer_list<Reads> rows) {
  // EXPECT_EQ fails on NaN too, which equals nothing.
  for (const auto& [text, value] : rows)
    EXPECT_EQ(ReadNumber(text), value) << '"' << text.substr(0, 40) << "\", " << text.size();
}

TEST(ReadNumberTest, ReadsTheNumberAtTheStart) {
  const std::string nines(1000, '9');
  Expect({// The answers of the settings dialogs' table.
          Reads{"100", 100}, Reads{"12abc", 12}, Reads{"  5", 5}, Reads{"1e3", 1000},
          Reads{"-3", -3}, Reads{"10.7", 10.7}, Reads{"9.99", 9.99}, Reads{"1000.5", 1000.5},
          Reads{"10001", 10001}, Reads{"0.5", 0.5}, Reads{"1,000", 1}, Reads{"12,5", 12},
          Reads{"abc", 0}, Reads{"   ", 0}, Reads{"", 0},
          // Blanks, tabs and line feeds are skipped wherever they stand.
          Reads{"1 000", 1000}, Reads{"\t1\n2 3", 123}, Reads{"- 5", -5}, Reads{"1 . 5", 1.5},
          Reads{"1 e 3", 1000}, Reads{"1e - 2", 0.01}, Reads{"& H 1 0", 16},
          // Signs, points and exponents.
          Reads{"+7", 7}, Reads{"-.5", -0.5}, Reads{".5", 0.5}, Reads{"5.", 5}, Reads{".", 0},
          Reads{"-", 0}, Reads{"--5", 0}, Reads{"+-5", 0}, Reads{"007", 7}, Reads{"1.2.3", 1.2},
          Reads{"1E3", 1000}, Reads{"1e+3", 1000}, Reads{"2.5e-1", 0.25}, Reads{"1e3e4", 1000},
          Reads{"1e", 1}, Reads{"1e-", 1}, Reads{"1e--3", 1}, Reads{"e5", 0}, Reads{"1.5e1x", 15},
          Reads{"1d3", 1}, Reads{"0.000123", 0.000123}, Reads{"3.14159", 3.14159},
          Reads{"123456789012345678901234567890", 123456789012345678901234567890.0},
          Reads{"1.7976931348623157e308", 1.7976931348623157e308},
          // Hexadecimal and octal of any length: past 16 and 64 bits they grow, never wrap.
          Reads{"&HFFFF", 65535}, Reads{"&hff", 255}, Reads{"&H3E8", 1000}, Reads{"&H1G", 1},
          Reads{"&H", 0}, Reads{"&HG", 0}, Reads{"&o17", 15}, Reads{"&O178", 15}, Reads{"&O8", 0},
          Reads{"&", 0}, Reads{"&X12", 0}, Reads{"-&H10", 0}, Reads{"&H10.5", 16},
          Reads{"&H10064", 65636}, Reads{"&H10000000000000000", 0x1.0p64},
          Reads{"&O1000000000000000000000", 0x1.0p63},
          Reads{std::string("&H1").append(255, '0'), 0x1.0p1020},
          Reads{std::string("&H").append(300, 'F'), kInfinity},
          Reads{std::string("&O").append(500, '7'), kInfinity},
          // Anything outside ASCII ends the number: full-width digits and blanks are no digits.
          Reads{"\uFF11\uFF10\uFF10", 0}, Reads{"\u3000100", 0}, Reads{"1\u3000000", 1},
          Reads{"10\uFF10", 10}, Reads{"1\u00A0000", 1}, Reads{std::string("\xFF") + "5", 0},
          Reads{std::string{'1', '2', '\0', '3', '4'}, 12},
          // Beyond the range of a double: an infinity or zero, never NaN.
          Reads{"1e309", kInfinity}, Reads{"-1e400", -kInfinity},
          Reads{"1e99999999999999999999999999", kInfinity},
          Reads{std::string("-2.5e") + nines, -kInfinity},
          Reads{std::string("1").append(400, '0'), kInfinity},
          Reads{"9e99999999999999999999e-99999999999999999999", kInfinity}, Reads{"1e-400", 0},
          Reads{"-1e-400", 0}, Reads{"5e-99999999999999999999999999999", 0},
          Reads{std::string("0.").append(500, '0') + "1", 0}, Reads{"0e999999", 0},
          Reads{"-0e999999", 0}, Reads{std::string(".").append(400, '0') + "e400", 0},
          // The count of digits and the exponent together decide the magnitude.
          Reads{std::string("1").append(1000, '0') + "e-1000", 1},
          Reads{std::string("0.").append(1000, '0') + "1e1001", 1}, Reads{nines + "e-1000", 1},
          Reads{std::string("1e").append(500, '0') + "3", 1000}});
}

// A reader that is not linear in the length of the text would not finish within the test's
// time limit.
TEST(ReadNumberTest, ReadsAnswersOfSeveralMegabytesThrough) {
  constexpr std::size_t kLength = 4'000'000;
  std::string spaced;
  for (std::size_t i = 0; i < kLength / 2; ++i)
    spaced += "0 ";
  Expect({Reads{std::string(kLength, ' ') + "7", 7}, Reads{std::string(kLength, '0') + "42", 42},
          Reads{std::string("0.").append(kLength, '0') + "1e" + std::to_string(kLength + 1), 1},
          Reads{std::string("12.").append(kLength, '5'), 113.0 / 9},
          Reads{std::string("-").append(kLength, '9'), -kInfinity},
          Reads{std::string("&H").append(kLength, 'F'), kInfinity}, Reads{spaced + "1 5", 15},
          Reads{std::string("3").append(kLength, 'x'), 3}});
}

}  // namespace
}  // namespace ombrix
