// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <algorithm>

#include "form.h"

namespace ombrix {

Program::Program() = default;

Program::~Program() {
  if (ended_ && QCoreApplication::instance())
    QCoreApplication::instance()->removeEventFilter(&barrier_);
}

void Program::Register(Form& form) {
  forms_.push_back(&form);
}

void Program::Unregister(Form& form) {
  std::erase(forms_, &form);
}

void Program::End() {
  if (ended_)
    return;
  ended_ = true;
  for (Form* form : forms_)
    form->Unload();
  if (QCoreApplication::instance()) {
    QCoreApplication::instance()->installEventFilter(&barrier_);
    // Outside any event loop (a test driving the windows directly) there is nothing to leave,
    // and exit() would make every later loop, such as a dialog's, return at once.
    if (QThread::currentThread()->loopLevel() > 0)
      QCoreApplication::exit(0);
  }
}

void Program::EndIfNoWindowLoaded() {
  if (ended_)
    return;
  const bool anyLoaded =
      std::any_of(forms_.begin(), forms_.end(), [](const Form* form) { return form->IsLoaded(); });
  if (!anyLoaded)
    End();
}

bool Program::EventBarrier::eventFilter(QObject*, QEvent* event) {
  return event->type() != QEvent::DeferredDelete && event->type() != QEvent::Quit;
}

void DoEvents() {
  QCoreApplication::processEvents();
}

}  // namespace ombrix
