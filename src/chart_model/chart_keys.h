// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "translate.h"

namespace ombrix {

// A key as the windows know it, by the model's own name, which is also its label: "Left",
// "PgUp", "Esc", "G" with Ctrl. Each edition maps its toolkit's key codes to these names in
// one table of its own.
struct Key {
  std::string_view name;
  bool control = false;
  bool shift = false;

  friend constexpr bool operator==(const Key&, const Key&) = default;
};

// Where a key arrives: the main window's table (whose menu's shortcuts act on the whole
// window), the chart window, its bars (or a view's points), its coins marker, a meeting's Replay
// or Step button, or the sweep's button.
enum class KeyPart { Table, Chart, Bars, Marker, Replay, Step, Sweep };

enum class Command {
  None,
  ShowChart,
  CopyTable,
  OpenTableMenu,
  CopyPicture,
  Leave,  // back from a meeting, else closes the chart
  Back,
  BarBefore,
  BarAfter,
  FirstBar,
  LastBar,
  ShowMeeting,
  CoinAdded,  // more coins stand further left: Left, as Down, adds one
  CoinTaken,
  FiveCoinsAdded,
  FiveCoinsTaken,
  NoCoins,
  AllCoins,
  StepGuest,
  SwitchLanguage,  // the next built language, until the program ends
  ShowCoverage,    // the chart's view of the coins against the guests
  Sweep,           // a run at each of the sweep's guest counts
  StopSweep,
  ClearPoints,
};

struct KeyBinding {
  KeyPart part;
  Key key;
  Command command;
};

// Every key the windows act on, and the command it gives where it arrives.
inline constexpr KeyBinding kKeyMap[] = {
    {KeyPart::Table, {"G", true}, Command::ShowChart},
    {KeyPart::Table, {"C", true}, Command::CopyTable},
    // Ctrl+Shift+Z: no browser or desktop takes it outside a text field, unlike Ctrl+R (reload),
    // Ctrl+Shift+G (find previous) or Ctrl+Shift+E and U (input methods).
    {KeyPart::Table, {"Z", true, true}, Command::ShowCoverage},
    // From the keyboard the focus is on a button, never on the table: these open its menu
    // wherever the focus is in the window.
    {KeyPart::Table, {"Menu"}, Command::OpenTableMenu},
    {KeyPart::Table, {"F10", false, true}, Command::OpenTableMenu},
    {KeyPart::Chart, {"C", true}, Command::CopyPicture},
    {KeyPart::Chart, {"Backspace"}, Command::Back},
    {KeyPart::Chart, {"Esc"}, Command::Leave},
    {KeyPart::Bars, {"Left"}, Command::BarBefore},
    {KeyPart::Bars, {"Right"}, Command::BarAfter},
    {KeyPart::Bars, {"Home"}, Command::FirstBar},
    {KeyPart::Bars, {"End"}, Command::LastBar},
    {KeyPart::Bars, {"Enter"}, Command::ShowMeeting},
    {KeyPart::Bars, {"Space"}, Command::ShowMeeting},
    // The marker is a slider of -coins, its place on the shortage axis: the keys that raise a
    // slider's value move it right, where fewer coins stand.
    {KeyPart::Marker, {"Left"}, Command::CoinAdded},
    {KeyPart::Marker, {"Down"}, Command::CoinAdded},
    {KeyPart::Marker, {"Right"}, Command::CoinTaken},
    {KeyPart::Marker, {"Up"}, Command::CoinTaken},
    {KeyPart::Marker, {"PgDown"}, Command::FiveCoinsAdded},
    {KeyPart::Marker, {"PgUp"}, Command::FiveCoinsTaken},
    {KeyPart::Marker, {"Home"}, Command::AllCoins},
    {KeyPart::Marker, {"End"}, Command::NoCoins},
    {KeyPart::Replay, {"Right"}, Command::StepGuest},
};

// The command of `key` where it arrives; a key that does nothing there gives Command::None,
// and a key of the chart window's own gives its command from any part of that window. Step
// takes the keys of Replay, the other button of a replay.
constexpr Command CommandOf(KeyPart part, Key key) {
  if (part == KeyPart::Step)
    part = KeyPart::Replay;
  for (const KeyBinding& binding : kKeyMap)
    if (binding.part == part && binding.key == key)
      return binding.command;
  if (part == KeyPart::Bars || part == KeyPart::Marker || part == KeyPart::Replay ||
      part == KeyPart::Sweep)
    return CommandOf(KeyPart::Chart, key);
  return Command::None;
}

// A key as a shortcut's label, which both toolkits also read: "Ctrl+G", "Shift+F10".
inline std::string KeyLabel(Key key) {
  return std::string(key.control ? "Ctrl+" : "") + (key.shift ? "Shift+" : "") +
         std::string(key.name);
}

// The keys that give any of `commands` in `part`, as a shortcut's label: "Ctrl+G",
// "Backspace or Esc".
inline std::string ShortcutLabel(KeyPart part, std::initializer_list<Command> commands) {
  std::string label;
  for (const Command command : commands) {
    for (const KeyBinding& binding : kKeyMap) {
      if (binding.part != part || binding.command != command)
        continue;
      label = label.empty()
                  ? KeyLabel(binding.key)
                  : Tr("{keys} or {key}", {{"keys", label}, {"key", KeyLabel(binding.key)}});
    }
  }
  return label;
}
inline std::string ShortcutLabel(KeyPart part, Command command) {
  return ShortcutLabel(part, {command});
}

}  // namespace ombrix
