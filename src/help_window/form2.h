// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "form.h"
#include "picture_box.h"

namespace ombrix {

// The help window: the problem, the idea of the experiment and how to operate the program,
// printed afresh each time the window becomes active.
class Form2 final : public Form {
 public:
  explicit Form2(Program& program) : Form(program) {}

  // How Close reaches the main window: creates it on first use, then returns the same one.
  void SetMainWindow(std::function<Form&()> mainWindow) { mainWindow_ = std::move(mainWindow); }

 protected:
  void Build(QWidget& window) override;
  void Unloaded() override { picture1_ = nullptr; }
  void Form_Activate() override;

 private:
  void Command1_Click();  // Close

  std::function<Form&()> mainWindow_;
  PictureBox* picture1_ = nullptr;  // the area the text is printed into, while loaded
};

}  // namespace ombrix
