// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "translate.h"

namespace ombrix {

std::string Fixed(double value, int decimals) {
  // Not printf: the toolkit sets the user's locale, whose decimal point may be a comma.
  char text[400];  // the widest double in fixed notation has 309 integer digits
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string fixed(text, end.ptr);
  // A value that rounds to zero reads "0.00", not "-0.00".
  if (fixed.front() == '-' && fixed.find_first_not_of("-0.") == std::string::npos)
    fixed.erase(0, 1);
  return fixed;
}

std::string PlainDecimal(double value, int significant) {
  if (value == 0)
    return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
  std::string text = Fixed(value, std::max(0, significant - 1 - magnitude));
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
      text.pop_back();
  }
  return text;
}

std::string Percent(double share) {
  return PercentText(PlainDecimal(share * 100, 3));
}

std::string PercentText(std::string_view number) {
  return Tr("{number} %", {{"number", number}});
}

}  // namespace ombrix
