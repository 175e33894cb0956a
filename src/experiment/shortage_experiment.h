// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "experiment_settings.h"
#include "shortage_run.h"

namespace ombrix {

// What a run draws on: the clock, reseeding from it, and uniform draws in [0, 1).
template <typename R>
concept RandomSource = requires(R random, float seed) {
  { random.Now() } -> std::same_as<float>;
  { random.Reseed(seed) } -> std::same_as<void>;
  { random.NextUniform() } -> std::same_as<float>;
};

// The class-meeting experiment: ExperimentCount meetings of GuestCount guests, each guest
// paying with a coin (heads, +1) or needing one as change (tails, -1).
template <RandomSource Random>
class ShortageExperiment {
 public:
  explicit ShortageExperiment(Random& random) : random_(random) {}

  // Runs every meeting of `settings`. Settings outside the dialogs' ranges are a programming
  // error: std::out_of_range.
  ShortageRun Run(const ExperimentSettings& settings) {
    CheckRange("GuestCount", settings.GuestCount, ExperimentSettings::MinGuests,
               ExperimentSettings::MaxGuests);
    CheckRange("ExperimentCount", settings.ExperimentCount, ExperimentSettings::MinExperiments,
               ExperimentSettings::MaxExperiments);

    ShortageRun run{.guestCount = settings.GuestCount, .experimentCount = settings.ExperimentCount};
    for (int k = 0; k < run.experimentCount; ++k) {
      const std::int16_t shortage = RunOneMeeting(run.guestCount);
      run.sum += shortage;
      run.values[k] = shortage;
      run.table.Record(shortage);
    }
    run.average = static_cast<float>(static_cast<double>(run.sum) / run.experimentCount);
    return run;
  }

 private:
  // One meeting; the result is the lowest coin balance after any guest, the start excluded.
  // The caller guarantees 1 <= guestCount <= MaxGuests, so the balance stays within 16 bits.
  std::int16_t RunOneMeeting(int guestCount) {
    random_.Reseed(random_.Now());
    int balance = 0;
    int lowest = ExperimentSettings::MaxGuests;
    for (int i = 1; i <= guestCount; ++i) {
      // A draw of exactly 0.5 is tails. Arithmetic rather than a choice keeps the compiler
      // from branching on a fair coin, which it would mispredict half the time.
      const int heads = random_.NextUniform() < 0.5f;
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
