// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "help_window.h"
#include "local_clock.h"
#include "main_window.h"

namespace ombrix {

class Program;

// Sets up the application object before the first window: its desktop identity, the program's
// own rule for ending, and the faces that stand in for the window font.
void SetUpApplication();

// The program's two window objects, each created on first use and kept until the program
// ends; each reaches the other through here.
class ProgramWindows {
 public:
  explicit ProgramWindows(Program& program, std::uint64_t randomSeed = FreshSeed());

  // Start-up: the main window is shown, and becoming active it asks for the settings.
  void StartUp() { Main().Show(); }

 private:
  MainWindow& Main();
  HelpWindow& Help();

  Program& program_;
  std::uint64_t randomSeed_;
  std::unique_ptr<MainWindow> mainWindow_;
  std::unique_ptr<HelpWindow> helpWindow_;
};

}  // namespace ombrix
