// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window_layout.h"

#include "translate.h"

#include <string>

namespace ombrix {

WindowSpec HelpWindowLayout::Window() {
  return {
      .name = "Form2",
      .caption = Tr("Experiment of Ombrix 2\uFF3FHelp\uFF08Problem and Operation method\uFF09\u3000"
                    "Ombrix project 2026"),
      .rect = {3090, 2040, 9510, 8715},
      .points = kWindowFontPoints,
      .tabOrder = {std::string(kClose), std::string(kText)}};
}

std::vector<ControlSpec> HelpWindowLayout::Controls() {
  // Rectangles are left, top, width, height in twips.
  return {
      {.kind = ControlKind::PushButton,
       .name = std::string(kClose),
       .caption = Tr("Close"),
       .rect = {8400, 0, 735, 375},
       .points = kWindowFontPoints},
      {.kind = ControlKind::Line, .name = "Line1", .rect = {120, 360, 9000, 0}},
      {.kind = ControlKind::PictureBox,
       .name = std::string(kText),
       .rect = {120, 480, 9255, 8175},
       .points = 11.25},
  };
}

}  // namespace ombrix
