// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage_texts.h"

#include <iterator>

#include "chart_texts.h"
#include "number_text.h"
#include "shortage_distribution.h"

namespace ombrix {
namespace {

std::string SourceText(PointSource source) {
  return source == PointSource::Hand ? Tr(CoverageTexts::kByHand) : Tr(CoverageTexts::kBySweep);
}

}  // namespace

std::string CoinsAxisName() {
  return Tr("Coins that cover {share} of meetings", {{"share", Percent(kCoveredShare)}});
}

std::string GuideLabel(const CoverageCurve& curve) {
  return Tr("{factor} × √guests", {{"factor", Fixed(curve.GuideFactor(), 2)}});
}

std::string DoublingSentence(const CoverageCurve& curve, const CoveragePoints& points) {
  const std::vector<int> guests = points.Guests();
  const auto doubling = curve.DoublingOf(guests);
  if (!doubling)
    return Tr("Run 500 guests or fewer to see what twice the guests need");
  if (doubling->least == doubling->most)
    return Tr("Twice the guests: about {factor} times the coins",
              {{"factor", Fixed(doubling->least, 1)}});
  return Tr("Twice the guests: about {least} to {most} times the coins",
            {{"least", Fixed(doubling->least, 1)}, {"most", Fixed(doubling->most, 1)}});
}

std::string PointToolTip(const CoverageCurve& curve, const CoveragePoint& point) {
  return Tr("{guests}: {coins} by this run of {experiments}, {theory} by theory. {source}",
            {{"guests", GuestsText(point.guests)},
             {"coins", CoinsCoverText(point.coins)},
             {"experiments", ExperimentsText(point.experimentCount)},
             {"theory", std::to_string(curve.CoinsAt(point.guests))},
             {"source", SourceText(point.source)}});
}

std::string SweepStatus(std::optional<int> run) {
  if (!run)
    return {};
  return Tr("Running {guests} guests: {run} of {runs}",
            {{"guests", kSweepGuestCounts.at(std::size_t(*run))},
             {"run", *run + 1},
             {"runs", int(std::size(kSweepGuestCounts))}});
}

std::string CoverageName() {
  return Tr("Chart: coins against guests");
}

std::string CoverageDescription(const CoverageCurve& curve, const CoveragePoints& points) {
  return TrN(
      "The coins that cover {share} of meetings against the guests, from 10 to 1000: theory's "
      "curve, a dashed guide {guide}, and {count} point of the runs. {sentence}.",
      "The coins that cover {share} of meetings against the guests, from 10 to 1000: theory's "
      "curve, a dashed guide {guide}, and {count} points of the runs. {sentence}.",
      int(points.All().size()),
      {{"share", Percent(kCoveredShare)},
       {"guide", GuideLabel(curve)},
       {"count", int(points.All().size())},
       {"sentence", DoublingSentence(curve, points)}});
}

std::string PointsTabSeparated(const CoverageCurve& curve, const CoveragePoints& points) {
  std::string text = Tr(CoverageTexts::kGuestAxis) + "\t" + Tr("Coins by the run") + "\t" +
                     Tr("Coins by theory") + "\t" + Tr("Number of experiments") + "\t" +
                     Tr("Run by") + "\n";
  for (const CoveragePoint& point : points.All()) {
    text += std::to_string(point.guests) + "\t" + std::to_string(point.coins) + "\t" +
            std::to_string(curve.CoinsAt(point.guests)) + "\t" +
            std::to_string(point.experimentCount) + "\t" +
            (point.source == PointSource::Hand ? Tr("hand") : Tr("sweep")) + "\n";
  }
  return text;
}

}  // namespace ombrix
