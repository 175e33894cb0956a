// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "chart_drawer.h"
#include "chart_texts.h"
#include "meeting_texts.h"

namespace ombrix {
namespace {

using P = ChartPalette;

constexpr Margins kDistributionMargins{70, 56, 16, 108};
constexpr Margins kMeetingMargins{64, 58, 16, 60};
// Room in a meeting's plot above the highest balance, and below the lowest for its label.
constexpr double kAbove = 10;
constexpr double kBelow = 28;
constexpr double kBarShare = 0.8;  // of its band
// The hint's rows under the legend.
constexpr double kHintLine = 15;

}  // namespace

double TextScale(Size size) {
  return std::max(
      std::min(size.width / kStandardChartSize.width, size.height / kStandardChartSize.height),
      P::kSmallestTextPixels / std::min(P::kLabelPixels, P::kLegendPixels));
}

std::vector<std::string> WrappedLines(std::string_view text, double pixels, bool bold, double room,
                                      const TextWidth& width) {
  const auto fits = [&](std::string_view line) { return width(line, pixels, bold) <= room; };
  if (fits(text))
    return {std::string(text)};
  // Two lines where they do, broken where the longer is shortest: after a comma or a colon
  // if any such break fits, so that a figure stays with its words and the two averages stand
  // side by side.
  for (const bool phrases : {true, false}) {
    std::optional<std::size_t> best;
    double longest = room;
    for (std::size_t space = text.find(' '); space != std::string_view::npos;
         space = text.find(' ', space + 1)) {
      if (phrases && (space == 0 || (text[space - 1] != ',' && text[space - 1] != ':')))
        continue;
      const double longer = std::max(width(text.substr(0, space), pixels, bold),
                                     width(text.substr(space + 1), pixels, bold));
      if (longer <= longest) {
        longest = longer;
        best = space;
      }
    }
    if (best)
      return {std::string(text.substr(0, *best)), std::string(text.substr(*best + 1))};
  }
  // Else as many lines as it takes, each the most whole words that fit, or one word alone.
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(' ', start);
    for (std::size_t next = end; end != std::string_view::npos; next = end) {
      end = text.find(' ', next + 1);
      if (!fits(text.substr(start, end - start))) {
        end = next;
        break;
      }
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  return lines;
}

double Heading::Extra(double scale) const {
  return (kTitleLine * double(title.size() - 1) + kStatusLine * (statusLines - 1)) * scale;
}

Heading HeadingOf(Size size, const std::string& title, const std::vector<std::string>& statuses,
                  const TextWidth& width) {
  const double s = TextScale(size), room = RoomAcross(size);
  Heading heading{.title = WrappedLines(title, P::kTitlePixels * s, true, room, width)};
  for (const std::string& status : statuses)
    heading.statusLines =
        std::max(heading.statusLines,
                 int(WrappedLines(status, P::kLabelPixels * s, true, room, width).size()));
  return heading;
}

namespace {

// The coins marker's texts of a run, from its shortest to its longest.
std::vector<std::string> CoinsTexts(const ShortageChart& run) {
  return {CoinsMarkerText(run, 0), CoinsMarkerText(run, run.coinsByTheory),
          CoinsMarkerText(run, run.MostCoins())};
}

}  // namespace

DistributionGeometry::DistributionGeometry(const ShortageChart& run, Size size,
                                           const TextWidth& width, bool hint)
    : run_(run),
      scale_(TextScale(size)),
      heading_(HeadingOf(size, TextsOf(run).title, CoinsTexts(run), width)),
      hint_(hint ? WrappedLines(Tr(ChartTexts::kHint), P::kLegendPixels * scale_, false,
                                RoomAcross(size), width)
                 : std::vector<std::string>{}),
      plot_(PlotIn(size, kDistributionMargins, heading_,
                   kHintLine * scale_ * double(hint_.size()))) {}

double DistributionGeometry::BandWidth() const {
  return plot_.width / std::max(1, run_.BarCount());
}

Box DistributionGeometry::Band(int bar) const {
  return {plot_.left + BandWidth() * bar, plot_.top, BandWidth(), plot_.height};
}

double DistributionGeometry::BarWidth() const {
  return BandWidth() * kBarShare;
}

double DistributionGeometry::CountY(double count) const {
  return plot_.Bottom() - plot_.height * count / run_.counts.top;
}

double DistributionGeometry::CoinsX(int coins) const {
  return plot_.left + BandWidth() * (-coins - run_.lowestValue);
}

int DistributionGeometry::CoinsAt(double x) const {
  const double coins = -run_.lowestValue - std::round((x - plot_.left) / BandWidth());
  return std::clamp(int(coins), 0, run_.MostCoins());
}

int DistributionGeometry::BarAt(Point point) const {
  if (!plot_.Contains(point))
    return -1;
  return std::clamp(int((point.x - plot_.left) / BandWidth()), 0, run_.BarCount() - 1);
}

Box DistributionGeometry::Grip(int coins) const {
  const double grow = std::max(1.0, scale_);
  return {CoinsX(coins) - 12 * grow, plot_.top - 2 * grow, 24 * grow, 30 * grow};
}

bool DistributionGeometry::OnLine(Point point, int coins) const {
  return point.y >= plot_.top && point.y <= plot_.Bottom() &&
         std::abs(point.x - CoinsX(coins)) <= kGrabDistance;
}

std::vector<BarChoice> DistributionChoices(const ShortageChart& run,
                                           const DistributionGeometry& at) {
  std::vector<BarChoice> choices;
  for (int bar = 0; bar < run.BarCount(); ++bar)
    choices.push_back({bar, run.lowestValue + bar, at.Band(bar), BarToolTip(run, bar)});
  return choices;
}

ChartScene DistributionScene(const ShortageChart& run, const DistributionMarks& marks, Size size,
                             const TextWidth& width) {
  const ChartTexts texts = TextsOf(run);
  ChartScene scene{.size = size};
  Drawer draw{scene, width};
  const double s = draw.s;
  const DistributionGeometry at(run, size, width, marks.hint);
  draw.Title(at.Head());
  const Box plot = at.Plot();
  const auto middle = [&](int bar) { return at.Band(bar).left + at.BandWidth() / 2; };

  draw.CountAxisOf(
      plot, run.counts, [&](int count) { return at.CountY(count); }, "count-label", "count-axis",
      Tr(ChartTexts::kCountAxis));
  // The shortage axis: its values on multiples of the label step, under their bars.
  const int step = run.ValueLabelStep();
  for (int value = run.lowestValue - run.lowestValue % step; value <= 1; value += step) {
    if (value < run.lowestValue)
      continue;
    draw.Tick(middle(value - run.lowestValue), plot.Bottom());
    draw.Label("value-label", std::to_string(value),
               {middle(value - run.lowestValue), plot.Bottom() + 14 * s});
  }
  draw.AxisName("value-axis", Tr(ChartTexts::kValueAxis),
                {plot.left + plot.width / 2, plot.Bottom() + 36 * s}, false);

  // The chosen bar's band, behind the bars, so that an empty one is seen chosen too.
  if (marks.chosen >= 0)
    scene.back.push_back(
        Rect("chosen-band", at.Band(marks.chosen), P::kChosenBand, {P::kChosenBand, 0}));
  const double barWidth = at.BarWidth();
  for (int bar = 0; bar < run.BarCount(); ++bar) {
    const Box band = at.Band(bar);
    const double top = at.CountY(run.observed[bar]);
    const Box drawn{band.left + (band.width - barWidth) / 2, top, barWidth, plot.Bottom() - top};
    scene.bars.push_back(bar == marks.chosen
                             ? Rect("bar chosen", drawn, P::kChosenFill, draw.Sized(P::kChosenEdge))
                             : Rect("bar", drawn, P::kBarFill, draw.Sized(P::kBarEdge)));
  }
  scene.choices = DistributionChoices(run, at);
  if (marks.chosen >= 0) {
    Box frame = at.Band(marks.chosen);
    frame.top -= 2 * s;
    frame.height += 4 * s;
    scene.focus.push_back(Rect("focus-frame", frame, P::kInvisible, draw.Sized(P::kFocusFrame)));
  }

  // The student's marker, over the bars, which show through it, and under the other two,
  // which stay whole beside it: as wide as a bar, within bounds.
  const double x = at.CoinsX(marks.coins);
  const Box grip = at.Grip(marks.coins);
  const double g = grip.width / 24;  // the grip's own scale
  Colour seeThrough = P::kCoinsMarker;
  seeThrough.alpha = P::kCoinsLineAlpha;
  scene.coinsMarker = MarkerShape{x, plot.top, plot.Bottom(), grip};
  scene.marker = {
      Line("coins-line", {x, plot.top}, {x, plot.Bottom()},
           {seeThrough, std::clamp(barWidth, P::kThinnestCoinsLine, P::kWidestCoinsLine)}),
      Rect("grip", grip, P::kCoinsMarker, {P::kCoinsMarker, 0}, 3 * g)};
  for (const double down : {10, 15, 20})
    scene.marker.push_back(Line("grip-line", {x - 6 * g, grip.top + down * g},
                                {x + 6 * g, grip.top + down * g}, Scaled(P::kGripLines, g)));

  std::vector<Point> expected;
  for (int bar = 0; bar < run.BarCount(); ++bar)
    expected.push_back({middle(bar), at.CountY(run.expected[bar])});
  scene.front.push_back(Path("expected-line", expected, draw.Sized(P::kExpected)));
  double radius = std::min(P::kExpectedPointRadius * s, barWidth / 3);
  if (radius < 1)
    radius = 0;  // under a pixel: the line alone
  for (const Point point : radius > 0 ? expected : std::vector<Point>{})
    scene.front.push_back(Circle("expected-point", point, radius, P::kBlack));
  for (const auto& [role, markerCoins, stroke] :
       {std::tuple{"marker by-run", run.coinsByRun, P::kCoinsByRun},
        {"marker by-theory", run.coinsByTheory, P::kCoinsByTheory}}) {
    const double markerX = at.CoinsX(markerCoins);
    scene.front.push_back(
        Line(role, {markerX, plot.top}, {markerX, plot.Bottom()}, draw.Sized(stroke)));
  }
  draw.Status("coins-text", at.Head(), CoinsMarkerText(run, marks.coins), true, P::kCoinsText);

  const double hintRoom = kHintLine * s * double(at.HintLines().size());
  const Drawer::LegendEntry legend[] = {
      {.name = Tr(ChartTexts::kObserved), .bar = true},
      {.name = Tr(ChartTexts::kExpected), .line = P::kExpected, .dot = radius},
      {.name = texts.coinsByRun, .line = P::kCoinsByRun},
      {.name = texts.coinsByTheory, .line = P::kCoinsByTheory}};
  draw.Legend(legend, hintRoom);
  double y = size.height - hintRoom + 6 * s;
  for (const std::string& line : at.HintLines()) {
    scene.front.push_back(
        Text("hint", line, {size.width / 2, y}, P::kLegendPixels * s, false, P::kHint));
    y += kHintLine * s;
  }
  return scene;
}

ChartScene NoRunScene(Size size, const TextWidth& width) {
  ChartScene scene{.size = size};
  Drawer{scene, width}.Title(HeadingOf(size, NoRunTexts().title, {}, width));
  return scene;
}

namespace {

// A replay's statuses, from its start to its end.
std::vector<std::string> Statuses(const MeetingWalk& walk) {
  return {ReplayStatus(walk, 0), ReplayStatus(walk, walk.lowestGuest),
          ReplayStatus(walk, walk.guestCount)};
}

}  // namespace

MeetingGeometry::MeetingGeometry(const MeetingWalk& walk, int experimentCount, Size size,
                                 const TextWidth& width)
    : walk_(walk),
      scale_(TextScale(size)),
      heading_(HeadingOf(size, TextsOf(walk, experimentCount).caption, Statuses(walk), width)),
      plot_(PlotIn(size, kMeetingMargins, heading_)) {
  const auto balances = walk.Balances();
  low_ = std::min(0, walk.lowest);
  high_ = std::max(0, int(*std::max_element(balances.begin(), balances.end())));
  guestStep_ = WholeStep(walk.guestCount, 10);
  balanceStep_ = WholeStep(std::max(1, high_ - low_), 8);
}

double MeetingGeometry::GuestX(int guest) const {
  // The lowest point stands whole inside the plot, even after the first or the last guest.
  const double room = (P::kLowestRadius + 1) * scale_;
  return plot_.left + room + (plot_.width - 2 * room) * guest / std::max(1, walk_.guestCount);
}

double MeetingGeometry::BalanceY(double balance) const {
  const double above = kAbove * scale_, below = kBelow * scale_;
  const double inner = std::max(1.0, plot_.height - above - below);
  return plot_.Bottom() - below - inner * (balance - low_) / std::max(1, high_ - low_);
}

ChartScene MeetingScene(const MeetingWalk& walk, int experimentCount, int shown, Size size,
                        const TextWidth& width) {
  const MeetingTexts texts = TextsOf(walk, experimentCount);
  ChartScene scene{.size = size};
  Drawer draw{scene, width};
  const double s = draw.s;
  const MeetingGeometry at(walk, experimentCount, size, width);
  draw.Title(at.Head());
  const Box plot = at.Plot();

  // The balance axis: a grid line and a label at each step in the plot, the zero line apart.
  const int step = at.BalanceStep();
  const double perCoin = at.BalanceY(0) - at.BalanceY(1);
  const double highest = at.HighBalance() + kAbove * s / perCoin;
  for (int balance = int(std::ceil((at.LowBalance() - kBelow * s / perCoin) / step)) * step;
       balance <= highest; balance += step) {
    const double y = at.BalanceY(balance);
    if (balance != 0)
      scene.back.push_back(Line("grid", {plot.left, y}, {plot.Right(), y}, draw.Sized(P::kGrid)));
    draw.Label("balance-label", std::to_string(balance), {plot.left - 6 * s, y}, Anchor::End);
  }
  const double zero = at.BalanceY(0);
  scene.back.push_back(
      Line("zero-line", {plot.left, zero}, {plot.Right(), zero}, draw.Sized(P::kZeroLine)));
  draw.AxisName("balance-axis", Tr(MeetingTexts::kBalanceAxis),
                {18 * s, plot.top + plot.height / 2}, true);
  // The guest axis: the start, and each multiple of a step.
  for (int guest = 0; guest <= walk.guestCount; guest += at.GuestStep()) {
    draw.Tick(at.GuestX(guest), plot.Bottom());
    draw.Label("guest-label", std::to_string(guest), {at.GuestX(guest), plot.Bottom() + 15 * s});
  }
  for (const auto& [from, to] :
       {std::pair{Point{plot.left, plot.Bottom()}, Point{plot.Right(), plot.Bottom()}},
        {Point{plot.left, plot.top}, Point{plot.left, plot.Bottom()}}})
    scene.back.push_back(Line("axis", from, to, draw.Sized(P::kAxis)));
  draw.AxisName("guest-axis", Tr(MeetingTexts::kGuestAxis),
                {plot.left + plot.width / 2, plot.Bottom() + 40 * s}, false);

  // The balance holds from one guest to the next: a step line from the start, balance 0
  // before guest 1.
  const auto balances = walk.Balances();
  shown = std::clamp(shown, 0, walk.guestCount);
  if (shown > 0) {
    std::vector<Point> steps{{at.GuestX(0), at.BalanceY(0)}};
    steps.reserve(2 * std::size_t(shown) + 1);
    for (int guest = 1; guest <= shown; ++guest) {
      steps.push_back({at.GuestX(guest), steps.back().y});
      steps.push_back({at.GuestX(guest), at.BalanceY(balances[std::size_t(guest) - 1])});
    }
    scene.front.push_back(Path("walk", std::move(steps), draw.Sized(P::kWalk)));
  }
  if (shown >= walk.lowestGuest && walk.lowestGuest > 0) {
    const Point dot{at.GuestX(walk.lowestGuest), at.BalanceY(walk.lowest)};
    scene.front.push_back(Circle("lowest-point", dot, P::kLowestRadius * s, P::kLowest));
    // Under the point, where the walk never goes but for its start under a lowest above 0:
    // then right of the point, clear of the step up from the start. Inside the plot however
    // near its edge, on a ground of its own over the grid and the zero line.
    const double pixels = P::kLabelPixels * s;
    const double half = width(texts.lowestLabel, pixels, true) / 2 + 2 * s;
    const double wanted = walk.lowest > 0 ? dot.x + P::kLowestRadius * s + half : dot.x;
    const double x =
        std::clamp(wanted, plot.left + half, std::max(plot.left + half, plot.Right() - half));
    const Point at{x, dot.y + 16 * s};
    scene.front.push_back(Rect("lowest-ground",
                               {x - half, at.y - 0.65 * pixels, 2 * half, 1.3 * pixels}, P::kWhite,
                               {P::kWhite, 0}));
    scene.front.push_back(Text("lowest-label", texts.lowestLabel, at, pixels, true, P::kLowest));
  }
  draw.Status("replay-status", at.Head(), ReplayStatus(walk, shown), false, P::kBlack);
  return scene;
}

}  // namespace ombrix
