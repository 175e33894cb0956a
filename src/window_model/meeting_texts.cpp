// SPDX-License-Identifier: GPL-3.0-or-later
#include "meeting_texts.h"

#include <algorithm>

#include "number_text.h"

namespace ombrix {

MeetingTexts TextsOf(const MeetingWalk& walk, int experimentCount) {
  const std::string meeting =
      "Meeting " + std::to_string(walk.experiment) + " of " + std::to_string(experimentCount);
  const std::string lowest = std::to_string(walk.lowest);
  const std::string guest = std::to_string(walk.lowestGuest);
  const int needed = std::max(0, -walk.lowest);
  return {
      .caption = meeting + ": lowest balance " + lowest + ", after guest " + guest + " of " +
                 std::to_string(walk.guestCount),
      .name = meeting,
      .description =
          "The coin balance from the start, 0 before guest 1, to guest " +
          std::to_string(walk.guestCount) +
          ", as a step line beside the zero line. It is lowest, " + lowest +
          ", first after guest " + guest + ": " +
          (needed == 0 ? std::string("no coin prepared was needed.")
                       : Plural(needed, "coin") + " prepared would have been just enough."),
      .lowestLabel = "Lowest " + lowest + ", after guest " + guest,
  };
}

std::string ReplayStatus(const MeetingWalk& walk, int guests) {
  guests = std::min(guests, walk.guestCount);
  if (guests <= 0)
    return "Before guest 1: balance 0";
  const auto paid = walk.Balances().first(static_cast<std::size_t>(guests));
  return "After guest " + std::to_string(guests) + " of " + std::to_string(walk.guestCount) +
         ": balance " + std::to_string(paid.back()) + ", lowest so far " +
         std::to_string(std::ranges::min(paid));
}

}  // namespace ombrix
