// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "experiment_settings.h"
#include "frequency_table.h"
#include "random_source.h"
#include "shortage_distribution.h"

namespace ombrix {

// What one run of the experiment gives: each meeting's ShortageValue in experiment order,
// their table, their sum and their average, and where each meeting started, to replay it. The
// values and states live in arrays sized for the largest settings, so that a run allocates nothing.
struct ShortageRun {
  int guestCount = 0;
  int experimentCount = 0;
  // The first experimentCount entries are the run's.
  std::array<std::int16_t, ExperimentSettings::MaxExperiments> values{};
  std::array<MeetingStart, ExperimentSettings::MaxExperiments> starts{};
  FrequencyTable table{};
  std::int32_t sum = 0;
  float average = 0;

  std::span<const std::int16_t> Values() const {
    return std::span(values).first(static_cast<std::size_t>(experimentCount));
  }

  // The first experiment after `experiment` (1 to experimentCount; 0 starts from the first)
  // whose ShortageValue is `value`, wrapping round past the last: experiment itself when it is
  // the only one. Nothing when no experiment had that value. std::out_of_range for an
  // experiment outside 0 to experimentCount.
  std::optional<int> NextMeetingWith(int value, int experiment) const {
    if (experiment < 0 || experiment > experimentCount)
      throw std::out_of_range("experiment " + std::to_string(experiment) + " is outside 0 to " +
                              std::to_string(experimentCount));
    for (int step = 1; step <= experimentCount; ++step) {
      const int next = (experiment + step - 1) % experimentCount + 1;
      if (values[next - 1] == value)
        return next;
    }
    return std::nullopt;
  }
};

// A finished run beside the exact law of its guest count, which its notes and its chart
// compare it to: the law is worked out once per run.
struct RunReport {
  explicit RunReport(const ShortageRun& finished) : run(finished), law(finished.guestCount) {}

  ShortageRun run;
  ShortageDistribution law;
};

}  // namespace ombrix
