// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "control_layout.h"

namespace ombrix {

// The main window: its caption, client area, position, and every control on it.
struct MainWindowLayout {
  static WindowSpec Window();

  static constexpr int kRows = 7;
  static constexpr int kColumns = 9;
  static constexpr int kCellCount = kRows * kColumns;

  // Object name of the count cell dosu(index), index from 1 to 63.
  static QString CellName(int index);
  // Caption of the header over dosu(index).
  static QString HeaderCaption(int index);

  // The table: its headers and count cells with the row captions before them.
  static TwipRect TableArea();

  // The fixed controls, then the table row pair by row pair.
  static std::vector<ControlSpec> Controls();
};

}  // namespace ombrix
