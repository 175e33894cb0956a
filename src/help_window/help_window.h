// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loadable_window.h"

namespace ombrix {

// The help window: the problem, the idea of the experiment and how to operate the program,
// with its Close button.
class HelpWindow final : public LoadableWindow {
 public:
  using LoadableWindow::LoadableWindow;

  // Prints the help text afresh into its area.
  void PrintText() const;

 protected:
  void Build(QWidget& window) override;
};

}  // namespace ombrix
