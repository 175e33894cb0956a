// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "coverage_curve.h"
#include "coverage_points.h"
#include "translate.h"

namespace ombrix {

// The words of the chart's view of the coins against the guests: the runs' points beside
// theory's curve and the guide, and the sweep that adds a point at each of its guest counts.
struct CoverageTexts {
  static constexpr Message kTitle = Msg("Coins against guests");
  static constexpr Message kGuestAxis = Msg("Guests");
  static constexpr Message kTheory = Msg("Theory (exact law)");
  static constexpr Message kByHand = Msg("Run by hand");
  static constexpr Message kBySweep = Msg("Run by the sweep");
  static constexpr Message kSweep = Msg("Run 10 to 1000 guests");
  static constexpr Message kStop = Msg("Stop");
  static constexpr Message kClear = Msg("Clear the points");
  static constexpr Message kPoints = Msg("Points: one for each guest count run");
};

// The coins axis's name: "Coins that cover 95 % of meetings".
std::string CoinsAxisName();
// The guide's label, the line itself: "1.93 × √guests".
std::string GuideLabel(const CoverageCurve& curve);
// What the student's points say against theory: "Twice the guests: about 1.4 times the coins",
// with a range where the factor varies over their guest counts, an invitation without any.
std::string DoublingSentence(const CoverageCurve& curve, const CoveragePoints& points);
// A point's tooltip: its guests, its run's coins and theory's, its run's experiments and how
// it was run.
std::string PointToolTip(const CoverageCurve& curve, const CoveragePoint& point);
// Where a sweep stands, `run` (0 on) of its runs being made: "Running 200 guests: 5 of 7";
// empty when none runs.
std::string SweepStatus(std::optional<int> run);
// What a screen reader calls the view, and says of it.
std::string CoverageName();
std::string CoverageDescription(const CoverageCurve& curve, const CoveragePoints& points);
// The points as a spreadsheet pastes them: a row of headers, then a row a point.
std::string PointsTabSeparated(const CoverageCurve& curve, const CoveragePoints& points);

}  // namespace ombrix
