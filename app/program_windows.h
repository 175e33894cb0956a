// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "help_window.h"
#include "local_clock.h"
#include "main_window.h"
#include "program_commands.h"

namespace ombrix {

class Program;

// Sets up the application object before the first window: its desktop identity, the program's
// own rule for ending, the faces that stand in for the window font, and Qt's own words in the
// current catalogue's language.
void SetUpApplication();

// The desktop's program: forwards what happens on its windows to the commands, and carries out
// the effects they give back with widgets and modal dialogs. Each window object is created on
// first use and kept until the program ends.
class ProgramWindows {
 public:
  explicit ProgramWindows(Program& program, std::uint64_t randomSeed = FreshSeed(),
                          RandomGenerator::Clock clock = SecondsSinceLocalMidnight);

  // The main window is shown, and becoming active it asks for the settings.
  void StartUp();

 private:
  // Runs one event of the commands and carries out its effects; an exception escaping them
  // is a run-time error, which the commands report before the program ends.
  void Forward(const std::function<Effects()>& event);
  void Carry(Effects effects);
  // Carries out one effect; a dialog's or a yield's answer brings the next effects.
  Effects CarryOne(const Effect& effect);
  LoadableWindow::Events EventsOf(ProgramWindow window);
  LoadableWindow& Window(ProgramWindow window);
  MainWindow& Main();
  HelpWindow& Help();
  // The loaded window, or null.
  LoadableWindow* Loaded() const;

  Program& program_;
  ProgramCommands commands_;
  std::unique_ptr<MainWindow> mainWindow_;
  std::unique_ptr<HelpWindow> helpWindow_;
};

}  // namespace ombrix
