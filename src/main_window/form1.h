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
#include "form.h"
#include "local_clock.h"
#include "media_control.h"
#include "run_notes.h"
#include "runtime_random.h"
#include "settings_dialogs.h"
#include "shortage_experiment.h"

namespace ombrix {

// The main window: the settings, the frequency table, the average and the four commands.
// The settings and the engine's working state are fields of this object and outlive the
// window's controls, which Help unloads.
class Form1 final : public Form, private SettingsDialogs {
 public:
  explicit Form1(Program& program, std::uint64_t randomSeed = FreshSeed(),
                 RuntimeRandom::Clock clock = SecondsSinceLocalMidnight);

  // How Help reaches the help window: creates it on first use, then returns the same one.
  void SetHelpWindow(std::function<Form&()> helpWindow) { helpWindow_ = std::move(helpWindow); }

 protected:
  void Build(QWidget& window) override;
  void Unloaded() override;
  void Form_Activate() override;

 private:
  // The controls of the loaded window, by what they do; their object names are the layout's.
  struct Controls {
    QPushButton& start;             // Command1, "Experiment Start"
    QPushButton& exit;              // Command2
    QPushButton& init;              // Command3
    QPushButton& help;              // Command4
    QLabel& guestCount;             // Label82
    QLabel& experimentCount;        // Label2
    QLabel& average;                // Label3
    std::array<QLabel*, 64> cells;  // dosu(1) to dosu(63), the bins; index 0 is unused
    MediaControl& mmControl1;       // plays the cues, never seen
    QAction& showChart;             // in the table's menu, and Ctrl+G
    QAction& copyTable;             // in the table's menu, and Ctrl+C
  };
  Controls FindControls() const;

  void Command1_Click();  // Experiment Start
  void Command2_Click();  // Exit
  void Command3_Click();  // Init
  void Command4_Click();  // Help

  // The settings dialogs, shown over this window.
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override;
  std::int16_t MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) override;
  void ShowGuestCount(std::string_view text) override;
  void ShowExperimentCount(std::string_view text) override;

  void AskSettings(SettingsVariant variant);
  // The run's notes beside its table: tooltips now, the text of Ctrl+C later.
  void AttachRunNotes(const FrequencyTable& table);
  void DetachRunNotes();
  void CopyTable() const;
  // Opens the chart window beside this one, or brings it forward, with the run of the table.
  void ShowChart();
  ShortageChart RunChart() const;

  ExperimentSettings settings_;
  RuntimeRandom random_;
  ShortageExperiment<RuntimeRandom> engine_{random_};
  std::function<Form&()> helpWindow_;
  std::optional<Controls> controls_;    // while the window is loaded
  std::optional<RunNotes> runNotes_;    // while the table shows a run
  std::unique_ptr<ChartWindow> chart_;  // once asked for, until this window unloads
};

}  // namespace ombrix
