// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart_keys.h"
#include "control_layout.h"
#include "frequency_table.h"
#include "settings_dialogs.h"
#include "translate.h"

namespace ombrix {

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
  struct MenuCommand {
    std::string_view name;
    Message caption;
    Command command;

    // Its keys, from the key map: "Ctrl+G".
    std::string Shortcut() const { return ShortcutLabel(KeyPart::Table, command); }
  };
  static constexpr Message kMenuName = Msg("Table");
  static constexpr MenuCommand kShowChart{"ShowChart", Msg("Show chart"), Command::ShowChart};
  static constexpr MenuCommand kCopyTable{"CopyTable", Msg("Copy table"), Command::CopyTable};

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
