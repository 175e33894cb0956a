// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "shortage_run.h"

namespace ombrix {

// The guest counts of a sweep, one run at each, with the settings' number of experiments.
inline constexpr std::array kSweepGuestCounts{10, 20, 50, 100, 200, 500, 1000};

// Whether a run was started by hand or by a sweep.
enum class PointSource { Hand, Sweep };

// One run's coins that cover kCoveredShare of its meetings, at its guest count.
struct CoveragePoint {
  int guests = 0;
  int coins = 0;
  int experimentCount = 0;
  PointSource source = PointSource::Hand;

  friend bool operator==(const CoveragePoint&, const CoveragePoint&) = default;
};

CoveragePoint PointOf(const ShortageRun& run, PointSource source);

// The class's record of a lesson: for each guest count run since the program started, the
// latest run's point, in order of guests.
class CoveragePoints {
 public:
  void Record(const CoveragePoint& point);
  void Clear() { points_.clear(); }
  const std::vector<CoveragePoint>& All() const { return points_; }
  std::vector<int> Guests() const;

  friend bool operator==(const CoveragePoints&, const CoveragePoints&) = default;

 private:
  std::vector<CoveragePoint> points_;
};

}  // namespace ombrix
