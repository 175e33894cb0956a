// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_names.h"

#include <utility>

namespace ombrix {

std::optional<Key> KeyOf(const QKeyEvent& event) {
  static constexpr std::pair<int, std::string_view> kNames[] = {
      {Qt::Key_Left, "Left"},           {Qt::Key_Right, "Right"}, {Qt::Key_Up, "Up"},
      {Qt::Key_Down, "Down"},           {Qt::Key_PageUp, "PgUp"}, {Qt::Key_PageDown, "PgDown"},
      {Qt::Key_Home, "Home"},           {Qt::Key_End, "End"},     {Qt::Key_Return, "Enter"},
      {Qt::Key_Enter, "Enter"},         {Qt::Key_Space, "Space"}, {Qt::Key_Escape, "Esc"},
      {Qt::Key_Backspace, "Backspace"}, {Qt::Key_C, "C"},         {Qt::Key_G, "G"}};
  for (const auto& [code, name] : kNames)
    if (event.key() == code)
      return Key{name, event.modifiers().testFlag(Qt::ControlModifier)};
  return std::nullopt;
}

}  // namespace ombrix
