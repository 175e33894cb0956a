// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "build_window.h"
#include "help_text.h"
#include "help_window_layout.h"

namespace ombrix {

void HelpWindow::Build(QWidget& window) {
  BuildWindow(window, HelpWindowLayout::Window(), HelpWindowLayout::Controls());
  auto& close = Find<QPushButton>(HelpWindowLayout::kClose);
  text_ = &Find<PictureBox>(HelpWindowLayout::kText);

  QWidget::setTabOrder(&close, text_);
  close.setFocus();
  OnClick(close, [this] { OnCloseClicked(); });
}

void HelpWindow::OnActivated() {
  text_->Clear();
  for (std::string_view line : kHelpLines)
    text_->PrintLine(ToQString(line));
}

void HelpWindow::OnCloseClicked() {
  Unload();
  if (mainWindow_)
    mainWindow_().Show();
}

}  // namespace ombrix
