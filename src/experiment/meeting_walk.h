// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "experiment_settings.h"

namespace ombrix {

// One meeting of a run drawn again: the coin balance after each guest, and its lowest point,
// whose value is the meeting's ShortageValue. Sized for the most guests, so that a replay
// allocates nothing.
struct MeetingWalk {
  int experiment = 0;  // 1 to the run's experimentCount, in the order the run drew them
  int guestCount = 0;
  // The first guestCount entries: the balance after guest 1, 2, ...
  std::array<std::int16_t, ExperimentSettings::MaxGuests> balances{};
  int lowest = 0;
  int lowestGuest = 0;  // the first guest after whom the balance was `lowest`

  std::span<const std::int16_t> Balances() const {
    return std::span(balances).first(static_cast<std::size_t>(guestCount));
  }
};

}  // namespace ombrix
