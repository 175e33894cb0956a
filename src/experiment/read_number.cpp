// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_number.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

namespace ombrix {
namespace {

// One character of the text as the reader sees it: its ASCII counterpart and the bytes it
// takes. A character with no counterpart, a malformed or a cut-off UTF-8 sequence among them,
// reads '\0', which nothing continues.
struct Symbol {
  char ascii;
  std::size_t size;
  bool fullWidthLetter;  // E, H or O typed in full width: a letter, never a hex digit
};

Symbol Decode(std::string_view rest) {
  const auto byte = [rest](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
  if (byte(0) < 0x80)
    return {rest[0], 1, false};
  if (rest.starts_with("\u3000"))  // the ideographic space
    return {' ', 3, false};
  if (rest.starts_with("\u2212"))  // the minus sign
    return {'-', 3, false};
  // U+FF01 to U+FF5E stand for '!' to '~': EF BC 81..BF, then EF BD 80..9E.
  if (rest.size() >= 3 && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) &&
      (byte(2) & 0xC0) == 0x80) {
    const char ascii = static_cast<char>((((byte(1) & 1) << 6) | (byte(2) & 0x3F)) + 0x20);
    constexpr std::string_view kRead = "0123456789+-.&";
    constexpr std::string_view kLetters = "EeHhOo";
    if (kRead.find(ascii) != std::string_view::npos)
      return {ascii, 3, false};
    if (kLetters.find(ascii) != std::string_view::npos)
      return {ascii, 3, true};
  }
  return {'\0', 1, false};
}

// Walks the text one significant character at a time, skipping blanks, tabs, line feeds and
// ideographic spaces wherever they stand.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }

  // The current character as ASCII, '\0' at the end; full-width letters read '\0' here and
  // count only through TakeLetter.
  char Peek() const { return current_.fullWidthLetter ? '\0' : current_.ascii; }
  void Advance() {
    pos_ += current_.size;
    SkipBlanks();
  }
  bool Take(char c) {
    if (Peek() != c)
      return false;
    Advance();
    return true;
  }
  // Takes `upper` or its lower case, in ASCII or in full width.
  bool TakeLetter(char upper) {
    if (current_.ascii != upper && current_.ascii != upper - 'A' + 'a')
      return false;
    Advance();
    return true;
  }

 private:
  void SkipBlanks() {
    for (;;) {
      current_ = pos_ < text_.size() ? Decode(text_.substr(pos_)) : Symbol{'\0', 0, false};
      if (current_.ascii != ' ' && current_.ascii != '\t' && current_.ascii != '\n')
        return;
      pos_ += current_.size;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  Symbol current_{};
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

// "&H1F" or "&O17": a whole number in base 16 or 8. Doubles simply grow to infinity when the
// digits run long.
double ReadRadixNumber(Cursor& cursor, int base) {
  double value = 0;
  while (DigitValue(cursor.Peek()) < base) {
    value = value * base + DigitValue(cursor.Peek());
    cursor.Advance();
  }
  return value;
}

double ReadDecimalNumber(Cursor& cursor) {
  // The significant characters are gathered into a compact "-ddd.ddde-ddd" form, which
  // from_chars reads with correct rounding in time linear in its length.
  std::string digits;
  bool negative = false;
  if (cursor.Take('-')) {
    negative = true;
  } else {
    cursor.Take('+');
  }

  // Leading zeros carry no value; dropping them keeps the decimal magnitude easy to tell.
  long long integerDigits = 0;
  long long leadingFractionZeros = 0;
  while (cursor.Peek() == '0')
    cursor.Advance();
  while (IsDigit(cursor.Peek())) {
    digits += cursor.Peek();
    ++integerDigits;
    cursor.Advance();
  }
  if (cursor.Take('.')) {
    digits += '.';
    while (IsDigit(cursor.Peek())) {
      if (integerDigits == 0 && digits.size() == 1 && cursor.Peek() == '0') {
        ++leadingFractionZeros;  // 0.000ddd: counted instead of kept
      } else {
        digits += cursor.Peek();
      }
      cursor.Advance();
    }
  }
  const bool hasSignificantDigit = digits.find_first_of("123456789") != std::string::npos;

  // The exponent saturates far beyond anything a double can hold, so that no count of
  // digits can overflow it.
  long long exponent = 0;
  constexpr long long kExponentLimit = 1'000'000'000'000LL;
  if (cursor.TakeLetter('E')) {
    bool negativeExponent = false;
    if (cursor.Take('-')) {
      negativeExponent = true;
    } else {
      cursor.Take('+');
    }
    while (IsDigit(cursor.Peek())) {
      if (exponent < kExponentLimit)
        exponent = exponent * 10 + (cursor.Peek() - '0');
      cursor.Advance();
    }
    if (negativeExponent)
      exponent = -exponent;
  }

  if (!hasSignificantDigit)
    return negative ? -0.0 : 0.0;

  // Decimal position of the leading significant digit: value lies in [10^(m-1), 10^m).
  const long long magnitude =
      (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (magnitude > 400)
    return negative ? -kInfinity : kInfinity;
  if (magnitude < -400)
    return negative ? -0.0 : 0.0;

  const long long shownExponent = exponent - leadingFractionZeros;
  std::string compact = digits + 'e' + std::to_string(shownExponent);
  double value = 0;
  const auto result = std::from_chars(compact.data(), compact.data() + compact.size(), value);
  if (result.ec == std::errc::result_out_of_range)
    value = magnitude > 0 ? kInfinity : 0.0;
  return negative ? -value : value;
}

}  // namespace

double ReadNumber(std::string_view text) {
  Cursor cursor(text);
  if (cursor.Take('&')) {
    if (cursor.TakeLetter('H'))
      return ReadRadixNumber(cursor, 16);
    if (cursor.TakeLetter('O'))
      return ReadRadixNumber(cursor, 8);
    return 0;
  }
  return ReadDecimalNumber(cursor);
}

}  // namespace ombrix
