// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "chart_model.h"
#include "chart_texts.h"
#include "dialog_layouts.h"
#include "help_text.h"
#include "help_window_layout.h"
#include "main_window_layout.h"
#include "page_texts.h"
#include "program_commands.h"
#include "pseudo_language.h"
#include "run_notes.h"
#include "run_time_error.h"

namespace ombrix::testing {
namespace {

// In the test language, every text of every layout, of a whole session of the commands, of a
// run's notes and of the chart's scenes (a run, a meeting, a replay, no run), where it is
// given: none holds a word that did not come from the catalogue.
TEST(PseudoLanguageTest, EveryTextOfEveryWindowComesFromTheCatalogue) {
  const PseudoLanguage language;
  std::string unmarked;
  int texts = 0;
  const auto see = [&](const std::string& where, const std::string& text) {
    ++texts;
    if (!UnmarkedWords(text).empty())
      unmarked += where + ": " + text + "\n";
  };
  for (const auto& [window, controls] :
       {std::pair{MainWindowLayout::Window(), MainWindowLayout::Controls()},
        {HelpWindowLayout::Window(), HelpWindowLayout::Controls()},
        {InputBoxLayout::Window(), InputBoxLayout::Controls()},
        {MessageBoxLayout::Window(), MessageBoxLayout::Controls()},
        {ChartWindowSpec(), {}}}) {
    see(window.name, window.caption);
    for (const ControlSpec& control : controls) {
      for (const std::string& text : {control.caption, control.toolTip})
        see(window.name + "." + control.name, text);
      for (const std::string& shown : {control.caption, std::string(), std::string("7")})
        see(window.name + "." + control.name + " spoken",
            control.describe ? control.describe(shown) : "");
    }
  }
  for (const Message message :
       {MainWindowLayout::kTableName, MainWindowLayout::kMenuName, ChartTexts::kClose,
        MainWindowLayout::kShowChart.caption, MainWindowLayout::kCopyTable.caption})
    see("names", Tr(message));
  for (const PageText& text : kPageTexts)
    see(std::string(text.key), Tr(text.message));
  for (const std::string& line : HelpLines())
    see("help", line);
  see("error", RunTimeErrorPrompt("bad_alloc"));

  ProgramCommands commands(20261208);
  for (const auto& step : std::initializer_list<std::function<Effects()>>{
           [&] { return commands.StartUp(); },
           [&] { return commands.Activated(ProgramWindow::Main); },
           [&] { return commands.TextAnswered("5"); },  // refused, asked again
           [&] { return commands.TextAnswered("100"); },
           [&] { return commands.TextAnswered("1000"); },
           [&] { return commands.Clicked(ProgramWindow::Main, MainWindowLayout::kStart); },
           [&] { return commands.Resumed(); }, [&] { return commands.RunExperiment(); },
           [&] { return commands.TableCommand(Command::CopyTable); },
           [&] { return commands.Clicked(ProgramWindow::Main, MainWindowLayout::kExit); }})
    for (const Effect& effect : step())
      if (effect.kind != EffectKind::PlayCue)  // a sound's file name
        for (const std::string& text : {effect.text, effect.title})
          see(KindName(effect.kind) + (" " + effect.control), text);
  ASSERT_TRUE(commands.Report().has_value());
  const RunNotes notes(*commands.Report());
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    see("cell " + std::to_string(bin), notes.CellToolTip(bin));
  see("average", notes.AverageToolTip());

  ChartModel chart{[](std::string_view text, double pixels, bool) {
    return double(text.size()) * pixels * 0.55;
  }};
  const auto seeChart = [&](const std::string& where) {
    for (const std::string& text :
         {chart.Name(), chart.Description(), chart.CoinsDescription(), chart.CoinsText(),
          chart.ChosenBarToolTip(), chart.ReplayCaption(), chart.Status()})
      see(where, text);
    // A text wrapped over lines is one shape a line, all of its role.
    std::map<std::string, std::string> drawn;
    const ChartScene scene = chart.Scene();
    for (const auto* part : {&scene.back, &scene.bars, &scene.marker, &scene.front})
      for (const Shape& shape : *part)
        drawn[shape.role] += shape.text + " ";
    for (const BarChoice& choice : scene.choices)
      drawn["bar " + std::to_string(choice.value)] = choice.toolTip;
    for (const auto& [role, text] : drawn)
      see(where + " " + role, text);
  };
  chart.Open(commands.RunChart(), commands.Meetings());
  chart.Resize({560, 420});
  seeChart("distribution");
  see("meeting", chart.Key(KeyPart::Bars, {"Enter"}, 0).say);
  seeChart("meeting");
  chart.ReplayClicked(0);
  chart.Tick(1);
  seeChart("replay");
  chart.Init();
  seeChart("no run");

  EXPECT_GT(texts, 400);
  EXPECT_TRUE(unmarked.empty()) << "words that are not the catalogue's:\n" << unmarked;
}

}  // namespace
}  // namespace ombrix::testing
