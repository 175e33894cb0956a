// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "chart_keys.h"
#include "control_layout.h"
#include "coverage_texts.h"
#include "frequency_table.h"
#include "settings_dialogs.h"
#include "translate.h"

namespace ombrix {

// A command of the main window's table menu.
struct TableMenuCommand {
  std::string_view name;
  Message caption;
  Command command;
  // Enabled by a run, disabled by Init; the others are enabled from the start.
  bool waitsForRun = true;
  // Said in the language it switches to, which a reader of the current one may not read.
  bool inNextLanguage = false;

  std::string Caption() const {
    return inNextLanguage ? TrIn(NextCatalogue(), caption) : Tr(caption);
  }
  // Its keys, from the key map: "Ctrl+G"; empty for a command of the menu alone.
  std::string Shortcut() const { return ShortcutLabel(KeyPart::Table, command); }
};

// The main window: its caption, client area, position, and every control on it.
struct MainWindowLayout {
  // The object names of the controls that the window's commands use.
  static constexpr std::string_view kStart = "Command1";
  static constexpr std::string_view kExit = "Command2";
  static constexpr std::string_view kInit = "Command3";
  static constexpr std::string_view kHelp = "Command4";
  static constexpr std::string_view kGuestCount = kGuestsDialog.label;
  static constexpr std::string_view kExperimentCount = kExperimentsDialog.label;
  static constexpr std::string_view kAverage = "Label3";
  static constexpr std::string_view kCuePlayer = "MMControl1";
  // The sound files it plays: Init and Help chime, Exit chimes lower.
  static constexpr std::string_view kCommandCue = "pinpon.wav";
  static constexpr std::string_view kExitCue = "endpinpon.wav";

  static WindowSpec Window();

  // The table's menu, opened by a right click on the table. Its commands are shortcuts of the
  // whole window too.
  static constexpr Message kMenuName = Msg("Table");
  static constexpr TableMenuCommand kShowChart{
      .name = "ShowChart", .caption = Msg("Show chart"), .command = Command::ShowChart};
  static constexpr TableMenuCommand kCopyTable{
      .name = "CopyTable", .caption = Msg("Copy table"), .command = Command::CopyTable};
  static constexpr TableMenuCommand kShowCoverage{.name = "ShowCoverage",
                                                  .caption = CoverageTexts::kTitle,
                                                  .command = Command::ShowCoverage,
                                                  .waitsForRun = false};
  static constexpr TableMenuCommand kSwitchLanguage{
      .name = "SwitchLanguage",
      // TRANSLATORS: the name of this catalogue's language, in that language.
      .caption = Msg("English"),
      .command = Command::SwitchLanguage,
      .waitsForRun = false,
      .inNextLanguage = true};
  static constexpr TableMenuCommand kMenuCommands[] = {kShowChart, kCopyTable, kShowCoverage,
                                                       kSwitchLanguage};

  // The table's grid: one count cell per bin, with its header above it.
  static constexpr int kRows = 7;
  static constexpr int kColumns = 9;
  static constexpr int kCellCount = kRows * kColumns;
  static_assert(kCellCount == FrequencyTable::kBinCount,
                "the table's grid needs one cell for each bin of FrequencyTable: change "
                "kRows and kColumns with its range of values");

  // Object name of the count cell of `bin`: "dosu(1)" to "dosu(63)".
  static std::string CellName(int bin);

  // The table: its headers and count cells with the row captions before them.
  static TwipRect TableArea();
  // Row pair `row`, 0 to kRows - 1, of the table: its caption, headers and count cells.
  static TwipRect RowPair(int row);

  // The table as a screen reader reads it: each row pair as a row of headers over a row of
  // counts, by object name, the row's caption first and then its labels from left to right.
  struct TableRow {
    bool headers;  // the values' headers; else their counts
    std::vector<std::string> names;
  };
  static constexpr Message kTableName = Msg("Frequency table");
  static std::vector<TableRow> TableRows();

  // The fixed controls, then the table row pair by row pair.
  static std::vector<ControlSpec> Controls();
};

}  // namespace ombrix
