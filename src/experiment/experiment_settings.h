// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace ombrix {

// The two counts of a run and the answer of the last exit message. All start at 0 and
// live as long as the main window object.
struct ExperimentSettings {
  std::int16_t GuestCount = 0;       // MinGuests to MaxGuests once a dialog has accepted it
  std::int16_t ExperimentCount = 0;  // MinExperiments to MaxExperiments once accepted
  std::int16_t ExitAnswer = 0;       // button code of the most recent exit message box

  static constexpr std::int16_t MinGuests = 10;
  static constexpr std::int16_t MaxGuests = 1000;
  static constexpr std::int16_t MinExperiments = 1;
  static constexpr std::int16_t MaxExperiments = 10000;
};

// A meeting's balance stays within plus or minus MaxGuests, a bin's count within
// MaxExperiments, and a run's sum within MaxGuests * MaxExperiments.
static_assert(ExperimentSettings::MaxGuests <= std::numeric_limits<std::int16_t>::max());
static_assert(std::int64_t{ExperimentSettings::MaxGuests} * ExperimentSettings::MaxExperiments <=
              std::numeric_limits<std::int32_t>::max());

}  // namespace ombrix
