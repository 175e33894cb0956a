// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBarSet>
#include <QChartView>
#include <functional>

#include "shortage_chart.h"

namespace ombrix {

// The view of a run's distribution, where a student picks a bar, to see one of its meetings,
// and drags the coins marker. With the focus, the arrow keys, Home and End choose a bar, shown
// in its selected colour, and Enter or Space shows its meeting. Every bar, an empty one too,
// has its tooltip.
class DistributionView final : public QChartView {
 public:
  struct Actions {
    std::function<void(int bar)> showMeeting;
    std::function<void(int coins)> moveCoins;  // while the marker is dragged
    std::function<int()> coins;                // where the marker stands
  };

  DistributionView(QChart* chart, QBarSet& bars, Actions actions);

  // The run whose bars are chosen from, which the window keeps while it shows it; no bar is
  // chosen until the view has the focus.
  void ShowRun(const ShortageChart& run);
  void ShowNoRun();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // The bar under a point of the view, inside the plot area; -1 for none.
  int BarAt(QPointF position) const;
  int CoinsAt(QPointF position) const;
  bool OnMarker(QPointF position) const;
  void Choose(int bar);
  void ChooseHighest();

  QBarSet& bars_;
  Actions actions_;
  const ShortageChart* run_ = nullptr;
  int chosen_ = -1;
  bool dragging_ = false;
};

}  // namespace ombrix
