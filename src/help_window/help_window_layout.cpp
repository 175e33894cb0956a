#include "help_window_layout.h"

namespace ombrix {

WindowSpec HelpWindowLayout::Window() {
  return {"Form2",
          QString::fromUtf8(
              "Experiment of Ombrix 2\uFF3FHelp\uFF08Problem and Operation method\uFF09\u3000"
              "Ombrix project 2026"),
          {3090, 2040, 9510, 8715},
          kWindowFontPoints};
}

std::vector<ControlSpec> HelpWindowLayout::Controls() {
  return {
      {ControlKind::PushButton, "Command1", "Close", {8400, 0, 735, 375}, kWindowFontPoints},
      {ControlKind::Line, "Line1", "", {120, 360, 9000, 0}},
      {ControlKind::PictureBox, "Picture1", "", {120, 480, 9255, 8175}, 11.25},
  };
}

}  // namespace ombrix
