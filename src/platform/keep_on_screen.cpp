// SPDX-License-Identifier: GPL-3.0-or-later
#include "keep_on_screen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace ombrix {
namespace {

// How far a span that starts at `start` and is `length` long moves along one axis to lie on
// the span from `low` to `high` (exclusive): not at all where it does; where it is longer, to
// `low`.
int Shift(int start, int length, int low, int high) {
  return std::max(low - start, std::min(0, high - (start + length)));
}

void Fit(QWidget& widget) {
  QWindow& window = *widget.windowHandle();
  const QRect frame = window.frameGeometry();
  const QPoint shift =
      MovedOnto(window.screen()->availableGeometry(), frame).topLeft() - frame.topLeft();
  if (shift.isNull())
    return;
  // Showing the widget gives the native window the widget's geometry; once it is shown, the
  // native window's is the current one, which the widget learns only in its own time.
  if (widget.isVisible())
    window.setPosition(window.position() + shift);
  else
    widget.setGeometry(widget.geometry().translated(shift));
}

// Fits the window once, when it is first exposed: by then a window manager has framed it.
class FitWhenExposed : public QObject {
 public:
  explicit FitWhenExposed(QWidget& window) : QObject(&window), window_(window) {
    window.windowHandle()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      deleteLater();
      Fit(window_);
    }
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

QRect MovedOnto(const QRect& area, QRect window) {
  window.translate(Shift(window.x(), window.width(), area.x(), area.x() + area.width()),
                   Shift(window.y(), window.height(), area.y(), area.y() + area.height()));
  return window;
}

void KeepOnScreen(QWidget& window) {
  window.winId();  // the native window, which tells the screen and carries the frame
  Fit(window);
  new FitWhenExposed(window);
}

}  // namespace ombrix
