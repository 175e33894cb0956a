// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "build_window.h"
#include "help_text.h"
#include "help_window_layout.h"
#include "picture_box.h"

namespace ombrix {

void HelpWindow::Build(QWidget& window) {
  BuildWindow(window, HelpWindowLayout::Window(), HelpWindowLayout::Controls());
}

void HelpWindow::PrintText() const {
  auto& text = Find<PictureBox>(HelpWindowLayout::kText);
  text.Clear();
  for (const std::string& line : HelpLines())
    text.PrintLine(ToQString(line));
}

}  // namespace ombrix
