// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace ombrix {

// A push button whose caption wraps at blanks onto further lines when it is wider than the
// button, centred both ways, as a tall narrow button such as "Experiment Start" needs.
// QPushButton itself draws its caption on one line only.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ombrix
