// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart_geometry.h"
#include "coverage_curve.h"
#include "coverage_points.h"

namespace ombrix {

// Where the parts of the coins against the guests stand in a drawing of `size`: the guests
// across from 0 to MaxGuests, the coins up from 0 to a whole step at or above the highest of
// theory's and the points', a status above the plot for a sweep that runs, and the sentence
// on the points under the legend.
class CoverageGeometry {
 public:
  CoverageGeometry(const CoverageCurve& curve, const CoveragePoints& points, Size size,
                   const TextWidth& width);

  Box Plot() const { return plot_; }
  double GuestX(double guests) const;
  double CoinsY(double coins) const;
  int GuestStep() const { return guestStep_; }
  CountAxis CoinsAxis() const { return coins_; }
  // Where a point can be taken: a finger's width round its centre.
  Box Band(const CoveragePoint& point) const;
  // The point (its index among `points`) whose centre is nearest `at` within its band; -1 for
  // none.
  int PointAt(Point at) const;
  const Heading& Head() const { return heading_; }
  const std::vector<std::string>& SentenceLines() const { return sentence_; }

 private:
  const CoveragePoints& points_;
  double scale_;
  Heading heading_;
  std::vector<std::string> sentence_;
  Box plot_;
  CountAxis coins_;
  int guestStep_ = 100;
};

// The points a student can choose, each its band and tooltip.
std::vector<BarChoice> CoverageChoices(const CoverageCurve& curve, const CoveragePoints& points,
                                       const CoverageGeometry& at);
// The view of `points` beside theory's curve and the guide, a sweep's status while `sweepRun`
// runs, the point `chosen` (-1: none) framed while the points have the focus.
ChartScene CoverageScene(const CoverageCurve& curve, const CoveragePoints& points,
                         std::optional<int> sweepRun, int chosen, Size size,
                         const TextWidth& width);

}  // namespace ombrix
