// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "loadable_window.h"
#include "picture_box.h"

namespace ombrix {

// The help window: the problem, the idea of the experiment and how to operate the program,
// printed afresh each time the window becomes active.
class HelpWindow final : public LoadableWindow {
 public:
  explicit HelpWindow(Program& program) : LoadableWindow(program) {}

  // How Close reaches the main window: creates it on first use, then returns the same one.
  void SetMainWindow(std::function<LoadableWindow&()> mainWindow) {
    mainWindow_ = std::move(mainWindow);
  }

 protected:
  void Build(QWidget& window) override;
  void Unloaded() override { text_ = nullptr; }
  void OnActivated() override;

 private:
  void OnCloseClicked();

  std::function<LoadableWindow&()> mainWindow_;
  PictureBox* text_ = nullptr;  // the area the text is printed into, while loaded
};

}  // namespace ombrix
