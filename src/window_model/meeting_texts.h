// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "meeting_walk.h"
#include "translate.h"

namespace ombrix {

// The words of one meeting drawn in the chart window: its caption, what a screen reader says
// of it, the label of its lowest point, and the names of its axes and commands.
struct MeetingTexts {
  std::string caption;  // "Meeting 4711 of 10000: lowest balance -12, after guest 83 of 100"
  std::string name;     // what a screen reader calls the drawing
  std::string description;
  std::string lowestLabel;  // beside the lowest point: "Lowest -12, after guest 83"

  static constexpr Message kGuestAxis = Msg("Guest");
  static constexpr Message kBalanceAxis = Msg("Coin balance");
  static constexpr Message kReplay = Msg("Replay");
  static constexpr Message kPause = Msg("Pause");
  static constexpr Message kResume = Msg("Resume");
  static constexpr Message kStep = Msg("Step");
  static constexpr Message kBack = Msg("Back to the distribution");
};

// The words of `walk`, one of a run of `experimentCount` experiments.
MeetingTexts TextsOf(const MeetingWalk& walk, int experimentCount);

// What a replay shows and says after `guests` of the walk's guests have paid: the balance and
// the lowest so far. "After guest 37 of 100: balance -3, lowest so far -5".
std::string ReplayStatus(const MeetingWalk& walk, int guests);

}  // namespace ombrix
