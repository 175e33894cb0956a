// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>

#include "qt_conversions.h"

namespace ombrix {

class Program;
class TopLevelWidget;

// One of the program's windows: created once, the object keeps its fields for the whole
// program, while its widget and controls exist only while it is loaded. Show() loads it afresh
// from its layout when it is not loaded; Unload() destroys the widget and every control on it.
class LoadableWindow {
 public:
  explicit LoadableWindow(Program& program);
  virtual ~LoadableWindow();
  LoadableWindow(const LoadableWindow&) = delete;
  LoadableWindow& operator=(const LoadableWindow&) = delete;

  bool IsLoaded() const { return widget_ != nullptr; }
  void Unload();
  // Loads the window if needed, shows it and makes it the program's active window. Its
  // OnActivated runs once it has become active.
  void Show();

 protected:
  // The loaded window, or null.
  QWidget* Widget() const;

  // Creates the controls on a fresh, empty window.
  virtual void Build(QWidget& window) = 0;
  // Runs once the window and its controls are gone: handles to controls must be dropped.
  virtual void Unloaded() {}
  // Runs when the window becomes the program's active window after Show(); not when the
  // program regains the focus, nor when one of its own dialogs closes.
  virtual void OnActivated() {}

  // The control of the loaded window named `name`; the layout guarantees that it exists.
  template <typename Control>
  Control& Find(std::string_view name) const {
    auto* control = Widget()->findChild<Control*>(ToQString(name), Qt::FindDirectChildrenOnly);
    if (control == nullptr)
      MissingControl(name);
    return *control;
  }

  // Whether OnActivated must have run before any command of the window may. A click that
  // comes sooner is then dropped, and OnActivated runs in its place.
  virtual bool CommandsWaitForActivation() const { return false; }

  // Connects a push button's click to a handler run through RunHandler().
  void OnClick(QPushButton& button, std::function<void()> handler);

  Program& program() { return program_; }

 private:
  [[noreturn]] static void MissingControl(std::string_view name);
  void Load();
  // Runs an event handler; once it has returned the program ends if no window is left. An
  // exception is a run-time error: it is reported, and the program ends.
  void RunHandler(const std::function<void()>& handler);
  // Runs OnActivated if Show() has asked for it and it has not run yet.
  void RunActivation();

  friend class TopLevelWidget;
  void WidgetActivated();
  void WidgetClosedByUser();

  Program& program_;
  QPointer<TopLevelWidget> widget_;
  QPointer<TopLevelWidget> unloadedWidget_;  // until its deletion has run
  bool activationDue_ = false;  // from Show() until OnActivated runs or the window unloads
};

// The top-level widget of a loaded window; it reports activation and closing to its window.
class TopLevelWidget : public QWidget {
 public:
  explicit TopLevelWidget(LoadableWindow& window) : window_(&window) {}

  // Once unloaded, the widget waits for its deletion and reports nothing more.
  void Detach() { window_ = nullptr; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  LoadableWindow* window_;
};

}  // namespace ombrix
