// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ombrix {

// The number at the start of `text`, read the way the settings dialogs read an answer:
// blanks, tabs, line feeds and ideographic spaces are skipped wherever they stand; then an
// optional sign, decimal digits with at most one period and an optional exponent (E or e);
// or, instead, "&H" with hexadecimal or "&O" with octal digits for a whole number in that
// base. The text is UTF-8: the full-width forms of those digits (0 to 9 only), signs,
// period, ampersand and letters, as an input method types them, read as their ASCII
// counterparts, and U+2212 MINUS SIGN as '-'. Reading stops at the first character that
// cannot continue the number, a malformed or cut-off UTF-8 sequence among them; a text that
// does not begin with a number reads 0. Any text is read in linear time. The result is never
// NaN: a magnitude beyond the range of a double reads as an infinity.
// Not std::from_chars or QString::toDouble: they stop at the first blank and know no &H or &O.
double ReadNumber(std::string_view text);

}  // namespace ombrix
