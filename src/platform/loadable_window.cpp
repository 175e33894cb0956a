// SPDX-License-Identifier: GPL-3.0-or-later
#include "loadable_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <exception>

#include "keep_on_screen.h"
#include "message_box.h"
#include "program.h"
#include "qt_conversions.h"
#include "run_time_error.h"

namespace ombrix {

LoadableWindow::LoadableWindow(Program& program) : program_(program) {
  program_.Register(*this);
}

LoadableWindow::~LoadableWindow() {
  program_.Unregister(*this);
  delete widget_.data();
  delete unloadedWidget_.data();
}

QWidget* LoadableWindow::Widget() const {
  return widget_.data();
}

void LoadableWindow::Load() {
  if (IsLoaded())
    return;
  widget_ = new TopLevelWidget(*this);
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
  Build(*widget_);
  KeepOnScreen(*widget_);
}

void LoadableWindow::Unload() {
  if (!IsLoaded())
    return;
  TopLevelWidget* widget = widget_.data();
  widget_ = nullptr;
  activationDue_ = false;
  widget->Detach();
  widget->hide();
  // The widget may be in the middle of one of its own events; it goes once they are done.
  widget->deleteLater();
  unloadedWidget_ = widget;
  Unloaded();
}

void LoadableWindow::Show() {
  Load();
  activationDue_ = true;
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

void LoadableWindow::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    // Nothing inside the program traps errors; like any run-time error, it is reported and
    // the program ends.
    MsgBox(nullptr, ToQString(RunTimeErrorPrompt(error.what())), ToQString(kRunTimeErrorTitle));
    program_.End(Program::kRunTimeErrorStatus);
    return;
  }
  program_.EndIfNoWindowLoaded();
}

void LoadableWindow::RunActivation() {
  if (!activationDue_)
    return;
  activationDue_ = false;
  RunHandler([this] { OnActivated(); });
}

void LoadableWindow::OnClick(QPushButton& button, std::function<void()> handler) {
  QObject::connect(&button, &QPushButton::clicked, &button, [this, handler = std::move(handler)] {
    if (activationDue_ && CommandsWaitForActivation())
      RunActivation();
    else
      RunHandler(handler);
  });
}

void LoadableWindow::MissingControl(std::string_view name) {
  qFatal("the layout has no control named %s", qPrintable(ToQString(name)));
}

void LoadableWindow::WidgetActivated() {
  if (!activationDue_)
    return;
  // Run after the activation event has been delivered, as a handler of its own; not at all
  // if by then this window has been unloaded (Help, then Close, before the help text).
  QTimer::singleShot(0, widget_.data(), [this, widget = widget_.data()] {
    if (widget_ == widget)
      RunActivation();
  });
}

void LoadableWindow::WidgetClosedByUser() {
  RunHandler([this] { Unload(); });
}

bool TopLevelWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && window_)
    window_->WidgetActivated();
  return QWidget::event(event);
}

void TopLevelWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  if (window_)
    window_->WidgetClosedByUser();
}

}  // namespace ombrix
