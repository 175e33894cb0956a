// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ask_settings.h"
#include "chart_window.h"
#include "experiment_settings.h"
#include "frequency_table.h"
#include "loadable_window.h"
#include "local_clock.h"
#include "media_player_control.h"
#include "random_generator.h"
#include "run_notes.h"
#include "settings_dialogs.h"
#include "shortage_experiment.h"
#include "shortage_run.h"

namespace ombrix {

// The main window: the settings, the frequency table, the average and the four commands.
// The settings and the last run are fields of this object and outlive the window's controls,
// which Help unloads.
class MainWindow final : public LoadableWindow, private SettingsDialogs {
 public:
  explicit MainWindow(Program& program, std::uint64_t randomSeed = FreshSeed(),
                      RandomGenerator::Clock clock = SecondsSinceLocalMidnight);

  // How Help reaches the help window: creates it on first use, then returns the same one.
  void SetHelpWindow(std::function<LoadableWindow&()> helpWindow) {
    helpWindow_ = std::move(helpWindow);
  }

 protected:
  void Build(QWidget& window) override;
  void Unloaded() override;
  void OnActivated() override;
  // The settings come first: no command runs before both dialogs are answered.
  bool CommandsWaitForActivation() const override { return true; }

 private:
  // The controls of the loaded window, by what they do.
  struct Controls {
    QPushButton& start;
    QPushButton& exit;
    QPushButton& init;
    QPushButton& help;
    QLabel& guestCount;
    QLabel& experimentCount;
    QLabel& average;
    std::array<QLabel*, FrequencyTable::kBinCount + 1> cells;  // by bin; index 0 is unused
    MediaPlayerControl& cuePlayer;                             // plays the cues, never seen
    QAction& showChart;                                        // in the table's menu, and Ctrl+G
    QAction& copyTable;                                        // in the table's menu, and Ctrl+C
  };
  Controls FindControls() const;

  void OnStartClicked();
  void OnExitClicked();
  void OnInitClicked();
  void OnHelpClicked();

  // The settings dialogs, shown over this window.
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override;
  std::int16_t MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) override;
  void ShowCount(std::string_view label, std::string_view text) override;

  void AskSettings(SettingsVariant variant);
  // The run's notes beside its table: the tooltips, and the text of Ctrl+C.
  void AttachRunNotes();
  void DetachRunNotes();
  void CopyTable() const;
  // Opens the chart window beside this one, or brings it forward, with the table's run.
  void ShowChart();
  ShortageChart RunChart() const;
  // The meetings of the table's run, which the chart shows one by one.
  RunMeetings Meetings() const;

  ExperimentSettings settings_;
  RandomGenerator random_;
  ShortageExperiment<RandomGenerator> engine_{random_};
  std::function<LoadableWindow&()> helpWindow_;
  std::optional<Controls> controls_;    // while the window is loaded
  std::optional<RunReport> report_;     // while the table shows a run
  std::unique_ptr<ChartWindow> chart_;  // once asked for, until this window unloads
};

}  // namespace ombrix
