// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <exception>

#include "message_box.h"
#include "program.h"

namespace ombrix {

Form::Form(Program& program) : program_(program) {
  program_.Register(*this);
}

Form::~Form() {
  program_.Unregister(*this);
  delete window_.data();
  delete unloadedWindow_.data();
}

QWidget* Form::Window() const {
  return window_.data();
}

void Form::Load() {
  if (IsLoaded())
    return;
  window_ = new FormWindow(*this);
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  Build(*window_);
}

void Form::Unload() {
  if (!IsLoaded())
    return;
  FormWindow* window = window_.data();
  window_ = nullptr;
  activationPending_ = false;
  window->Detach();
  window->hide();
  // The window may be in the middle of one of its own events; it goes once they are done.
  window->deleteLater();
  unloadedWindow_ = window;
  Unloaded();
}

void Form::Show() {
  Load();
  activationPending_ = true;
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void Form::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    // Nothing inside the program traps errors; like any run-time error, it is reported and
    // the program ends.
    MsgBox(nullptr, QStringLiteral("Run-time error: %1").arg(QString::fromUtf8(error.what())),
           QStringLiteral("Experiment of Ombrix"));
    program_.End();
    return;
  }
  program_.EndIfNoWindowLoaded();
}

void Form::OnClick(QPushButton& button, std::function<void()> handler) {
  QObject::connect(&button, &QPushButton::clicked, &button,
                   [this, handler = std::move(handler)] { RunHandler(handler); });
}

void Form::MissingControl(const QString& name) {
  qFatal("the layout has no control named %s", qPrintable(name));
}

void Form::WindowActivated() {
  if (!activationPending_)
    return;
  activationPending_ = false;
  // Run after the activation event has been delivered, as a handler of its own; not at all
  // if by then this window has been unloaded (Help, then Close, before the help text).
  QTimer::singleShot(0, window_.data(), [this, window = window_.data()] {
    if (window_ == window)
      RunHandler([this] { Form_Activate(); });
  });
}

void Form::WindowClosedByUser() {
  RunHandler([this] { Unload(); });
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && form_)
    form_->WindowActivated();
  return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (form_)
    form_->WindowClosedByUser();
}

}  // namespace ombrix
