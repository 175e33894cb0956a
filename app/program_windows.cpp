// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_windows.h"

#include <QApplication>

#include "fonts.h"

namespace ombrix {

void SetUpApplication() {
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));
  // Only the program decides when it ends: Help unloads the main window before it shows help.
  QApplication::setQuitOnLastWindowClosed(false);
  RegisterFaceSubstitutes();
}

ProgramWindows::ProgramWindows(Program& program, std::uint64_t randomSeed)
    : program_(program), randomSeed_(randomSeed) {}

Form1& ProgramWindows::MainWindow() {
  if (!mainWindow_) {
    mainWindow_ = std::make_unique<Form1>(program_, randomSeed_);
    mainWindow_->SetHelpWindow([this]() -> Form& { return HelpWindow(); });
  }
  return *mainWindow_;
}

Form2& ProgramWindows::HelpWindow() {
  if (!helpWindow_) {
    helpWindow_ = std::make_unique<Form2>(program_);
    helpWindow_->SetMainWindow([this]() -> Form& { return MainWindow(); });
  }
  return *helpWindow_;
}

}  // namespace ombrix
