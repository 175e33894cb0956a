#pragma once

#include <functional>

#include "form.h"

namespace ombrix {

class PictureBox;

// The help window: the problem, the idea of the experiment and how to operate the program,
// printed afresh each time the window becomes active.
class Form2 final : public Form {
 public:
  explicit Form2(Program& program) : Form(program) {}

  // How Close reaches the main window: creates it on first use, then returns the same one.
  void SetMainWindow(std::function<Form&()> mainWindow) { mainWindow_ = std::move(mainWindow); }

  void Command1_Click();  // Close

  // The picture area of the loaded window; null while it is unloaded.
  PictureBox* Picture1() const;

 protected:
  void Build(QWidget& window) override;
  void Form_Activate() override;

 private:
  std::function<Form&()> mainWindow_;
};

}  // namespace ombrix
