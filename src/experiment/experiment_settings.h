// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ombrix {

// The two counts of a run and the answer of the last exit message. All start at 0 and
// live as long as the main window object.
struct ExperimentSettings {
  std::int16_t GuestCount = 0;       // 10 to 1000 once a dialog has accepted it
  std::int16_t ExperimentCount = 0;  // 1 to 10000 once a dialog has accepted it
  std::int16_t ExitAnswer = 0;       // button code of the most recent exit message box

  static constexpr std::int16_t MinGuests = 10;
  static constexpr std::int16_t MaxGuests = 1000;
  static constexpr std::int16_t MinExperiments = 1;
  static constexpr std::int16_t MaxExperiments = 10000;
};

}  // namespace ombrix
