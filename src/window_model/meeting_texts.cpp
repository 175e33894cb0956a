// SPDX-License-Identifier: GPL-3.0-or-later
#include "meeting_texts.h"

#include <algorithm>

namespace ombrix {

MeetingTexts TextsOf(const MeetingWalk& walk, int experimentCount) {
  const int needed = std::max(0, -walk.lowest);
  const MessageArgs args = {{"experiment", walk.experiment}, {"experiments", experimentCount},
                            {"lowest", walk.lowest},         {"guest", walk.lowestGuest},
                            {"guests", walk.guestCount},     {"count", needed}};
  return {
      .caption = Tr("Meeting {experiment} of {experiments}: lowest balance {lowest}, after guest "
                    "{guest} of {guests}",
                    args),
      .name = Tr("Meeting {experiment} of {experiments}", args),
      .description =
          needed == 0
              ? Tr("The coin balance from the start, 0 before guest 1, to guest {guests}, as a "
                   "step line beside the zero line. It is lowest, {lowest}, first after guest "
                   "{guest}: no coin prepared was needed.",
                   args)
              : TrN("The coin balance from the start, 0 before guest 1, to guest {guests}, as a "
                    "step line beside the zero line. It is lowest, {lowest}, first after guest "
                    "{guest}: {count} coin prepared would have been just enough.",
                    "The coin balance from the start, 0 before guest 1, to guest {guests}, as a "
                    "step line beside the zero line. It is lowest, {lowest}, first after guest "
                    "{guest}: {count} coins prepared would have been just enough.",
                    needed, args),
      .lowestLabel = Tr("Lowest {lowest}, after guest {guest}", args),
  };
}

std::string ReplayStatus(const MeetingWalk& walk, int guests) {
  guests = std::min(guests, walk.guestCount);
  if (guests <= 0)
    return Tr("Before guest 1: balance 0");
  const auto paid = walk.Balances().first(static_cast<std::size_t>(guests));
  return Tr("After guest {guest} of {guests}: balance {balance}, lowest so far {lowest}",
            {{"guest", guests},
             {"guests", walk.guestCount},
             {"balance", paid.back()},
             {"lowest", std::ranges::min(paid)}});
}

}  // namespace ombrix
