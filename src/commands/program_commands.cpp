// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_commands.h"

#include <string>
#include <utility>

#include "frequency_table.h"
#include "help_window_layout.h"
#include "main_window_layout.h"
#include "run_notes.h"
#include "run_time_error.h"
#include "shortage_chart.h"
#include "table_texts.h"

namespace ombrix {
namespace {

using Layout = MainWindowLayout;

Effect SetText(std::string_view control, std::string text) {
  return {.kind = EffectKind::SetText, .control = std::string(control), .text = std::move(text)};
}

Effect SetToolTip(std::string_view control, std::string text) {
  return {.kind = EffectKind::SetToolTip, .control = std::string(control), .text = std::move(text)};
}

Effect Enable(std::string_view control, bool on) {
  return {.kind = EffectKind::Enable, .control = std::string(control), .on = on};
}

Effect Cue(std::string_view file) {
  return {.kind = EffectKind::PlayCue, .text = std::string(file)};
}

Effect Busy(bool on) {
  return {.kind = EffectKind::Busy, .on = on};
}

Effect Unload(ProgramWindow window) {
  return {.kind = EffectKind::Unload, .window = window};
}

Effect Chart(ChartCall call) {
  return {.kind = EffectKind::Chart, .chart = call};
}

Effect AskOk(std::string prompt, std::string_view title) {
  return {.kind = EffectKind::AskOk, .text = std::move(prompt), .title = std::string(title)};
}

}  // namespace

ProgramCommands::ProgramCommands(std::uint64_t randomSeed, RandomGenerator::Clock clock)
    : random_(randomSeed, clock) {}

Effects ProgramCommands::StartUp() {
  return ended_ || loaded_ ? Effects{} : Load(ProgramWindow::Main);
}

Effects ProgramCommands::Load(ProgramWindow window) {
  loaded_ = window;
  activationDue_ = true;
  // A main window loaded afresh shows no run, and has none to chart or copy.
  if (window == ProgramWindow::Main)
    report_.reset();
  return {{.kind = EffectKind::Load, .window = window}};
}

Effects ProgramCommands::Activated(ProgramWindow window) {
  if (!TakesInput() || loaded_ != window || !activationDue_)
    return {};
  activationDue_ = false;
  if (window == ProgramWindow::Help)
    return {{.kind = EffectKind::PrintHelp}};
  return AskSettings(SettingsVariant::Activation);
}

Effects ProgramCommands::Clicked(ProgramWindow window, std::string_view control) {
  if (!TakesInput() || loaded_ != window)
    return {};
  if (window == ProgramWindow::Help)
    return control == HelpWindowLayout::kClose ? Close() : Effects{};
  // The settings come first: no command runs before both dialogs are answered.
  if (activationDue_)
    return Activated(window);
  if (control == Layout::kStart)
    return Start();
  if (control == Layout::kExit)
    return Exit();
  if (control == Layout::kInit)
    return Init();
  if (control == Layout::kHelp)
    return Help();
  return {};
}

// The events pending at the click run first; any of them may unload the window.
Effects ProgramCommands::Start() {
  startDue_ = true;
  return {{.kind = EffectKind::Yield}};
}

// The busy state shows before the run, which takes the window's whole attention. A sweep's
// yield may be answered after a start's, which a click in it brought.
Effects ProgramCommands::Resumed() {
  if (!startDue_ && std::exchange(sweepYielded_, false))
    return SweepOn();
  if (!startDue_ || !TakesInput() || loaded_ != ProgramWindow::Main) {
    startDue_ = false;
    return {};
  }
  return {Busy(true),
          Enable(Layout::kExit, false),
          Enable(Layout::kInit, false),
          {.kind = EffectKind::RunExperiment}};
}

Effects ProgramCommands::RunExperiment() {
  if (!std::exchange(startDue_, false) || !TakesInput() || loaded_ != ProgramWindow::Main)
    return {};
  report_.emplace(engine_.Run(settings_));
  points_.Record(PointOf(report_->run, PointSource::Hand));
  Effects effects;
  ShowRun(effects);
  effects.insert(effects.end(),
                 {Enable(Layout::kStart, false),
                  Enable(Layout::kExit, true),
                  Enable(Layout::kInit, true),
                  Busy(false),
                  Enable(Layout::kShowChart.name, true),
                  Enable(Layout::kCopyTable.name, true),
                  Chart(ChartCall::Run),
                  Chart(ChartCall::Points),
                  {.kind = EffectKind::Announce, .text = RunNotes(*report_).Finished()}});
  return effects;
}

void ProgramCommands::ShowRun(Effects& effects) const {
  const ShortageRun& run = report_->run;
  const RunNotes notes(*report_);
  effects.push_back(SetText(Layout::kAverage, AverageText(run.average)));
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    effects.push_back(SetText(Layout::CellName(bin), run.table.CellText(bin)));
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    effects.push_back(SetToolTip(Layout::CellName(bin), notes.CellToolTip(bin)));
  effects.push_back(SetToolTip(Layout::kAverage, notes.AverageToolTip()));
}

Effects ProgramCommands::Exit() {
  // The chart's replay and sweep stop, not to go on behind the message, which waits for an
  // answer.
  Effects effects;
  StopSweep(effects);
  effects.insert(effects.end(), {Chart(ChartCall::Exit), Cue(Layout::kExitCue)});
  const Effects ask = AskExit(Question::ExitMessage);
  effects.insert(effects.end(), ask.begin(), ask.end());
  return effects;
}

Effects ProgramCommands::Init() {
  Effects effects;
  StopSweep(effects);
  effects.insert(effects.end(), {Cue(Layout::kCommandCue), Enable(Layout::kStart, true)});
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    effects.push_back(SetText(Layout::CellName(bin), ""));
  effects.insert(effects.end(), {SetText(Layout::kExperimentCount, ""),
                                 SetText(Layout::kAverage, ""), SetText(Layout::kGuestCount, "")});
  report_.reset();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    effects.push_back(SetToolTip(Layout::CellName(bin), Tr(kTableHint)));
  effects.insert(effects.end(),
                 {SetToolTip(Layout::kAverage, ""), Enable(Layout::kShowChart.name, false),
                  Enable(Layout::kCopyTable.name, false), Chart(ChartCall::Init)});
  const Effects ask = AskSettings(SettingsVariant::Init);
  effects.insert(effects.end(), ask.begin(), ask.end());
  return effects;
}

// The main window leaves the screen before the help window comes; the chart goes with it.
Effects ProgramCommands::Help() {
  sweepNext_.reset();  // the chart goes, and the sweep with it
  Effects effects{Cue(Layout::kCommandCue), Chart(ChartCall::Close), Unload(ProgramWindow::Main)};
  effects.push_back(Load(ProgramWindow::Help).front());
  return effects;
}

Effects ProgramCommands::Close() {
  Effects effects{Unload(ProgramWindow::Help)};
  effects.push_back(Load(ProgramWindow::Main).front());
  return effects;
}

Effects ProgramCommands::ClosedByUser(ProgramWindow window) {
  if (!TakesInput() || loaded_ != window)
    return {};
  Effects effects;
  sweepNext_.reset();
  if (window == ProgramWindow::Main)
    effects.push_back(Chart(ChartCall::Close));
  effects.push_back(Unload(window));
  const Effects end = End(0);  // no window is left: no cue, no message
  effects.insert(effects.end(), end.begin(), end.end());
  return effects;
}

Effects ProgramCommands::TableCommand(Command command) {
  if (!TakesInput() || loaded_ != ProgramWindow::Main)
    return {};
  if (command == Command::OpenTableMenu)
    return {{.kind = EffectKind::OpenTableMenu}};
  if (command == Command::SwitchLanguage)
    return SwitchLanguage();
  // The coins against the guests need no run: their points outlive Init.
  if (command == Command::ShowCoverage)
    return {Chart(ChartCall::Coverage)};
  if (command == Command::Sweep)
    return StartSweep();
  if (command == Command::StopSweep) {
    Effects effects;
    StopSweep(effects);
    return effects;
  }
  if (command == Command::ClearPoints) {
    points_.Clear();
    return {Chart(ChartCall::Points)};
  }
  // Both wait for a run, as their menu items do.
  if (!report_)
    return {};
  if (command == Command::ShowChart)
    return {Chart(ChartCall::Open)};
  if (command == Command::CopyTable)
    return {{.kind = EffectKind::CopyText, .text = RunNotes(*report_).TabSeparated()}};
  return {};
}

// The words change; the run, its numbers and the chart's state stay on the screen.
Effects ProgramCommands::SwitchLanguage() {
  UseCatalogue(NextCatalogue());
  Effects effects{{.kind = EffectKind::Relabel,
                   .window = ProgramWindow::Main,
                   .text = std::string(CurrentCatalogue().language)}};
  if (report_)
    ShowRun(effects);
  effects.push_back(Chart(ChartCall::Relabel));
  return effects;
}

std::optional<int> ProgramCommands::SweepRun() const {
  return sweepNext_ ? std::optional(int(*sweepNext_)) : std::nullopt;
}

// Each run of a sweep is a run of the engine, as Experiment Start's, at its guest count with the
// settings' experiments; the settings, the table and its run stay as the student left them.
// Between runs the sweep yields, for the drawing and for Stop; a sweep started again while its
// yield waits goes on from that yield.
Effects ProgramCommands::StartSweep() {
  if (sweepNext_ || activationDue_)
    return {};
  sweepNext_ = 0;
  Effects effects{Chart(ChartCall::Points)};
  if (!std::exchange(sweepYielded_, true))
    effects.push_back({.kind = EffectKind::Yield, .on = true});
  return effects;
}

Effects ProgramCommands::SweepOn() {
  if (!sweepNext_ || !TakesInput() || loaded_ != ProgramWindow::Main) {
    sweepNext_.reset();
    return {};
  }
  ExperimentSettings settings = settings_;
  settings.GuestCount = std::int16_t(kSweepGuestCounts.at(*sweepNext_));
  points_.Record(PointOf(engine_.Run(settings), PointSource::Sweep));
  if (++*sweepNext_ == kSweepGuestCounts.size())
    sweepNext_.reset();
  Effects effects{Chart(ChartCall::Points)};
  if (sweepNext_) {
    sweepYielded_ = true;
    effects.push_back({.kind = EffectKind::Yield, .on = true});
  }
  return effects;
}

void ProgramCommands::StopSweep(Effects& effects) {
  if (sweepNext_.has_value()) {
    sweepNext_.reset();
    effects.push_back(Chart(ChartCall::Points));
  }
}

Effects ProgramCommands::AskSettings(SettingsVariant variant) {
  variant_ = variant;
  countAsked_ = 0;
  question_ = Question::Count;
  return AskCount();
}

Effects ProgramCommands::AskCount() const {
  const CountDialog& dialog = kSettingsDialogs[countAsked_];
  return {{.kind = EffectKind::AskText,
           .text = dialog.Prompt(),
           .title = dialog.Title(variant_),
           .defaultText = std::string(dialog.defaultText)}};
}

Effects ProgramCommands::TextAnswered(std::string_view answer) {
  if (ended_ || question_ != Question::Count)
    return {};
  // An empty answer, Cancel among them, ends the program after the exit message.
  if (answer.empty())
    return AskExit(Question::ExitAfterCancel);
  const CountDialog& dialog = kSettingsDialogs[countAsked_];
  const std::optional<std::int16_t> count = dialog.Accepted(answer);
  if (!count)
    return AskCount();  // refused without a word: the same dialog again
  settings_.*dialog.setting = *count;
  Effects effects{SetText(dialog.label, std::to_string(*count))};
  if (++countAsked_ < kSettingsDialogs.size()) {
    effects.push_back(AskCount().front());
  } else {
    question_ = Question::Nothing;
  }
  return effects;
}

Effects ProgramCommands::AskExit(Question reason) {
  question_ = reason;
  return {AskOk(Tr(kExitPrompt), Tr(kExitTitle))};
}

Effects ProgramCommands::OkAnswered(std::int16_t button) {
  const Question answered = std::exchange(question_, Question::Nothing);
  if (ended_)
    return {};
  switch (answered) {
    case Question::ExitMessage:
      settings_.ExitAnswer = button;
      return button == kButtonOk ? End(0) : Effects{};
    case Question::ExitAfterCancel:
      settings_.ExitAnswer = button;
      return End(0);  // whatever the box returns
    case Question::RunTimeError:
      return End(kRunTimeErrorStatus);
    case Question::Nothing:
    case Question::Count:
      break;
  }
  question_ = answered;  // not a message box's answer
  return {};
}

Effects ProgramCommands::Failed(std::string_view what) {
  if (ended_)
    return {};
  question_ = Question::RunTimeError;
  return {AskOk(RunTimeErrorPrompt(what), Tr(kRunTimeErrorTitle))};
}

Effects ProgramCommands::End(int status) {
  ended_ = true;
  loaded_.reset();
  return {{.kind = EffectKind::End, .status = status}};
}

ShortageChart ProgramCommands::RunChart() const {
  return ChartOf(report_->law, report_->run.Values(), report_->run.average);
}

RunMeetings ProgramCommands::Meetings() const {
  return {
      .next = [this](int value,
                     int experiment) { return report_->run.NextMeetingWith(value, experiment); },
      .replay = [this](int experiment) { return engine_.Replay(report_->run, experiment); }};
}

}  // namespace ombrix
