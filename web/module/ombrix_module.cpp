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
#include "chart_model.h"
#include "chart_records.h"
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
  ChartModel chart;
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

void ClearRun() {
  session().report.reset();
}

// The chart's figures and meetings, worked out only for a chart that shows them.
ShortageChart RunChart(const RunReport& report) {
  return ChartOf(report.law, report.run.Values(), report.run.average);
}

RunMeetings Meetings() {
  Session& current = session();
  const ShortageRun& run = current.report->run;
  return {.next = [&run](int value, int after) { return run.NextMeetingWith(value, after); },
          .replay = [&current,
                     &run](int experiment) { return current.engine.Replay(run, experiment); }};
}

// The chart's events, each with what it asks of the page. Without a run, Show chart opens
// nothing.
val ChartOpen() {
  Session& current = session();
  if (!current.report)
    return val::null();
  return OutcomeRecord(current.chart.Open(RunChart(*current.report), Meetings()));
}

val ChartRun() {
  Session& current = session();
  if (!current.report || !current.chart.IsOpen())
    return OutcomeRecord({});
  return OutcomeRecord(current.chart.Run(RunChart(*current.report), Meetings()));
}

val ChartInit() {
  return OutcomeRecord(session().chart.Init());
}

val ChartExit() {
  return OutcomeRecord(session().chart.Exit());
}

val ChartClose() {
  return OutcomeRecord(session().chart.Close());
}

val ChartBack() {
  return OutcomeRecord(session().chart.Back());
}

// With `taken`: whether the key gives a command where it arrived. One that gives none stays
// the browser's, as Space on a button or Tab.
val ChartKey(const std::string& part, const std::string& key, bool control, double now) {
  const KeyPart at = KeyPartNamed(part);
  val outcome = OutcomeRecord(session().chart.Key(at, {key, control}, now));
  outcome.set("taken", CommandOf(at, {key, control}) != Command::None);
  return outcome;
}

val ChartFocusBars() {
  return OutcomeRecord(session().chart.FocusBars());
}

val ChartPointer(const std::string& kind, double x, double y) {
  ChartModel& chart = session().chart;
  if (kind == "down")
    return OutcomeRecord(chart.PointerDown({x, y}));
  if (kind == "move")
    return OutcomeRecord(chart.PointerMove({x, y}));
  return OutcomeRecord(chart.PointerUp());  // let go, or cancelled
}

bool ChartGrabs(double x, double y) {
  return session().chart.GrabsMarker({x, y});
}

val ChartReplay(double now) {
  return OutcomeRecord(session().chart.ReplayClicked(now));
}

val ChartTick(double now) {
  return OutcomeRecord(session().chart.Tick(now));
}

void ChartResize(double width, double height) {
  session().chart.Resize({width, height});
}

val ChartNow(val measure) {
  return ChartView(session().chart, measure);
}

// The command of a key of the main window's table: "ShowChart", "CopyTable" or "None".
std::string TableCommand(const std::string& key, bool control) {
  return std::string(CommandName(CommandOf(KeyPart::Table, {key, control})));
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
  emscripten::function("clearRun", &ClearRun);
  emscripten::function("chartOpen", &ChartOpen);
  emscripten::function("chartRun", &ChartRun);
  emscripten::function("chartInit", &ChartInit);
  emscripten::function("chartExit", &ChartExit);
  emscripten::function("chartClose", &ChartClose);
  emscripten::function("chartBack", &ChartBack);
  emscripten::function("chartKey", &ChartKey);
  emscripten::function("chartFocusBars", &ChartFocusBars);
  emscripten::function("chartPointer", &ChartPointer);
  emscripten::function("chartGrabs", &ChartGrabs);
  emscripten::function("chartReplay", &ChartReplay);
  emscripten::function("chartTick", &ChartTick);
  emscripten::function("chartResize", &ChartResize);
  emscripten::function("chartNow", &ChartNow);
  emscripten::function("tableCommand", &TableCommand);
  emscripten::function("runTimeError", &RunTimeError);
}
