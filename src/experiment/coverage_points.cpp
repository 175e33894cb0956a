// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage_points.h"

#include <algorithm>

#include "shortage_distribution.h"

namespace ombrix {

CoveragePoint PointOf(const ShortageRun& run, PointSource source) {
  return {.guests = run.guestCount,
          .coins = CoinsCoveringObserved(run.Values(), kCoveredShare),
          .experimentCount = run.experimentCount,
          .source = source};
}

void CoveragePoints::Record(const CoveragePoint& point) {
  const auto at =
      std::lower_bound(points_.begin(), points_.end(), point.guests,
                       [](const CoveragePoint& kept, int guests) { return kept.guests < guests; });
  if (at != points_.end() && at->guests == point.guests)
    *at = point;
  else
    points_.insert(at, point);
}

std::vector<int> CoveragePoints::Guests() const {
  std::vector<int> guests;
  for (const CoveragePoint& point : points_)
    guests.push_back(point.guests);
  return guests;
}

}  // namespace ombrix
