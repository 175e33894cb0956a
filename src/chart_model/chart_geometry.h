// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "chart_scene.h"
#include "meeting_walk.h"
#include "shortage_chart.h"

namespace ombrix {

// The size of the chart's drawing in a chart window of its standard size: its texts have the
// palette's sizes there, and grow and shrink with the drawing.
inline constexpr Size kStandardChartSize{640, 480};
double TextScale(Size size);

// Where the parts of a run's distribution stand in a drawing of `size`: the plot area, a bar
// for each value from the run's lowest to +1, and the markers at the left edge of a value's
// bar, so that the bars right of a marker are the meetings its coins see through.
class DistributionGeometry {
 public:
  DistributionGeometry(const ShortageChart& run, Size size);

  Box Plot() const { return plot_; }
  double BandWidth() const;
  Box Band(int bar) const;
  double CountY(double count) const;
  // The left edge of the bar of -coins.
  double CoinsX(int coins) const;
  // The coins whose marker stands nearest `x`, within 0 to the run's MostCoins().
  int CoinsAt(double x) const;
  // The bar whose band holds `point`; -1 for none.
  int BarAt(Point point) const;
  Box Grip(int coins) const;
  // Whether a press at `point` takes hold of the marker at `coins`: on its grip, or on its line.
  bool OnMarker(Point point, int coins) const;

  // How near the marker's line, in pixels, a press takes hold of it.
  static constexpr double kGrabDistance = 6;

 private:
  const ShortageChart& run_;
  Box plot_;
};

// Where the parts of a meeting's walk stand in a drawing of `size`: guests across from 1, the
// balance up, with room above the highest balance and below the lowest for its label.
class MeetingGeometry {
 public:
  MeetingGeometry(const MeetingWalk& walk, Size size);

  Box Plot() const { return plot_; }
  double GuestX(int guest) const;
  double BalanceY(double balance) const;
  int GuestStep() const { return guestStep_; }
  int BalanceStep() const { return balanceStep_; }
  int LowBalance() const { return low_; }
  int HighBalance() const { return high_; }

 private:
  const MeetingWalk& walk_;
  Box plot_;
  int low_ = 0;
  int high_ = 0;
  int guestStep_ = 1;
  int balanceStep_ = 1;
};

// The drawing of a run's distribution with the coins marker at `coins` and the bar `chosen`
// shown chosen (-1: none).
ChartScene DistributionScene(const ShortageChart& run, int coins, int chosen, Size size,
                             const TextWidth& width);
// The drawing after Init: its title alone.
ChartScene NoRunScene(Size size, const TextWidth& width);
// The drawing of a meeting of a run of `experimentCount` experiments, its walk after guests 1
// to `shown`, the lowest point with its label once it is reached, and the replay's status.
ChartScene MeetingScene(const MeetingWalk& walk, int experimentCount, int shown, Size size,
                        const TextWidth& width);

}  // namespace ombrix
