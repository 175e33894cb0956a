// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's module: the windows' records (window_records), the settings dialogs'
// logic, and the experiment with its notes and chart (run_records), for the page to draw and
// drive. One program per page, so one session.

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "ask_settings.h"
#include "page_dialogs.h"
#include "random_generator.h"
#include "run_records.h"
#include "run_time_error.h"
#include "shortage_experiment.h"
#include "shortage_run.h"
#include "window_records.h"

namespace ombrix {
namespace {

using emscripten::val;

struct Session {
  ExperimentSettings settings;
  RandomGenerator random{FreshSeed()};
  ShortageExperiment<RandomGenerator> engine{random};
  std::optional<RunReport> report;
  PageDialogs dialogs;
};

Session& session() {
  static Session current;
  return current;
}

// Runs the experiment with the accepted settings.
val RunExperiment() {
  Session& current = session();
  return RunRecord(current.report.emplace(current.engine.Run(current.settings)));
}

// The chart of the last run; null after Init.
val RunChart() {
  const std::optional<RunReport>& report = session().report;
  return report ? ChartRecord(*report) : val::null();
}

void ClearRun() {
  session().report.reset();
}

// The next experiment of the last run after `after` (0: from the first) whose shortage is
// `value`, wrapping round; null when none had it, or without a run. An experiment the run
// does not have is an error of the page's, which the core reports.
val NextMeeting(int value, int after) {
  const std::optional<RunReport>& report = session().report;
  const std::optional<int> next = report ? report->run.NextMeetingWith(value, after) : std::nullopt;
  return next ? val(*next) : val::null();
}

// Experiment `experiment` of the last run drawn again; null without a run.
val ReplayMeeting(int experiment) {
  Session& current = session();
  if (!current.report)
    return val::null();
  return MeetingRecord(current.engine.Replay(current.report->run, experiment),
                       current.report->run.experimentCount);
}

// The words of the message box that reports an error escaping a command.
val RunTimeError(const std::string& what) {
  val words = val::object();
  words.set("prompt", RunTimeErrorPrompt(what));
  words.set("title", std::string(kRunTimeErrorTitle));
  return words;
}

}  // namespace
}  // namespace ombrix

// The two steps that wait for the page's dialogs. The page calls them through ccall with
// async: true, one at a time.
extern "C" {

// Asks both settings; 1 to go on, 0 when the program must end.
EMSCRIPTEN_KEEPALIVE int ombrix_ask_settings(int initVariant) {
  using namespace ombrix;
  Session& current = session();
  const auto variant = initVariant ? SettingsVariant::Init : SettingsVariant::Activation;
  return AskExperimentSettings(current.dialogs, current.settings, variant) == Flow::Continue;
}

// Shows the exit message; returns its button code.
EMSCRIPTEN_KEEPALIVE int ombrix_exit_message() {
  using namespace ombrix;
  Session& current = session();
  return ShowExitMessage(current.dialogs, current.settings);
}
}

EMSCRIPTEN_BINDINGS(ombrix) {
  using namespace ombrix;
  emscripten::function("mainWindow", &MainWindowRecord);
  emscripten::function("helpWindow", &HelpWindowRecord);
  emscripten::function("inputBox", &InputBoxRecord);
  emscripten::function("messageBox", &MessageBoxRecord);
  emscripten::function("spoken", &MainWindowSpoken);
  emscripten::function("chartWindow", &ChartWindowRecord);
  emscripten::function("runExperiment", &RunExperiment);
  emscripten::function("runChart", &RunChart);
  emscripten::function("clearRun", &ClearRun);
  emscripten::function("nextMeeting", &NextMeeting);
  emscripten::function("replayMeeting", &ReplayMeeting);
  emscripten::function("runTimeError", &RunTimeError);
}
