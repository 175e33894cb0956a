// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace ombrix {

// A replay draws any meeting in the same time, whatever its guests: the guests shown after a
// number of milliseconds of playing, and the time at which a number of guests is reached.
struct ReplayClock {
  static constexpr double kMilliseconds = 4000;
  // While it plays, a screen reader is told where it stands no more often than this.
  static constexpr double kSayEveryMilliseconds = 1000;
  // Where an edition keeps its own frame timer: at most one redraw a frame, at 60 a second.
  static constexpr int kFrameMilliseconds = 16;

  int guestCount = 0;

  int GuestsAfter(double played) const {
    const double guests = std::max(0.0, played) * guestCount / kMilliseconds;
    return guests >= guestCount ? guestCount : int(guests);
  }
  double PlayedAt(int guests) const {
    return guestCount > 0 ? guests * kMilliseconds / guestCount : 0;
  }
};

}  // namespace ombrix
