// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "control_layout.h"

namespace ombrix {

// The settings dialog and the message box for a front end that draws its own; the desktop
// uses its toolkit's, with these buttons' words. Each call brings its own title and prompt, so
// the window's caption and the prompt's caption are empty here.

struct InputBoxLayout {
  static constexpr std::string_view kPrompt = "Prompt";
  static constexpr std::string_view kAnswer = "Answer";
  static constexpr std::string_view kOk = "Ok";
  static constexpr std::string_view kCancel = "Cancel";

  static WindowSpec Window();
  static std::vector<ControlSpec> Controls();
};

// The caption of the control named `name` of `controls`: the dialogs' buttons, whose words
// the desktop's dialogs take too.
std::string CaptionOf(const std::vector<ControlSpec>& controls, std::string_view name);

struct MessageBoxLayout {
  static constexpr std::string_view kPrompt = "Prompt";
  static constexpr std::string_view kOk = "Ok";

  static WindowSpec Window();
  static std::vector<ControlSpec> Controls();
};

}  // namespace ombrix
