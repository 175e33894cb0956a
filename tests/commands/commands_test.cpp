// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "program_commands.h"
#include "random_generator.h"
#include "shortage_experiment.h"
#include "table_texts.h"

namespace ombrix {
namespace {

// Effects as lines joined by "; ": "Enable Command1 off", "AskText title|prompt|default". The
// 63 cells' effects of one kind make one line, with the sum of their counts if they have any.
// Every kind and chart call shows in the rows below under its name, which the page carries the
// effects out by.
std::string Lines(const Effects& effects) {
  std::string lines;
  for (std::size_t i = 0; i < effects.size(); ++i) {
    const Effect& e = effects[i];
    std::string line = KindName(e.kind);
    if (e.control == "dosu(1)") {
      int sum = 0, filled = 0, hinted = 0;
      for (int bin = 1; bin <= 63; ++bin, ++i) {
        EXPECT_EQ(effects[i].control, "dosu(" + std::to_string(bin) + ")");
        sum += std::atoi(effects[i].text.c_str());
        filled += !effects[i].text.empty();
        hinted += effects[i].text == Tr(kTableHint);
      }
      --i;
      const bool counts = e.kind == EffectKind::SetText;
      line.append(" cells ").append(!filled        ? "empty"
                                    : hinted == 63 ? "hinted"
                                    : counts       ? std::to_string(sum)
                                                   : "noted");
    } else {
      line.append(e.kind == EffectKind::Load || e.kind == EffectKind::Unload ||
                          e.kind == EffectKind::Relabel
                      ? (e.window == ProgramWindow::Main ? " Main" : " Help")
                      : "");
      line.append(e.kind == EffectKind::Chart ? std::string(" ") + CallName(e.chart) : "");
      line.append(e.control.empty() ? "" : " " + e.control);
      if (e.kind == EffectKind::Enable || e.kind == EffectKind::Busy)
        line.append(e.on ? " on" : " off");
      if (e.kind == EffectKind::Yield && e.on)
        line.append(" on");
      if (e.kind == EffectKind::AskText || e.kind == EffectKind::AskOk)
        line.append(" ").append(e.title).append("|").append(e.text).append(
            e.defaultText.empty() ? "" : "|" + e.defaultText);
      else if (!e.text.empty() || e.kind == EffectKind::End)
        line.append(" ").append(e.kind == EffectKind::End ? std::to_string(e.status)
                                                          : e.text.substr(0, e.text.find('\n')));
    }
    lines.append(lines.empty() ? "" : "; ").append(line);
  }
  return lines;
}

using Event = std::function<Effects(ProgramCommands&)>;
using PC = ProgramCommands;
// The event of calling `member` of the commands with `args`, as a window or dialog forwards it.
template <auto member, class... Args>
Event On(Args... args) {
  return [=](ProgramCommands& c) { return (c.*member)(args...); };
}
constexpr ProgramWindow kMain = ProgramWindow::Main, kHelpWindow = ProgramWindow::Help;
const auto Click = [](std::string b, ProgramWindow w = kMain) { return On<&PC::Clicked>(w, b); };
const auto Type = [](std::string answer) { return On<&PC::TextAnswered>(answer); };
const auto Activate = [](ProgramWindow window = kMain) { return On<&PC::Activated>(window); };
const auto Press = [](Key key) { return On<&PC::TableKey>(key); };
const auto Ok = [](std::int16_t button = kButtonOk) { return On<&PC::OkAnswered>(button); };
const auto Closed = [](ProgramWindow window = kMain) { return On<&PC::ClosedByUser>(window); };
const Event kSwitch = On<&PC::TableCommand>(Command::SwitchLanguage),
            kCoverage = On<&PC::TableCommand>(Command::ShowCoverage),
            kSweep = On<&PC::TableCommand>(Command::Sweep),
            kStop = On<&PC::TableCommand>(Command::StopSweep);
const Event kStartUp = &PC::StartUp, kResume = &PC::Resumed, kRun = &PC::RunExperiment;
const Event kStart = Click("Command1"), kExit = Click("Command2"), kInit = Click("Command3"),
            kHelp = Click("Command4");

const std::string kGuests =
    "Setting the number of guests|Please enter an integer between 10 and 1000 ...|100";
const std::string kExperiments =
    "Setting the number of experiments|Please enter an integer between 1 and 10000 ...|1000";
const std::string kInitExperiments =
    "AskText  Setting the number of experiment|Please enter an integer between 1 and 10000 "
    "...|1000";
const std::string kExitMessage = "AskOk Experiment of Ombrix|This software will exit.";
const std::string kReady = "Load Main; AskText " + kGuests + "; SetText Label82 100; AskText " +
                           kExperiments + "; SetText Label2 20";
// The seeded run of 100 guests and 20 experiments, and what the table's notes say of it.
const std::string kRunEffects =
    "Yield; Busy on; Enable Command2 off; Enable Command3 off; RunExperiment; "
    "SetText Label3 -7.1; SetText cells 20; SetToolTip cells noted; "
    "SetToolTip Label3 Expected average for 100 guests: -7.46; Enable Command1 off; "
    "Enable Command2 on; Enable Command3 on; Busy off; Enable ShowChart on; "
    "Enable CopyTable on; Chart Run; Chart Points; Announce Run finished: 20 experiments, average "
    "of shortage -7.1";
const std::string kInitEffects =
    "PlayCue pinpon.wav; Enable Command1 on; SetText cells empty; SetText Label2; "
    "SetText Label3; SetText Label82; SetToolTip cells hinted; SetToolTip Label3; "
    "Enable ShowChart off; Enable CopyTable off; Chart Init; AskText  " +
    kGuests;

// Each row's events, after start-up with 100 guests and 20 experiments accepted unless it
// starts afresh, and the effects of all of them in their order.
struct Row {
  const char* name;
  std::vector<Event> events;
  std::string effects;
  bool fresh = false;
};

TEST(ProgramCommandsTest, EachEventSequenceGivesItsEffectsInOrder) {
  // clang-format off
  const Row rows[] = {
      {"start-up: a click before the activation is taken for it, then the settings stand",
       {kStartUp, kStart, Type("1000"), Type("&H3E8"), Activate(), kStart}, "Load Main; AskText " +
       kGuests + "; SetText Label82 1000; AskText " + kExperiments + "; SetText Label2 1000; Yield",
       true},
      {"a yield's window unloaded meanwhile: no run", {kStart, kHelp, kResume, kRun},
       "Yield; PlayCue pinpon.wav; Chart Close; Unload Main; Load Help"},
      {"Exit: the replay pauses, the cue, the message; OK ends", {kExit, Ok(), kInit},
       "Chart Exit; PlayCue endpinpon.wav; " + kExitMessage + "; End 0"},
      {"Exit answered by another code goes on", {kExit, Ok(2), kInit},
       "Chart Exit; PlayCue endpinpon.wav; " + kExitMessage + "; " + kInitEffects},
      {"Init after a run clears all, then asks under its titles; refused twice",
       {kStart, kResume, kRun, kInit, Type("5"), Type("1000.5"), Type(" 12.9xyz")},
       kRunEffects + "; " + kInitEffects + "; AskText  " + kGuests + "; AskText  " + kGuests +
       "; SetText Label82 12; " + kInitExperiments},
      {"a cancelled dialog: the exit message, then the end whatever it answers",
       {kInit, Type(""), Ok(0)}, kInitEffects + "; " + kExitMessage + "; End 0"},
      {"while a dialog waits, every other input is dropped; after Init no run is left",
       {kStart, kResume, kRun, kInit, kStart, kHelp, Press({"G", true}), kSwitch, Activate(),
        Closed(), Ok(), kResume, kRun, Type("50"), Type("70"), Press({"G", true}),
        Press({"C", true})},
       kRunEffects + "; " + kInitEffects + "; SetText Label82 50; " + kInitExperiments +
       "; SetText Label2 70"},
      {"the table's keys wait for a run; the menu keys do not",
       {Press({"G", true}), Press({"C", true}), Press({"Menu"}), Press({"F10", false, true}),
        Press({"F10"}), kStart, kResume, kRun, Press({"G", true}), Press({"C", true}),
        Press({"G"})},
       "OpenTableMenu; OpenTableMenu; " + kRunEffects +
       "; Chart Open; CopyText Shortage\tObserved\tExpected"},
      {"Help: the main window goes first, with the chart; the help text on activation",
       {kStart, kResume, kRun, kHelp, Activate(kHelpWindow), Activate(kHelpWindow),
        Click("Command1", kHelpWindow), Press({"G", true}), kStart, Activate(), Type("10"),
        Type("1")},
       kRunEffects + "; PlayCue pinpon.wav; Chart Close; Unload Main; Load Help; PrintHelp; " +
       "Unload Help; Load Main; AskText " + kGuests + "; SetText Label82 10; AskText " +
       kExperiments + "; SetText Label2 1"},
      {"a window closed from its title bar: unloaded, and the end without a word",
       {kStart, kResume, kRun, Closed(kHelpWindow), Closed(), kStart, Activate()},
       kRunEffects + "; Chart Close; Unload Main; End 0"},
      {"the language switches with or without a run, which shows again with its numbers",
       {kSwitch, kSwitch, kStart, kResume, kRun, kSwitch, kSwitch},
       "Relabel Main ja; Chart Relabel; Relabel Main en; Chart Relabel; " + kRunEffects +
       "; Relabel Main ja; SetText Label3 -7.1; SetText cells 20; SetToolTip cells noted; "
       "SetToolTip Label3 参加者 100 人のときの不足数の理論上の平均：-7.46; Chart Relabel; "
       "Relabel Main en; SetText Label3 -7.1; SetText cells 20; SetToolTip cells noted; "
       "SetToolTip Label3 Expected average for 100 guests: -7.46; Chart Relabel"},
      {"the coins against the guests need no run; a sweep yields between its runs to the end",
       {kCoverage, kSweep, kResume, kResume, kResume, kResume, kResume, kResume, kResume, kResume,
        On<&PC::TableCommand>(Command::ClearPoints)},
       "Chart Coverage; Chart Points; Yield on; Chart Points; Yield on; Chart Points; Yield on; "
       "Chart Points; Yield on; Chart Points; Yield on; Chart Points; Yield on; Chart Points; "
       "Yield on; Chart Points; Chart Points"},
      {"Stop acts between runs; started again while its yield waits, it goes on from that yield",
       {kSweep, kResume, kStop, kStop, kResume, kSweep, kSweep, kResume},
       "Chart Points; Yield on; Chart Points; Yield on; Chart Points; Chart Points; Yield on; "
       "Chart Points; Yield on"},
      {"Experiment Start in a sweep's yield runs first; the sweep goes on after it",
       {kSweep, kStart, kResume, kRun, kResume},
       "Chart Points; Yield on; " + kRunEffects + "; Chart Points; Yield on"},
      {"Init, Exit and Help stop a sweep first",
       {kSweep, kInit, kResume, Type("100"), Type("20"), kSweep, kExit, Ok(2), kResume, kSweep,
        kHelp, kResume},
       "Chart Points; Yield on; Chart Points; " + kInitEffects + "; SetText Label82 100; " +
       kInitExperiments + "; SetText Label2 20; Chart Points; Yield on; Chart Points; Chart Exit; "
       "PlayCue endpinpon.wav; " + kExitMessage + "; Chart Points; Yield on; PlayCue pinpon.wav; "
       "Chart Close; Unload Main; Load Help"},
      {"a run-time error is told, then the program ends with 70",
       {On<&PC::Failed>(std::string("Overflow")), kExit, Ok(), kInit},
       "AskOk Experiment of Ombrix|Run-time error: Overflow; End 70"},
  };
  // clang-format on
  for (const Row& row : rows) {
    ProgramCommands commands(20261206, [] { return 43200.0f; });
    // The effects of `events` joined; an event without any adds none, unless `each` counts.
    const auto play = [&commands](const std::vector<Event>& events, bool each) {
      std::string effects;
      for (const Event& event : events) {
        const std::string lines = Lines(event(commands));
        effects += (effects.empty() || (lines.empty() && !each) ? "" : "; ") + lines;
      }
      return effects;
    };
    if (!row.fresh) {
      ASSERT_EQ(play({kStartUp, Activate(), Type("100"), Type("20")}, true), kReady) << row.name;
    }
    EXPECT_EQ(play(row.events, false), row.effects) << row.name;
  }
}

// Each point of a sweep is the 95 % coins of a real run at its count, drawn by the engine after
// the run by hand as Experiment Start draws it; the table's run stays, the hand's point at 100
// guests gives way to the sweep's, and a run by hand takes it back.
TEST(ProgramCommandsTest, ASweepsPointsAreItsOwnRunsAndLeaveTheTablesRunAlone) {
  ProgramCommands commands(20261208, [] { return 43200.0f; });
  for (const Event& event : {kStartUp, Activate(), Type("100"), Type("400"), kStart, kResume, kRun})
    event(commands);
  const std::vector<std::int16_t> handValues(commands.Report()->run.Values().begin(),
                                             commands.Report()->run.Values().end());
  kSweep(commands);
  for (std::size_t run = 0; run < kSweepGuestCounts.size(); ++run) {
    ASSERT_EQ(commands.SweepRun(), int(run));
    kResume(commands);
  }
  EXPECT_EQ(commands.SweepRun(), std::nullopt);

  RandomGenerator random{20261208, [] { return 43200.0f; }};
  ShortageExperiment<RandomGenerator> engine{random};
  (void)engine.Run({.GuestCount = 100, .ExperimentCount = 400});
  std::vector<CoveragePoint> expected;
  for (const int guests : kSweepGuestCounts) {
    const auto run = engine.Run({.GuestCount = std::int16_t(guests), .ExperimentCount = 400});
    expected.push_back(
        {guests, CoinsCoveringObserved(run.Values(), 0.95), 400, PointSource::Sweep});
  }
  EXPECT_EQ(commands.Points().All(), expected);
  const auto values = commands.Report()->run.Values();
  EXPECT_EQ(std::vector(values.begin(), values.end()), handValues);
  EXPECT_EQ(commands.Report()->run.guestCount, 100);

  for (const Event& event : {kInit, Type("100"), Type("400"), kStart, kResume, kRun})
    event(commands);
  EXPECT_EQ(commands.Points().All()[3], PointOf(commands.Report()->run, PointSource::Hand));
}

}  // namespace
}  // namespace ombrix
