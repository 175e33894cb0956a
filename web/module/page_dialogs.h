// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings_dialogs.h"

namespace ombrix {

// The settings dialogs as the page draws them. The page's dialogs answer asynchronously; each
// call here suspends the module (Asyncify) until the answer comes, so the settings logic runs
// as it does on the desktop. The page sets Module.page to its dialogs before the first call.
class PageDialogs final : public SettingsDialogs {
 public:
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override;
  std::int16_t MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) override;
  void ShowCount(std::string_view label, std::string_view text) override;
};

}  // namespace ombrix
