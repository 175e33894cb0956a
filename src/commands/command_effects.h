// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace ombrix {

// The program's two windows; at most one is loaded after start-up.
enum class ProgramWindow { Main, Help };

// What the chart window is told of the main window's commands.
// Coverage opens it at the coins against the guests; Points tells it of new points or of the
// sweep's progress.
enum class ChartCall { Open, Run, Init, Exit, Close, Relabel, Coverage, Points };

enum class EffectKind {
  Load,           // window: loaded afresh from its layout, shown and made active
  Unload,         // window: it and its controls go
  AskText,        // the input box: text (prompt), title, defaultText; answered by TextAnswered
  AskOk,          // the message box with OK alone: text (prompt), title; answered by OkAnswered
  Yield,          // the events pending now run once; answered by Resumed. On: between a sweep's
                  // runs, where the input that comes meanwhile and the drawing go first
  RunExperiment,  // answered by RunExperiment(), once the effects before it show
  SetText,        // control's caption
  SetToolTip,     // control's tooltip, none when empty
  Enable,         // control (a button or a command of the table's menu), on
  Busy,           // on: the hourglass over the main window; off: the arrow
  PlayCue,        // text: a cue's file name, played by the main window
  PrintHelp,      // the help window's text is printed afresh into it
  Chart,          // chart: told to the chart window, which ignores a call it has no use for
  CopyText,       // text: put on the clipboard
  OpenTableMenu,  // the table's menu, at the table's centre
  Announce,       // text: told to a screen reader now, whatever has the focus
  End,            // status: the program ends at once; nothing follows
  Relabel,        // window: its words shown afresh from its layout, in the language of text
                  // (a BCP 47 tag); the texts commands set stay
};

// The names of the kinds and calls, as the page and the tests read them.
inline const char* KindName(EffectKind kind) {
  static const char* const kNames[] = {
      "Load",    "Unload",     "AskText",       "AskOk",    "Yield",   "RunExperiment",
      "SetText", "SetToolTip", "Enable",        "Busy",     "PlayCue", "PrintHelp",
      "Chart",   "CopyText",   "OpenTableMenu", "Announce", "End",     "Relabel"};
  return kNames[static_cast<int>(kind)];
}

inline const char* CallName(ChartCall call) {
  static const char* const kNames[] = {"Open",  "Run",     "Init",     "Exit",
                                       "Close", "Relabel", "Coverage", "Points"};
  return kNames[static_cast<int>(call)];
}

// One thing a command asks of an edition, which carries the effects out in their order. A
// dialog or a yield is always the last of its batch: the answer brings the next one.
struct Effect {
  EffectKind kind;
  ProgramWindow window = ProgramWindow::Main;
  std::string control{};  // an object name
  std::string text{};
  std::string title{};
  std::string defaultText{};
  bool on = false;
  ChartCall chart = ChartCall::Open;
  int status = 0;

  friend bool operator==(const Effect&, const Effect&) = default;
};

using Effects = std::vector<Effect>;

}  // namespace ombrix
