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

// Every text a window, a dialog, the chart or the page is given, where it is given.
class Seen {
 public:
  void Add(const std::string& where, const std::string& text) { texts_.emplace_back(where, text); }
  void Add(const std::string& where, const Effects& effects) {
    for (const Effect& effect : effects)
      if (effect.kind != EffectKind::PlayCue)  // a sound's file name
        for (const std::string& text : {effect.text, effect.title})
          Add(where + " " + KindName(effect.kind) + " " + effect.control, text);
  }
  void Add(const WindowSpec& window, const std::vector<ControlSpec>& controls) {
    Add(window.name, window.caption);
    for (const ControlSpec& control : controls) {
      Add(window.name + "." + control.name, control.caption);
      Add(window.name + "." + control.name + " tooltip", control.toolTip);
      if (control.describe)
        for (const std::string& shown : {control.caption, std::string(), std::string("7")})
          Add(window.name + "." + control.name + " spoken", control.describe(shown));
    }
  }
  void Add(const std::string& where, const ChartModel& chart) {
    for (const std::string& text :
         {chart.Name(), chart.Description(), chart.CoinsDescription(), chart.CoinsText(),
          chart.ChosenBarToolTip(), chart.ReplayCaption(), chart.Status()})
      Add(where, text);
    // A text wrapped over lines is one shape a line, all of its role.
    const ChartScene scene = chart.Scene();
    std::map<std::string, std::string> drawn;
    for (const auto* part : {&scene.back, &scene.bars, &scene.marker, &scene.front})
      for (const Shape& shape : *part)
        drawn[shape.role] += shape.text + " ";
    for (const auto& [role, text] : drawn)
      Add(where + " " + role, text);
    for (const BarChoice& choice : scene.choices)
      Add(where + " bar " + std::to_string(choice.value), choice.toolTip);
  }

  // "where: text" of each text with a word the catalogue did not give, one a line.
  std::string Unmarked() const {
    std::string found;
    for (const auto& [where, text] : texts_)
      if (!UnmarkedWords(text).empty())
        found += where + ": " + text + "\n";
    return found;
  }
  std::size_t Count() const { return texts_.size(); }

 private:
  std::vector<std::pair<std::string, std::string>> texts_;
};

// The test language through a whole session of the commands, every window's layout, a run's
// notes, and the chart of that run with a meeting replayed: no text holds a word that did not
// come from the catalogue.
TEST(PseudoLanguageTest, EveryTextOfEveryWindowComesFromTheCatalogue) {
  const PseudoLanguage language;
  Seen seen;
  seen.Add(MainWindowLayout::Window(), MainWindowLayout::Controls());
  seen.Add(HelpWindowLayout::Window(), HelpWindowLayout::Controls());
  seen.Add(InputBoxLayout::Window(), InputBoxLayout::Controls());
  seen.Add(MessageBoxLayout::Window(), MessageBoxLayout::Controls());
  seen.Add("Chart", ChartWindowSpec().caption);
  seen.Add("table", Tr(MainWindowLayout::kTableName));
  seen.Add("menu", Tr(MainWindowLayout::kMenuName));
  for (const auto& item : {MainWindowLayout::kShowChart, MainWindowLayout::kCopyTable})
    seen.Add("menu " + std::string(item.name), Tr(item.caption));
  for (const std::string& line : HelpLines())
    seen.Add("help", line);
  for (const PageText& text : kPageTexts)
    seen.Add("page " + std::string(text.key), Tr(text.message));
  seen.Add("error", RunTimeErrorPrompt("bad_alloc"));
  seen.Add("keys", ShortcutLabel(KeyPart::Chart, {Command::Back, Command::Leave}));

  ProgramCommands commands(20261208);
  seen.Add("start-up", commands.StartUp());
  for (const auto& step : std::initializer_list<std::function<Effects()>>{
           [&] { return commands.Activated(ProgramWindow::Main); },
           [&] { return commands.TextAnswered("5"); },  // refused, asked again
           [&] { return commands.TextAnswered("100"); },
           [&] { return commands.TextAnswered("1000"); },
           [&] { return commands.Clicked(ProgramWindow::Main, MainWindowLayout::kStart); },
           [&] { return commands.Resumed(); }, [&] { return commands.RunExperiment(); },
           [&] { return commands.TableCommand(Command::CopyTable); },
           [&] { return commands.Clicked(ProgramWindow::Main, MainWindowLayout::kExit); }})
    seen.Add("commands", step());
  ASSERT_TRUE(commands.Report().has_value());
  const RunNotes notes(*commands.Report());
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    seen.Add("cell " + std::to_string(bin), notes.CellToolTip(bin));
  seen.Add("average", notes.AverageToolTip());
  seen.Add("finished", notes.Finished());

  ChartModel chart{[](std::string_view text, double pixels, bool) {
    return double(text.size()) * pixels * 0.55;
  }};
  chart.Open(commands.RunChart(), commands.Meetings());
  chart.Resize({560, 420});
  seen.Add("distribution", chart);
  seen.Add("meeting", chart.Key(KeyPart::Bars, {"Enter"}, 0).say);
  seen.Add("meeting", chart);
  chart.ReplayClicked(0);
  chart.Tick(1);
  seen.Add("replay", chart);
  chart.Init();
  seen.Add("no run", chart);

  EXPECT_GT(seen.Count(), 300u);
  const std::string unmarked = seen.Unmarked();
  EXPECT_TRUE(unmarked.empty()) << "words that are not the catalogue's:\n" << unmarked;
}

}  // namespace
}  // namespace ombrix::testing
