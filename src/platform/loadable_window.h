// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
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
// What happens on it is told through Events; what is done to it comes as calls on its controls.
class LoadableWindow {
 public:
  struct Events {
    // It became the active window; not reported before the activation event has been
    // delivered, nor at all once it has been unloaded by then.
    std::function<void()> activated;
    std::function<void()> closedByUser;                    // through the title bar's close button
    std::function<void(std::string_view button)> clicked;  // a push button, by object name
  };

  LoadableWindow(Program& program, Events events);
  virtual ~LoadableWindow();
  LoadableWindow(const LoadableWindow&) = delete;
  LoadableWindow& operator=(const LoadableWindow&) = delete;

  bool IsLoaded() const { return widget_ != nullptr; }
  // The loaded window, or null: dialogs are shown over it.
  QWidget* Widget() const;
  void Unload();
  // Loads the window if needed, shows it and makes it the program's active window.
  void Show();

  // The controls of the loaded window, by object name: a label's caption and tooltip, a
  // button's or a command's enabled state, the pointer over the whole window.
  void SetText(std::string_view label, const QString& text) const;
  void SetToolTip(std::string_view control, const QString& text) const;
  void Enable(std::string_view control, bool on) const;
  void SetBusy(bool busy) const;

 protected:
  // Creates the controls on a fresh, empty window.
  virtual void Build(QWidget& window) = 0;
  // Runs once the window and its controls are gone: handles to controls must be dropped.
  virtual void Unloaded() {}

  // The control of the loaded window named `name`; the layout guarantees that it exists.
  template <typename Control>
  Control& Find(std::string_view name) const {
    auto* control = Widget()->findChild<Control*>(ToQString(name), Qt::FindDirectChildrenOnly);
    if (control == nullptr)
      MissingControl(name);
    return *control;
  }

 private:
  [[noreturn]] static void MissingControl(std::string_view name);
  void Load();

  friend class TopLevelWidget;
  void WidgetActivated();
  void WidgetClosedByUser();

  Program& program_;
  Events events_;
  QPointer<TopLevelWidget> widget_;
  QPointer<TopLevelWidget> unloadedWidget_;  // until its deletion has run
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
