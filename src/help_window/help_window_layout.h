// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "control_layout.h"

namespace ombrix {

// The help window: its caption, client area, position, and its three controls.
struct HelpWindowLayout {
  static constexpr double kWindowFontPoints = 9;

  static WindowSpec Window();

  static std::vector<ControlSpec> Controls();
};

}  // namespace ombrix
