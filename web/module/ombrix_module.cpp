// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's module: the windows' records (window_records), and the program's
// commands, each event answered with the effects the page carries out in their order; the
// chart's events are in chart_session.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "chart_records.h"
#include "main_window_layout.h"
#include "session.h"
#include "window_records.h"

namespace ombrix {

Session& session() {
  static Session current;
  return current;
}

namespace {

using emscripten::val;

const char* Name(ProgramWindow window) {
  return window == ProgramWindow::Main ? "Main" : "Help";
}

ProgramWindow WindowNamed(const std::string& name) {
  return name == "Help" ? ProgramWindow::Help : ProgramWindow::Main;
}

// Each effect with the fields its kind uses: a run's few hundred records cross to the page
// one field at a time.
val Records(const Effects& effects) {
  val records = val::array();
  for (const Effect& effect : effects) {
    val record = val::object();
    record.set("kind", KindName(effect.kind));
    switch (effect.kind) {
      case EffectKind::Load:
      case EffectKind::Unload:
        record.set("window", Name(effect.window));
        break;
      case EffectKind::Chart:
        record.set("call", CallName(effect.chart));
        break;
      case EffectKind::End:
        record.set("status", effect.status);
        break;
      case EffectKind::Relabel:
        record.set("window", Name(effect.window));
        record.set("text", effect.text);
        break;
      case EffectKind::AskText:
        record.set("defaultText", effect.defaultText);
        [[fallthrough]];
      case EffectKind::AskOk:
        record.set("title", effect.title);
        [[fallthrough]];
      case EffectKind::PlayCue:
      case EffectKind::CopyText:
      case EffectKind::Announce:
        record.set("text", effect.text);
        break;
      case EffectKind::SetText:
      case EffectKind::SetToolTip:
        record.set("text", effect.text);
        record.set("control", effect.control);
        break;
      case EffectKind::Enable:
        record.set("control", effect.control);
        [[fallthrough]];
      case EffectKind::Busy:
        record.set("on", effect.on);
        break;
      case EffectKind::Yield:
        record.set("on", effect.on);
        break;
      case EffectKind::RunExperiment:
      case EffectKind::PrintHelp:
      case EffectKind::OpenTableMenu:
        break;
    }
    records.call<void>("push", record);
  }
  return records;
}

ProgramCommands& Commands() {
  return session().commands;
}

val StartUp() {
  return Records(Commands().StartUp());
}

val Activated(const std::string& window) {
  return Records(Commands().Activated(WindowNamed(window)));
}

val Clicked(const std::string& window, const std::string& button) {
  return Records(Commands().Clicked(WindowNamed(window), button));
}

// A command of the table's menu, by its object name.
val MenuChosen(const std::string& name) {
  for (const auto& menu : MainWindowLayout::kMenuCommands)
    if (menu.name == name)
      return Records(Commands().TableCommand(menu.command));
  return Records({});
}

// A command the chart handed on to the program, as its outcome named it.
val ChartCommand(const std::string& name) {
  return Records(Commands().TableCommand(ProgramCommandNamed(name)));
}

val TableKey(const std::string& key, bool control, bool shift) {
  return Records(Commands().TableKey({key, control, shift}));
}

val TextAnswered(const std::string& answer) {
  return Records(Commands().TextAnswered(answer));
}

val OkAnswered(int button) {
  return Records(Commands().OkAnswered(static_cast<std::int16_t>(button)));
}

val Resumed() {
  return Records(Commands().Resumed());
}

val RunExperiment() {
  return Records(Commands().RunExperiment());
}

val Failed(const std::string& what) {
  return Records(Commands().Failed(what));
}

// The words' language from here on: the first of `languages` (BCP 47 tags, as a link's
// ?lang= and navigator.languages give them) that a catalogue is built for, else English.
// Answers the chosen one's tag.
std::string UseLanguage(const val& languages) {
  const auto tags = emscripten::vecFromJSArray<std::string>(languages);
  const std::vector<std::string_view> wanted(tags.begin(), tags.end());
  const Catalogue& catalogue = PreferredCatalogue(wanted);
  UseCatalogue(catalogue);
  return std::string(catalogue.language);
}

}  // namespace
}  // namespace ombrix

EMSCRIPTEN_BINDINGS(ombrix) {
  using namespace ombrix;
  emscripten::function("mainWindow", &MainWindowRecord);
  emscripten::function("helpWindow", &HelpWindowRecord);
  emscripten::function("inputBox", &InputBoxRecord);
  emscripten::function("messageBox", &MessageBoxRecord);
  emscripten::function("spoken", &MainWindowSpoken);
  emscripten::function("startUp", &StartUp);
  emscripten::function("activated", &Activated);
  emscripten::function("clicked", &Clicked);
  emscripten::function("menuChosen", &MenuChosen);
  emscripten::function("tableKey", &TableKey);
  emscripten::function("chartCommand", &ChartCommand);
  emscripten::function("textAnswered", &TextAnswered);
  emscripten::function("okAnswered", &OkAnswered);
  emscripten::function("resumed", &Resumed);
  emscripten::function("runExperiment", &RunExperiment);
  emscripten::function("failed", &Failed);
  emscripten::function("useLanguage", &UseLanguage);
}
