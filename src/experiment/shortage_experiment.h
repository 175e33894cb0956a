// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "experiment_settings.h"
#include "frequency_table.h"

namespace ombrix {

// The platform services a run draws on: the clock, reseeding, and uniform draws in [0, 1).
template <typename R>
concept RandomSource = requires(R random, float seed) {
  { random.rtcGetTimer() } -> std::same_as<float>;
  { random.rtcRandomize(seed) } -> std::same_as<void>;
  { random.rtcRandomNext() } -> std::same_as<float>;
};

// One run of the class-meeting experiment: ExperimentCount meetings of GuestCount guests, each
// guest paying with a coin (heads, +1) or needing one as change (tails, -1). The array of
// results is sized for the largest settings up front, so a run allocates nothing.
template <RandomSource Random>
class ShortageExperiment {
 public:
  explicit ShortageExperiment(Random& random) : random_(random) {}

  // Runs every experiment and records each ShortageValue in `table`, which the caller has
  // cleared. Settings outside the dialogs' ranges are a programming error.
  void Run(const ExperimentSettings& settings, FrequencyTable& table) {
    const std::int16_t guestCount = settings.GuestCount;
    const std::int16_t experimentCount = settings.ExperimentCount;
    CheckRange("GuestCount", guestCount, ExperimentSettings::MinGuests,
               ExperimentSettings::MaxGuests);
    CheckRange("ExperimentCount", experimentCount, ExperimentSettings::MinExperiments,
               ExperimentSettings::MaxExperiments);

    ShortageSum = 0;
    for (int k = 1; k <= experimentCount; ++k) {
      const std::int16_t shortage = RunOneExperiment(guestCount);
      ShortageSum += shortage;  // at least -1000 * 10000, well inside 32 bits
      ShortageByExperiment[k] = shortage;
      table.Record(shortage);
    }
    ShortageAverage =
        static_cast<float>(static_cast<double>(ShortageSum) / static_cast<double>(experimentCount));
  }

  std::int32_t ShortageSum = 0;
  float ShortageAverage = 0.0f;
  std::array<std::int16_t, ExperimentSettings::MaxExperiments + 1> ShortageByExperiment{};

 private:
  // One meeting; the result is the lowest coin balance after any guest, the start excluded.
  // The caller guarantees 1 <= guestCount <= MaxGuests, so the balance stays within 16 bits.
  std::int16_t RunOneExperiment(int guestCount) {
    random_.rtcRandomize(random_.rtcGetTimer());
    int balance = 0;
    int lowest = ExperimentSettings::MaxGuests;
    for (int i = 1; i <= guestCount; ++i) {
      // A draw of exactly 0.5 is tails. Arithmetic rather than a choice keeps the compiler
      // from branching on a fair coin, which it would mispredict half the time.
      const int heads = random_.rtcRandomNext() < 0.5f;
      balance += 2 * heads - 1;
      lowest = std::min(lowest, balance);
    }
    return static_cast<std::int16_t>(lowest);
  }

  static void CheckRange(const char* name, std::int16_t value, std::int16_t lower,
                         std::int16_t upper) {
    if (value < lower || value > upper) {
      throw std::out_of_range(std::string(name) + " is " + std::to_string(value) + ", outside " +
                              std::to_string(lower) + " to " + std::to_string(upper));
    }
  }

  Random& random_;
};

}  // namespace ombrix
