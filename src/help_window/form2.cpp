#include "form2.h"

#include <QPushButton>

#include "help_text.h"
#include "help_window_layout.h"
#include "picture_box.h"

namespace ombrix {

void Form2::Build(QWidget& window) {
  BuildWindow(window, HelpWindowLayout::Window(), HelpWindowLayout::Controls());

  auto* close = Find<QPushButton>("Command1");
  QWidget::setTabOrder(close, Picture1());
  close->setFocus();
  OnClick("Command1", [this] { Command1_Click(); });
}

PictureBox* Form2::Picture1() const {
  return Find<PictureBox>("Picture1");
}

void Form2::Form_Activate() {
  PictureBox* picture = Picture1();
  picture->Cls();
  for (std::string_view line : kHelpLines) {
    picture->Print(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  }
}

void Form2::Command1_Click() {
  Unload();
  if (mainWindow_)
    mainWindow_().Show();
}

}  // namespace ombrix
