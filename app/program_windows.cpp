// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_windows.h"

#include <QApplication>
#include <QIcon>

#include "fonts.h"

namespace ombrix {

void SetUpApplication() {
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));
  // Every window and dialog shows it; made once, as each window loaded afresh would render
  // it afresh into the pixmap cache.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/ombrix.svg")));
  // Only the program decides when it ends: Help unloads the main window before it shows help.
  QApplication::setQuitOnLastWindowClosed(false);
  RegisterFaceSubstitutes();
}

ProgramWindows::ProgramWindows(Program& program, std::uint64_t randomSeed)
    : program_(program), randomSeed_(randomSeed) {}

MainWindow& ProgramWindows::Main() {
  if (!mainWindow_) {
    mainWindow_ = std::make_unique<MainWindow>(program_, randomSeed_);
    mainWindow_->SetHelpWindow([this]() -> LoadableWindow& { return Help(); });
  }
  return *mainWindow_;
}

HelpWindow& ProgramWindows::Help() {
  if (!helpWindow_) {
    helpWindow_ = std::make_unique<HelpWindow>(program_);
    helpWindow_->SetMainWindow([this]() -> LoadableWindow& { return Main(); });
  }
  return *helpWindow_;
}

}  // namespace ombrix
