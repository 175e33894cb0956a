// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's module: the windows' records (window_records), the settings dialogs'
// logic, and the experiment with its notes (run_records), for the page to draw and drive; the
// chart's events are in chart_session.

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "ask_settings.h"
#include "run_records.h"
#include "run_time_error.h"
#include "session.h"
#include "window_records.h"

namespace ombrix {

Session& session() {
  static Session current;
  return current;
}

namespace {

using emscripten::val;

// Runs the experiment with the accepted settings.
val RunExperiment() {
  Session& current = session();
  return RunRecord(current.report.emplace(current.engine.Run(current.settings)));
}

void ClearRun() {
  session().report.reset();
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
  emscripten::function("runExperiment", &RunExperiment);
  emscripten::function("clearRun", &ClearRun);
  emscripten::function("runTimeError", &RunTimeError);
}
