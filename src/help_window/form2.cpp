// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "help_text.h"
#include "help_window_layout.h"

namespace ombrix {

void Form2::Build(QWidget& window) {
  BuildWindow(window, HelpWindowLayout::Window(), HelpWindowLayout::Controls());
  auto& close = Find<QPushButton>("Command1");
  picture1_ = &Find<PictureBox>("Picture1");

  QWidget::setTabOrder(&close, picture1_);
  close.setFocus();
  OnClick(close, [this] { Command1_Click(); });
}

void Form2::Form_Activate() {
  picture1_->Cls();
  for (std::string_view line : kHelpLines)
    picture1_->Print(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void Form2::Command1_Click() {
  Unload();
  if (mainWindow_)
    mainWindow_().Show();
}

}  // namespace ombrix
