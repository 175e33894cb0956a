// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "chart_model.h"
#include "help_text.h"
#include "main_window_layout.h"
#include "page_texts.h"
#include "program_commands.h"
#include "pseudo_language.h"
#include "run_notes.h"
#include "run_time_error.h"

namespace ombrix::testing {
namespace {

// In the test language, the texts no window test reads: the chart's drawing of a run, a
// meeting, a replay and no run; the help text; the copied table; the page's notices; a
// run-time error. (The monkey reads the desktop's windows and dialogs in it, and the page's
// test the page's.) None holds a word that did not come from the catalogue.
TEST(PseudoLanguageTest, TheDrawnCopiedAndNoticedTextsComeFromTheCatalogue) {
  const PseudoLanguage language;
  std::string unmarked;
  int texts = 0;
  const auto see = [&](const std::string& where, const std::string& text) {
    ++texts;
    unmarked += UnmarkedWords(text).empty() ? "" : where + ": " + text + "\n";
  };
  for (const PageText& text : kPageTexts)
    see(std::string(text.key), Tr(text.message));
  see("error", RunTimeErrorPrompt("bad_alloc"));
  ProgramCommands commands(20261208);
  for (const auto& step : std::initializer_list<std::function<Effects()>>{
           [&] { return commands.StartUp(); },
           [&] { return commands.Activated(ProgramWindow::Main); },
           [&] { return commands.TextAnswered("100"); },
           [&] { return commands.TextAnswered("1000"); },
           [&] { return commands.Clicked(ProgramWindow::Main, MainWindowLayout::kStart); },
           [&] { return commands.Resumed(); }, [&] { return commands.RunExperiment(); }})
    step();
  for (const std::string& line : HelpLines())  // which the desktop prints as a picture
    see("help", line);
  see("copied", RunNotes(*commands.Report()).TabSeparated());

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

  EXPECT_GT(texts, 40);
  EXPECT_TRUE(unmarked.empty()) << "words that are not the catalogue's:\n" << unmarked;
}

}  // namespace
}  // namespace ombrix::testing
