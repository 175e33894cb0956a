// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "program_commands.h"

namespace ombrix {
namespace {

// An effect as one line: "Enable Command1 off", "AskText title|prompt|default". The 63 cells'
// effects of one kind come as one line, with the sum of their counts when they have any.
std::vector<std::string> Lines(const Effects& effects) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < effects.size(); ++i) {
    const Effect& e = effects[i];
    std::string line = KindName(e.kind);
    if (e.control == "dosu(1)") {
      int sum = 0, notes = 0;
      for (int bin = 1; bin <= 63; ++i, ++bin) {
        EXPECT_EQ(effects[i].control, "dosu(" + std::to_string(bin) + ")");
        sum += std::atoi(effects[i].text.c_str());
        notes += !effects[i].text.empty();
      }
      --i;
      const bool tips = e.kind == EffectKind::SetToolTip;
      lines.push_back(line + " cells " +
                      (notes == 0 ? "empty"
                       : tips     ? "noted"
                                  : std::to_string(sum)));
      continue;
    }
    if (e.kind == EffectKind::Load || e.kind == EffectKind::Unload)
      line += e.window == ProgramWindow::Main ? " Main" : " Help";
    if (e.kind == EffectKind::Chart)
      line += std::string(" ") + CallName(e.chart);
    if (!e.control.empty())
      line += " " + e.control;
    if (e.kind == EffectKind::Enable || e.kind == EffectKind::Busy)
      line += e.on ? " on" : " off";
    if (e.kind == EffectKind::AskText || e.kind == EffectKind::AskOk)
      line.append(" ").append(e.title).append("|").append(e.text).append(
          e.defaultText.empty() ? "" : "|" + e.defaultText);
    else if (!e.text.empty())
      line.append(" ").append(e.text.substr(0, e.text.find('\n')));  // a note's first line
    if (e.kind == EffectKind::End)
      line.append(" ").append(std::to_string(e.status));
    lines.push_back(line);
  }
  return lines;
}

using Event = std::function<Effects(ProgramCommands&)>;
Event Click(std::string_view button, ProgramWindow window = ProgramWindow::Main) {
  return [=](ProgramCommands& c) { return c.Clicked(window, button); };
}
Event Type(std::string answer) {
  return [=](ProgramCommands& c) { return c.TextAnswered(answer); };
}
Event Activate(ProgramWindow window = ProgramWindow::Main) {
  return [=](ProgramCommands& c) { return c.Activated(window); };
}
Event Press(std::string_view key, bool control = false, bool shift = false) {
  return [=](ProgramCommands& c) { return c.TableKey({key, control, shift}); };
}
const Event kOk = [](ProgramCommands& c) { return c.OkAnswered(kButtonOk); };
const Event kResume = [](ProgramCommands& c) { return c.Resumed(); };
const Event kRun = [](ProgramCommands& c) { return c.RunExperiment(); };
const Event kStart = Click("Command1"), kExit = Click("Command2"), kInit = Click("Command3"),
            kHelp = Click("Command4");

const std::string kGuests =
    "Setting the number of guests|Please enter an integer between "
    "10 and 1000 ...|100";
const std::string kExperiments =
    "Setting the number of experiments|Please enter an integer "
    "between 1 and 10000 ...|1000";
const std::string kExitMessage = "AskOk Experiment of Ombrix|This software will exit.";

// The seeded run of 100 guests and 20 experiments, and what the table's notes say of it.
const std::vector<std::string> kRunEffects = {
    "Yield",
    "Busy on",
    "Enable Command2 off",
    "Enable Command3 off",
    "RunExperiment",
    "SetText Label3 -7.1",
    "SetText cells 20",
    "SetToolTip cells noted",
    "SetToolTip Label3 Expected average for 100 guests: -7.46",
    "Enable Command1 off",
    "Enable Command2 on",
    "Enable Command3 on",
    "Busy off",
    "Enable ShowChart on",
    "Enable CopyTable on",
    "Chart Run"};
const std::vector<std::string> kInitEffects = {
    "PlayCue pinpon.wav",     "Enable Command1 on", "SetText cells empty",
    "SetText Label2",         "SetText Label3",     "SetText Label82",
    "SetToolTip cells empty", "SetToolTip Label3",  "Enable ShowChart off",
    "Enable CopyTable off",   "Chart Init",         "AskText  " + kGuests};

// Each row runs its events on a program whose main window has asked for and been given 100
// guests and 20 experiments, and compares the effects of all its events, in their order.
struct Row {
  const char* name;
  std::vector<Event> events;
  std::vector<std::string> effects;
};

TEST(ProgramCommandsTest, EachEventSequenceGivesItsEffectsInOrder) {
  const std::vector<std::string> ended = {"End 0"};
  const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const Row rows[] = {
      {"a run fills the table from its yield on", {kStart, kResume, kRun}, kRunEffects},
      {"a yield's window unloaded meanwhile: no run",
       {kStart, kHelp, kResume},
       {"Yield", "PlayCue pinpon.wav", "Chart Close", "Unload Main", "Load Help"}},
      {"Exit: the replay pauses, the cue, the message; OK ends",
       {kExit, kOk},
       {"Chart Exit", "PlayCue endpinpon.wav", kExitMessage, "End 0"}},
      {"Exit answered by a code but OK goes on",
       {kExit, [](ProgramCommands& c) { return c.OkAnswered(2); }, kInit},
       join({"Chart Exit", "PlayCue endpinpon.wav", kExitMessage}, kInitEffects)},
      {"Init after a run clears everything, then asks with its titles; refused twice",
       {kStart, kResume, kRun, kInit, Type("5"), Type("1000.5"), Type(" 12.9xyz")},
       join(join(kRunEffects, kInitEffects),
            {"AskText  " + kGuests, "AskText  " + kGuests, "SetText Label82 12",
             "AskText  Setting the number of experiment|Please enter an integer between 1 and "
             "10000 ...|1000"})},
      {"a cancelled dialog: the exit message, then the end whatever it answers",
       {kInit, Type(""), [](ProgramCommands& c) { return c.OkAnswered(0); }},
       join(kInitEffects, {kExitMessage, "End 0"})},
      {"while a dialog waits, every other input is dropped",
       {kInit, kStart, kHelp, Press("G", true), Activate(),
        [](ProgramCommands& c) { return c.ClosedByUser(ProgramWindow::Main); }, kOk, kResume, kRun,
        Type("50"), Type("70")},
       join(kInitEffects, {"SetText Label82 50",
                           "AskText  Setting the number of experiment|"
                           "Please enter an integer between 1 and 10000 ...|1000",
                           "SetText Label2 70"})},
      {"the table's keys wait for a run; the menu keys do not",
       {Press("G", true), Press("C", true), Press("Menu"), Press("F10", false, true), Press("F10"),
        kStart, kResume, kRun, Press("G", true), Press("C", true), Press("G")},
       join(join({"OpenTableMenu", "OpenTableMenu"}, kRunEffects),
            {"Chart Open", "CopyText Shortage\tObserved\tExpected"})},
      {"Help: the main window goes first, with the chart; the help text on activation",
       {kStart, kResume, kRun, kHelp, Activate(ProgramWindow::Help), Activate(ProgramWindow::Help),
        Click("Command1", ProgramWindow::Help), Press("G", true), kStart, Activate(), Type("10"),
        Type("1")},
       join(kRunEffects, {"PlayCue pinpon.wav", "Chart Close", "Unload Main", "Load Help",
                          "PrintHelp", "Unload Help", "Load Main", "AskText " + kGuests,
                          "SetText Label82 10", "AskText " + kExperiments, "SetText Label2 1"})},
      {"a window closed from its title bar: unloaded, and the end without a word",
       {kStart, kResume, kRun,
        [](ProgramCommands& c) { return c.ClosedByUser(ProgramWindow::Main); }, kStart, Activate()},
       join(kRunEffects, {"Chart Close", "Unload Main", "End 0"})},
      {"a run-time error is told, then the program ends with 70",
       {[](ProgramCommands& c) { return c.Failed("Overflow"); }, kExit, kOk, kInit},
       {"AskOk Experiment of Ombrix|Run-time error: Overflow", "End 70"}},
  };
  for (const Row& row : rows) {
    ProgramCommands commands(20261206, [] { return 43200.0f; });
    std::vector<std::string> before;
    for (const Event& event : {Event([](ProgramCommands& c) { return c.StartUp(); }), Activate(),
                               Type("100"), Type("20")})
      before = join(before, Lines(event(commands)));
    ASSERT_EQ(before,
              std::vector<std::string>({"Load Main", "AskText " + kGuests, "SetText Label82 100",
                                        "AskText " + kExperiments, "SetText Label2 20"}));
    std::vector<std::string> effects;
    for (const Event& event : row.events)
      effects = join(effects, Lines(event(commands)));
    EXPECT_EQ(effects, row.effects) << row.name;
  }
}

// A click before the main window's activation is taken for it; then the settings stand.
TEST(ProgramCommandsTest, TheSettingsComeBeforeAnyCommand) {
  ProgramCommands commands(1);
  EXPECT_EQ(Lines(commands.StartUp()), std::vector<std::string>{"Load Main"});
  EXPECT_EQ(Lines(commands.Clicked(ProgramWindow::Main, "Command1")),
            std::vector<std::string>{"AskText " + kGuests});
  EXPECT_TRUE(commands.Asking());
  for (const char* answer : {"1000", "&H3E8"})
    commands.TextAnswered(answer);
  EXPECT_FALSE(commands.Asking());
  EXPECT_EQ(commands.Settings().GuestCount * 10000 + commands.Settings().ExperimentCount,
            1000 * 10000 + 1000);
  EXPECT_TRUE(Lines(commands.Activated(ProgramWindow::Main)).empty());
}

}  // namespace
}  // namespace ombrix
