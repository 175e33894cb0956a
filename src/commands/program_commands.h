// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "chart_keys.h"
#include "chart_model.h"
#include "command_effects.h"
#include "coverage_points.h"
#include "experiment_settings.h"
#include "random_generator.h"
#include "settings_dialogs.h"
#include "shortage_experiment.h"
#include "shortage_run.h"

namespace ombrix {

// What every command of the program does: start-up, the main window's Experiment Start, Exit,
// Init and Help, the help window's Close, the table's menu, the settings dialogs, a window
// closed from its title bar, and the ending. Each edition forwards its events here and carries
// out the effects it gets back, in their order. While a dialog waits for its answer, every
// other event is dropped, as modal dialogs drop clicks. Holds the settings, the engine and
// the table's run, which outlive the windows' controls.
class ProgramCommands {
 public:
  // The exit status of a program ended by a run-time error, as sysexits.h's EX_SOFTWARE.
  static constexpr int kRunTimeErrorStatus = 70;

  explicit ProgramCommands(std::uint64_t randomSeed = FreshSeed(),
                           RandomGenerator::Clock clock = SecondsSinceLocalMidnight);

  // The main window is shown; becoming active, it asks for the settings.
  Effects StartUp();
  // A loaded window became the program's active window: the first time after its Load only.
  Effects Activated(ProgramWindow window);
  // A push button of a loaded window, by its object name. The main window's commands wait
  // for its activation: a click that comes sooner is taken for it.
  Effects Clicked(ProgramWindow window, std::string_view control);
  // A command of the table's menu, chosen in it or by its key; a key of none does nothing.
  Effects TableCommand(Command command);
  Effects TableKey(Key key) { return TableCommand(CommandOf(KeyPart::Table, key)); }
  // A window closed through the windowing system: no window is left, so the program ends.
  Effects ClosedByUser(ProgramWindow window);

  // The answers of AskText, AskOk, Yield and RunExperiment.
  Effects TextAnswered(std::string_view answer);
  Effects OkAnswered(std::int16_t button);
  Effects Resumed();
  Effects RunExperiment();
  // An error escaped an edition's handling of an event: it is reported, then the program ends.
  Effects Failed(std::string_view what);

  // The run the table shows, while it shows one.
  const std::optional<RunReport>& Report() const { return report_; }
  // The points of the runs so far, and the sweep's run under way (0 on), while one runs.
  const CoveragePoints& Points() const { return points_; }
  std::optional<int> SweepRun() const;

  // The chart of the table's run, and where the chart finds its meetings: needs a run.
  ShortageChart RunChart() const;
  RunMeetings Meetings() const;

 private:
  enum class Question { Nothing, Count, ExitMessage, ExitAfterCancel, RunTimeError };

  bool TakesInput() const { return !ended_ && question_ == Question::Nothing; }
  Effects Load(ProgramWindow window);
  Effects Start();
  Effects Exit();
  Effects Init();
  Effects Help();
  Effects Close();
  Effects SwitchLanguage();
  Effects StartSweep();
  // The sweep's next run, from its yield.
  Effects SweepOn();
  // Stops a sweep that runs, before a command that leaves its view; the chart is told.
  void StopSweep(Effects& effects);
  Effects AskSettings(SettingsVariant variant);
  Effects AskCount() const;
  Effects AskExit(Question reason);
  // The table's run: its cells' and average's texts and notes.
  void ShowRun(Effects& effects) const;
  Effects End(int status);

  ExperimentSettings settings_;
  RandomGenerator random_;
  ShortageExperiment<RandomGenerator> engine_{random_};
  std::optional<RunReport> report_;
  std::optional<ProgramWindow> loaded_;
  bool activationDue_ = false;  // from the loaded window's Load to its first activation
  bool startDue_ = false;       // from Experiment Start's yield to its RunExperiment
  CoveragePoints points_;
  std::optional<std::size_t> sweepNext_;  // of kSweepGuestCounts, while a sweep runs
  bool sweepYielded_ = false;             // from a sweep's yield to its Resumed
  Question question_ = Question::Nothing;
  std::size_t countAsked_ = 0;  // of kSettingsDialogs, while Question::Count
  SettingsVariant variant_ = SettingsVariant::Activation;
  bool ended_ = false;
};

}  // namespace ombrix
