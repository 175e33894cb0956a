// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <functional>
#include <memory>
#include <string_view>

#include "chart_keys.h"
#include "chart_window.h"
#include "command_effects.h"
#include "loadable_window.h"

namespace ombrix {

class ProgramCommands;

// The main window: the settings, the frequency table, the average and the four commands,
// the table's menu, the cues' player and the chart window beside it. Its commands are the
// program's: it only tells them what happens, and does what they ask.
class MainWindow final : public LoadableWindow {
 public:
  // `tableCommand` receives the table's menu commands, chosen or by their keys.
  MainWindow(Program& program, Events events, std::function<void(Command)> tableCommand);

  void PlayCue(std::string_view file) const;
  void OpenTableMenu() const;
  // Its words, and its menu's, shown afresh in the current language.
  void Relabel();
  // Tells the chart window, opened beside this one on first use, of a command.
  void TellChart(ChartCall call, const ProgramCommands& commands);

 protected:
  void Build(QWidget& window) override;
  void Unloaded() override;

 private:
  void AddTableMenu(QWidget& window);
  void OpenChart(const ProgramCommands& commands);

  std::function<void(Command)> tableCommand_;
  QMenu* menu_ = nullptr;               // while the window is loaded
  std::unique_ptr<ChartWindow> chart_;  // once asked for, until this window unloads
};

}  // namespace ombrix
