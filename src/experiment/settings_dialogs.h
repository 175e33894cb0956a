// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ombrix {

// What the settings logic needs of the window layer: the modal input dialog, the modal
// message box and the labels that show the accepted counts. Texts are UTF-8.
class SettingsDialogs {
 public:
  virtual ~SettingsDialogs() = default;

  // Returns the text of the edit field on OK, the empty text on Cancel or close.
  virtual std::string InputBox(std::string_view prompt, std::string_view title,
                               std::string_view defaultText) = 0;
  // Returns the code of the button pressed (1 for OK, also when closed or dismissed).
  virtual std::int16_t MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) = 0;
  // Sets the caption of the label whose object name is `label` to `text`.
  virtual void ShowCount(std::string_view label, std::string_view text) = 0;
};

}  // namespace ombrix
