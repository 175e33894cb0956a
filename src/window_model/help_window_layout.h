// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "control_layout.h"

namespace ombrix {

// The help window: its caption, client area, position, and its three controls.
struct HelpWindowLayout {
  // The object names of the controls that the window uses.
  static constexpr std::string_view kClose = "Command1";
  static constexpr std::string_view kText = "Picture1";

  static constexpr double kWindowFontPoints = 9;

  static WindowSpec Window();

  static std::vector<ControlSpec> Controls();
};

}  // namespace ombrix
