// SPDX-License-Identifier: GPL-3.0-or-later
#include "loadable_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "keep_on_screen.h"
#include "program.h"

namespace ombrix {

LoadableWindow::LoadableWindow(Program& program, Events events)
    : program_(program), events_(std::move(events)) {
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
  for (QPushButton* button : widget_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    QObject::connect(button, &QPushButton::clicked, button,
                     [this, name = button->objectName().toStdString()] { events_.clicked(name); });
  }
  KeepOnScreen(*widget_);
}

void LoadableWindow::Unload() {
  if (!IsLoaded())
    return;
  TopLevelWidget* widget = widget_.data();
  widget_ = nullptr;
  widget->Detach();
  widget->hide();
  // The widget may be in the middle of one of its own events; it goes once they are done.
  widget->deleteLater();
  unloadedWidget_ = widget;
  Unloaded();
}

void LoadableWindow::Show() {
  Load();
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

void LoadableWindow::SetText(std::string_view label, const QString& text) const {
  Find<QLabel>(label).setText(text);
}

void LoadableWindow::SetToolTip(std::string_view control, const QString& text) const {
  Find<QWidget>(control).setToolTip(text);
}

void LoadableWindow::Enable(std::string_view control, bool on) const {
  // A command of a menu is an action of the window, not a widget.
  if (auto* action = Widget()->findChild<QAction*>(ToQString(control)))
    action->setEnabled(on);
  else
    Find<QWidget>(control).setEnabled(on);
}

void LoadableWindow::SetBusy(bool busy) const {
  Widget()->setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

void LoadableWindow::MissingControl(std::string_view name) {
  qFatal("the layout has no control named %s", qPrintable(ToQString(name)));
}

void LoadableWindow::WidgetActivated() {
  // Reported after the activation event has been delivered, as an event of its own; not at
  // all if by then this window has been unloaded (Help, then Close, before the help text).
  QTimer::singleShot(0, widget_.data(), [this, widget = widget_.data()] {
    if (widget_ == widget)
      events_.activated();
  });
}

void LoadableWindow::WidgetClosedByUser() {
  events_.closedByUser();
}

bool TopLevelWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && window_)
    window_->WidgetActivated();
  return QWidget::event(event);
}

void TopLevelWidget::closeEvent(QCloseEvent* event) {
  event->ignore();  // the window goes when the commands unload it
  if (window_)
    window_->WidgetClosedByUser();
}

}  // namespace ombrix
