// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart_scene.h"
#include "meeting_walk.h"
#include "shortage_chart.h"

namespace ombrix {

// The size of the chart's drawing in a chart window of its standard size: its texts, lines and
// points have the palette's sizes there, and grow and shrink with the drawing.
inline constexpr Size kStandardChartSize{640, 480};
// The least a drawing is laid out at: its axes, plot and wrapped texts still fit there with its
// texts at their smallest.
inline constexpr Size kSmallestChartSize{360, 320};
// The scale of the texts, lines and points at `size`, never so small that a text falls under
// ChartPalette::kSmallestTextPixels.
double TextScale(Size size);

// `text` broken at its spaces into lines no wider than `room`: one, else two balanced ones,
// else as many as it takes; a word wider than that stands whole on a line of its own, for no
// figure is ever cut.
std::vector<std::string> WrappedLines(std::string_view text, double pixels, bool bold, double room,
                                      const TextWidth& width);

// The texts above a plot: the title's lines, and under them room for the lines of a status
// that changes (the coins marker's text, a replay's), as many as its longest takes, so that the
// plot stays still while the status changes.
struct Heading {
  std::vector<std::string> title;
  int statusLines = 1;
  // How much lower the plot stands than under a title and status of one line each.
  double Extra(double scale) const;
};
Heading HeadingOf(Size size, const std::string& title, const std::vector<std::string>& statuses,
                  const TextWidth& width);

// Where the parts of a run's distribution stand in a drawing of `size`: the plot area, a bar
// for each value from the run's lowest to +1, and the markers at the left edge of a value's
// bar, so that the bars right of a marker are the meetings its coins see through. With the
// hint, the plot leaves room for it at the foot.
class DistributionGeometry {
 public:
  DistributionGeometry(const ShortageChart& run, Size size, const TextWidth& width,
                       bool hint = false);

  Box Plot() const { return plot_; }
  double BandWidth() const;
  Box Band(int bar) const;
  // A bar as drawn, in the middle of its band.
  double BarWidth() const;
  double CountY(double count) const;
  // The left edge of the bar of -coins.
  double CoinsX(int coins) const;
  // The coins whose marker stands nearest `x`, within 0 to the run's MostCoins().
  int CoinsAt(double x) const;
  // The bar whose band holds `point`; -1 for none.
  int BarAt(Point point) const;
  // The marker's grip, at the top of its line: a finger's width, at any size.
  Box Grip(int coins) const;
  bool OnGrip(Point point, int coins) const { return Grip(coins).Contains(point); }
  // Whether `point` is on the marker's line, within kGrabDistance: a drag from there moves it,
  // a click there is the bar's.
  bool OnLine(Point point, int coins) const;
  const Heading& Head() const { return heading_; }
  // The hint's lines under the legend; none without the hint.
  const std::vector<std::string>& HintLines() const { return hint_; }

  static constexpr double kGrabDistance = 6;

 private:
  const ShortageChart& run_;
  double scale_;
  Heading heading_;
  std::vector<std::string> hint_;
  Box plot_;
};

// Where the parts of a meeting's walk stand in a drawing of `size`: guests across from 0, the
// balance up, with room above the highest balance and below the lowest for its label, and
// room at both ends for the lowest point.
class MeetingGeometry {
 public:
  MeetingGeometry(const MeetingWalk& walk, int experimentCount, Size size, const TextWidth& width);

  Box Plot() const { return plot_; }
  double GuestX(int guest) const;
  double BalanceY(double balance) const;
  int GuestStep() const { return guestStep_; }
  int BalanceStep() const { return balanceStep_; }
  int LowBalance() const { return low_; }
  int HighBalance() const { return high_; }
  const Heading& Head() const { return heading_; }

 private:
  const MeetingWalk& walk_;
  double scale_;
  Heading heading_;
  Box plot_;
  int low_ = 0;
  int high_ = 0;
  int guestStep_ = 1;
  int balanceStep_ = 1;
};

// What a student has set on a distribution: the coins marker, the bar chosen (-1: none), and
// whether the hint to what the chart does still shows.
struct DistributionMarks {
  int coins = 0;
  int chosen = -1;
  bool hint = false;
};
// The bars a student can choose, each its band and tooltip.
std::vector<BarChoice> DistributionChoices(const ShortageChart& run,
                                           const DistributionGeometry& at);
ChartScene DistributionScene(const ShortageChart& run, const DistributionMarks& marks, Size size,
                             const TextWidth& width);
// The drawing after Init: its title alone.
ChartScene NoRunScene(Size size, const TextWidth& width);
// The drawing of a meeting of a run of `experimentCount` experiments, its walk from its start
// to guest `shown`, the lowest point with its label once it is reached, and the replay's
// status.
ChartScene MeetingScene(const MeetingWalk& walk, int experimentCount, int shown, Size size,
                        const TextWidth& width);

}  // namespace ombrix
