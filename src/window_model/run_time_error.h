// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "settings_dialogs.h"
#include "translate.h"

namespace ombrix {

// Nothing inside the program traps errors: one that escapes a command is reported in a
// message box with these words, and the program ends.
inline std::string RunTimeErrorPrompt(std::string_view what) {
  return Tr("Run-time error: {what}", {{"what", what}});
}
inline constexpr Message kRunTimeErrorTitle = kExitTitle;

}  // namespace ombrix
