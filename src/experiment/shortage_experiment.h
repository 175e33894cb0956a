// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "experiment_settings.h"
#include "meeting_walk.h"
#include "random_source.h"
#include "shortage_run.h"

namespace ombrix {

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
      // A reseed mixes into the state, so a meeting's tosses hang on every reseed before it:
      // the state it started from and its own reseed draw them again.
      run.starts[k] = {.generator = random_.Snapshot(), .seed = random_.Now()};
      random_.Reseed(run.starts[k].seed);
      const auto shortage = static_cast<std::int16_t>(LowestBalance(random_, run.guestCount));
      run.sum += shortage;
      run.values[k] = shortage;
      run.table.Record(shortage);
    }
    run.average = static_cast<float>(static_cast<double>(run.sum) / run.experimentCount);
    return run;
  }

  // Experiment `experiment` (1 to run.experimentCount) of `run`, which this engine's generator
  // type drew, drawn again toss by toss on a copy of the generator: the one in use goes on
  // undisturbed. std::out_of_range for an experiment the run does not have.
  MeetingWalk Replay(const ShortageRun& run, int experiment) const {
    if (experiment < 1 || experiment > run.experimentCount) {
      throw std::out_of_range("experiment " + std::to_string(experiment) + " is outside 1 to " +
                              std::to_string(run.experimentCount));
    }
    const MeetingStart& start = run.starts[experiment - 1];
    Random random = random_;
    random.Restore(start.generator);
    random.Reseed(start.seed);
    MeetingWalk walk{.experiment = experiment, .guestCount = run.guestCount};
    // The lowest point is found toss by toss, without a branch: a second pass over the
    // balances would cost more than the tosses themselves.
    int balance = 0;
    int lowest = ExperimentSettings::MaxGuests;
    int lowestGuest = 0;
    for (int guest = 1; guest <= run.guestCount; ++guest) {
      balance = AfterGuest(random, balance);
      walk.balances[guest - 1] = static_cast<std::int16_t>(balance);
      const bool lower = balance < lowest;
      lowestGuest = lower ? guest : lowestGuest;
      lowest = lower ? balance : lowest;
    }
    walk.lowest = lowest;
    walk.lowestGuest = lowestGuest;
    return walk;
  }

 private:
  // The balance after one more guest: a coin gained (heads) or handed out as change (tails),
  // on a fair toss.
  static int AfterGuest(Random& random, int balance) {
    // A draw of exactly 0.5 is tails. Arithmetic rather than a choice keeps the compiler from
    // branching on a fair coin, which it would mispredict half the time.
    const int heads = random.NextUniform() < 0.5f;
    return balance + 2 * heads - 1;
  }

  // The lowest coin balance after any guest of one meeting, the start excluded. The caller
  // guarantees 1 <= guestCount <= MaxGuests, so the balance stays within 16 bits.
  static int LowestBalance(Random& random, int guestCount) {
    int balance = 0;
    int lowest = ExperimentSettings::MaxGuests;
    for (int i = 1; i <= guestCount; ++i) {
      balance = AfterGuest(random, balance);
      lowest = std::min(lowest, balance);
    }
    return lowest;
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
