// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include "loadable_window.h"

namespace ombrix {

Program::Program() = default;

Program::~Program() {
  if (ended_ && QCoreApplication::instance())
    QCoreApplication::instance()->removeEventFilter(&barrier_);
}

void Program::Register(LoadableWindow& window) {
  windows_.push_back(&window);
}

void Program::Unregister(LoadableWindow& window) {
  std::erase(windows_, &window);
}

void Program::End(int status) {
  if (ended_)
    return;
  ended_ = true;
  for (LoadableWindow* window : windows_)
    window->Unload();
  if (QCoreApplication::instance()) {
    QCoreApplication::instance()->installEventFilter(&barrier_);
    // Outside any event loop (a test driving the windows directly) there is nothing to leave,
    // and exit() would make every later loop, such as a dialog's, return at once.
    if (QThread::currentThread()->loopLevel() > 0)
      QCoreApplication::exit(status);
  }
}

bool Program::EventBarrier::eventFilter(QObject*, QEvent* event) {
  return event->type() != QEvent::DeferredDelete && event->type() != QEvent::Quit;
}

void DoEvents() {
  QCoreApplication::processEvents();
}

}  // namespace ombrix
