// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// `value` with `decimals` digits after a period, correctly rounded: Fixed(-1.955, 2) is "-1.96"
// or "-1.95" as the double lies, and a value that rounds to zero is never "-0.00".
std::string Fixed(double value, int decimals);

// `value` as a plain decimal to `significant` digits, trailing zeros dropped: no exponent and
// a period for the decimal point, which a spreadsheet reads as a number and a reader at sight.
std::string PlainDecimal(double value, int significant);

// A share of 1 as a percentage to three significant digits, so that tiny ones still differ:
// "95 %", "0.0977 %".
std::string Percent(double share);
// A number of percent as the language writes it: "95 %".
std::string PercentText(std::string_view number);

}  // namespace ombrix
