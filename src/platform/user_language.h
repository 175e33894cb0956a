// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ombrix {

// Takes the catalogue of the user's language, as gettext reads it from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG (through QLocale, which reads the names also where that locale is not
// generated), English when none is built in. Needs no application object: the words of a
// start-up that fails are in it too.
void UseUserLanguage();

// Qt's own words (a line edit's menu, the buttons Qt draws) in `language`, a BCP 47 tag, from
// the Qt translations installed with Qt; Qt's English where there are none.
void UseQtWords(std::string_view language);

}  // namespace ombrix
