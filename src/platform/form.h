// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>

namespace ombrix {

class Program;
class FormWindow;

// A window object: created once, it keeps its fields for the whole program, while its window
// and controls exist only while it is loaded. Show() loads it afresh from its layout when it
// is not loaded; Unload() destroys the window and every control on it.
class Form {
 public:
  explicit Form(Program& program);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  bool IsLoaded() const { return window_ != nullptr; }
  void Unload();
  // Loads the window if needed, shows it and makes it the program's active window. Its
  // Form_Activate runs once it has become active.
  void Show();

 protected:
  // The loaded window, or null.
  QWidget* Window() const;

  // Creates the controls on a fresh, empty window.
  virtual void Build(QWidget& window) = 0;
  // Runs once the window and its controls are gone: handles to controls must be dropped.
  virtual void Unloaded() {}
  // Runs when the window becomes the program's active window after Show(); not when the
  // program regains the focus, nor when one of its own dialogs closes.
  virtual void Form_Activate() {}

  // The control of the loaded window named `name`; the layout guarantees that it exists.
  template <typename Control>
  Control& Find(const QString& name) const {
    auto* control = Window()->findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    if (control == nullptr)
      MissingControl(name);
    return *control;
  }

  // Connects a push button's click to a handler run through RunHandler().
  void OnClick(QPushButton& button, std::function<void()> handler);

  Program& program() { return program_; }

 private:
  [[noreturn]] static void MissingControl(const QString& name);
  void Load();
  // Runs an event handler; once it has returned the program ends if no window is left.
  void RunHandler(const std::function<void()>& handler);

  friend class FormWindow;
  void WindowActivated();
  void WindowClosedByUser();

  Program& program_;
  QPointer<FormWindow> window_;
  QPointer<FormWindow> unloadedWindow_;  // until its deletion has run
  bool activationPending_ = false;
};

// The top-level widget of a loaded form; it reports activation and closing to its form.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form& form) : form_(&form) {}

  // Once unloaded, the window waits for its deletion and reports nothing more.
  void Detach() { form_ = nullptr; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Form* form_;
};

}  // namespace ombrix
