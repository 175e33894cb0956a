// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <memory>

#include "display_guard.h"
#include "program.h"
#include "program_windows.h"
#include "user_language.h"

int main() {
  // Ombrix takes no command line: the toolkit gets the program's name alone, so that its own
  // options (-platform, -reverse, ...) do nothing. Its environment variables still apply.
  int argumentCount = 1;
  char name[] = "ombrix";
  char* arguments[] = {name, nullptr};

  // Before the toolkit starts, whose failure to reach a display is explained in its words.
  ombrix::UseUserLanguage();
  auto displayGuard = std::make_unique<ombrix::DisplayGuard>();
  QApplication app(argumentCount, arguments);
  displayGuard.reset();
  ombrix::SetUpApplication();

  ombrix::Program program;
  ombrix::ProgramWindows windows(program);
  windows.StartUp();
  return QApplication::exec();
}
