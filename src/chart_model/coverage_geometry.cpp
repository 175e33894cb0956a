// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage_geometry.h"

#include <algorithm>
#include <cmath>

#include "chart_drawer.h"
#include "coverage_texts.h"
#include "experiment_settings.h"

namespace ombrix {
namespace {

using P = ChartPalette;

constexpr Margins kCoverageMargins{64, 56, 24, 96};
constexpr double kSentenceLine = 15;
// How far from a point's centre a pointer still takes it, at the standard size.
constexpr double kPointReach = 9;

// Every status a sweep shows, so that the plot stays still while it runs.
std::vector<std::string> SweepStatuses() {
  std::vector<std::string> statuses;
  for (int run = 0; run < int(kSweepGuestCounts.size()); ++run)
    statuses.push_back(SweepStatus(run));
  return statuses;
}

}  // namespace

CoverageGeometry::CoverageGeometry(const CoverageCurve& curve, const CoveragePoints& points,
                                   Size size, const TextWidth& width)
    : points_(points),
      scale_(TextScale(size)),
      heading_(HeadingOf(size, Tr(CoverageTexts::kTitle), SweepStatuses(), width)),
      sentence_(WrappedLines(DoublingSentence(curve, points), P::kLegendPixels * scale_, true,
                             RoomAcross(size), width)),
      plot_(PlotIn(size, kCoverageMargins, heading_,
                   kSentenceLine * scale_ * double(sentence_.size()))) {
  int highest = curve.CoinsAt(ExperimentSettings::MaxGuests);
  for (const CoveragePoint& point : points.All())
    highest = std::max(highest, point.coins);
  coins_ = CountAxis::Reaching(highest);
  // A label of four digits every step, with room between them.
  guestStep_ =
      WholeStep(ExperimentSettings::MaxGuests, std::max(1, int(plot_.width / (48 * scale_))));
}

double CoverageGeometry::GuestX(double guests) const {
  return plot_.left + plot_.width * guests / ExperimentSettings::MaxGuests;
}

double CoverageGeometry::CoinsY(double coins) const {
  return plot_.Bottom() - plot_.height * coins / coins_.top;
}

Box CoverageGeometry::Band(const CoveragePoint& point) const {
  const double reach = kPointReach * std::max(1.0, scale_);
  return {GuestX(point.guests) - reach, CoinsY(point.coins) - reach, 2 * reach, 2 * reach};
}

int CoverageGeometry::PointAt(Point at) const {
  int nearest = -1;
  double least = 0;
  const std::vector<CoveragePoint>& all = points_.All();
  for (int k = 0; k < int(all.size()); ++k) {
    const Box band = Band(all[std::size_t(k)]);
    if (!band.Contains(at))
      continue;
    const double away =
        std::hypot(at.x - band.left - band.width / 2, at.y - band.top - band.height / 2);
    if (nearest < 0 || away < least) {
      nearest = k;
      least = away;
    }
  }
  return nearest;
}

std::vector<BarChoice> CoverageChoices(const CoverageCurve& curve, const CoveragePoints& points,
                                       const CoverageGeometry& at) {
  std::vector<BarChoice> choices;
  for (const CoveragePoint& point : points.All())
    choices.push_back(
        {int(choices.size()), point.guests, at.Band(point), PointToolTip(curve, point)});
  return choices;
}

ChartScene CoverageScene(const CoverageCurve& curve, const CoveragePoints& points,
                         std::optional<int> sweepRun, int chosen, Size size,
                         const TextWidth& width) {
  using Settings = ExperimentSettings;
  ChartScene scene{.size = size};
  Drawer draw{scene, width};
  const double s = draw.s;
  const CoverageGeometry at(curve, points, size, width);
  draw.Title(at.Head());
  const Box plot = at.Plot();

  draw.CountAxisOf(
      plot, at.CoinsAxis(), [&](int count) { return at.CoinsY(count); }, "coins-label",
      "coins-axis", CoinsAxisName());
  // The guest axis, linear from 0.
  for (int guests = 0; guests <= Settings::MaxGuests; guests += at.GuestStep()) {
    draw.Tick(at.GuestX(guests), plot.Bottom());
    draw.Label("guest-label", std::to_string(guests), {at.GuestX(guests), plot.Bottom() + 14 * s});
  }
  draw.AxisName("guest-axis", Tr(CoverageTexts::kGuestAxis),
                {plot.left + plot.width / 2, plot.Bottom() + 34 * s}, false);

  std::vector<Point> theory;
  for (int guests = Settings::MinGuests; guests <= Settings::MaxGuests; ++guests)
    theory.push_back({at.GuestX(guests), at.CoinsY(curve.CoinsAt(guests))});
  scene.back.push_back(Path("theory-curve", std::move(theory), draw.Sized(P::kTheoryCurve)));
  // The guide over theory's curve, which it follows closely, labelled by itself above the two
  // where they have left the crowded start.
  const double c = curve.GuideFactor();
  std::vector<Point> guide;
  for (int guests = 0; guests <= Settings::MaxGuests; guests += 5)
    guide.push_back({at.GuestX(guests), at.CoinsY(c * std::sqrt(guests))});
  scene.back.push_back(Path("guide", std::move(guide), draw.Sized(P::kGuide)));
  constexpr int kLabelGuests = 400;
  scene.back.push_back(
      Text("guide-label", GuideLabel(curve),
           {at.GuestX(kLabelGuests), at.CoinsY(c * std::sqrt(kLabelGuests)) - 14 * s},
           P::kLabelPixels * s, true, P::kGuide.colour, Anchor::End));

  // The points, over the lines.
  const std::vector<CoveragePoint>& all = points.All();
  const double radius = P::kPointRadius * s;
  for (int k = 0; k < int(all.size()); ++k) {
    const CoveragePoint& point = all[std::size_t(k)];
    const Point centre{at.GuestX(point.guests), at.CoinsY(point.coins)};
    const bool hollow = point.source == PointSource::Sweep;
    Shape dot =
        draw.Dot(hollow ? "point by-sweep" : "point by-hand", centre, radius, P::kRunPoint, hollow);
    scene.bars.push_back(std::move(dot));
  }
  scene.choices = CoverageChoices(curve, points, at);
  if (chosen >= 0 && chosen < int(all.size())) {
    const CoveragePoint& point = all[std::size_t(chosen)];
    scene.focus.push_back(Circle("focus-frame", {at.GuestX(point.guests), at.CoinsY(point.coins)},
                                 2 * radius, P::kInvisible, draw.Sized(P::kFocusFrame)));
  }

  draw.Status("sweep-status", at.Head(), SweepStatus(sweepRun), true, P::kCoinsText);
  const double sentenceRoom = kSentenceLine * s * double(at.SentenceLines().size());
  const Drawer::LegendEntry legend[] = {
      {.name = Tr(CoverageTexts::kTheory), .line = P::kTheoryCurve},
      {.name = Tr(CoverageTexts::kByHand), .dot = radius, .dotColour = P::kRunPoint},
      {.name = Tr(CoverageTexts::kBySweep),
       .dot = radius,
       .dotColour = P::kRunPoint,
       .hollow = true}};
  draw.Legend(legend, sentenceRoom);
  double y = size.height - sentenceRoom + 6 * s;
  for (const std::string& line : at.SentenceLines()) {
    scene.front.push_back(Text("sentence", line, {size.width / 2, y}, P::kLegendPixels * s, true));
    y += kSentenceLine * s;
  }
  return scene;
}

}  // namespace ombrix
