// SPDX-License-Identifier: GPL-3.0-or-later
#include "distribution_view.h"

#include <QBarSet>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "chart_texts.h"
#include "qt_conversions.h"

namespace ombrix {
namespace {

// How near the coins marker, in pixels, a press grabs it rather than the bar under it.
constexpr double kGrabDistance = 6;

}  // namespace

DistributionView::DistributionView(QChart* chart, QBarSet& bars, Actions actions)
    : QChartView(chart), bars_(bars), actions_(std::move(actions)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAccessibleName(QLatin1String(ChartTexts::kBars));
  bars_.setSelectedColor(QColor(255, 200, 0));  // the chosen bar, amber beside the cyan
}

void DistributionView::ShowRun(const ShortageChart& run) {
  run_ = &run;
  chosen_ = -1;
  bars_.deselectAllBars();
  setAccessibleDescription({});
  if (hasFocus())
    ChooseHighest();
}

void DistributionView::ChooseHighest() {
  // The highest bar first: the one most meetings ended at.
  Choose(int(std::ranges::max_element(run_->observed) - run_->observed.begin()));
}

void DistributionView::ShowNoRun() {
  run_ = nullptr;
  chosen_ = -1;
  dragging_ = false;
  setAccessibleDescription({});
}

void DistributionView::Choose(int bar) {
  chosen_ = std::clamp(bar, 0, run_->BarCount() - 1);
  bars_.deselectAllBars();
  bars_.selectBar(chosen_);
  setAccessibleDescription(ToQString(BarToolTip(*run_, chosen_)));
}

void DistributionView::focusInEvent(QFocusEvent* event) {
  if (run_ && chosen_ < 0)
    ChooseHighest();
  QChartView::focusInEvent(event);
}

void DistributionView::keyPressEvent(QKeyEvent* event) {
  if (!run_)
    return QChartView::keyPressEvent(event);
  if (chosen_ < 0)
    ChooseHighest();
  switch (event->key()) {
    case Qt::Key_Left:
      Choose(chosen_ - 1);
      break;
    case Qt::Key_Right:
      Choose(chosen_ + 1);
      break;
    case Qt::Key_Home:
      Choose(0);
      break;
    case Qt::Key_End:
      Choose(run_->BarCount() - 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (chosen_ >= 0)
        actions_.showMeeting(chosen_);
      break;
    default:
      return QChartView::keyPressEvent(event);
  }
  event->accept();
}

int DistributionView::BarAt(QPointF position) const {
  if (!run_ || !chart()->plotArea().contains(position))
    return -1;
  const int bar = int(std::lround(chart()->mapToValue(position).x()));
  return bar >= 0 && bar < run_->BarCount() ? bar : -1;
}

int DistributionView::CoinsAt(QPointF position) const {
  // The marker of c coins stands at -c - lowestValue - 0.5 on the bars' scale.
  const double coins = -chart()->mapToValue(position).x() - 0.5 - run_->lowestValue;
  return std::clamp(int(std::lround(coins)), 0, run_->MostCoins());
}

bool DistributionView::OnMarker(QPointF position) const {
  if (!run_ || !chart()->plotArea().contains(position))
    return false;
  const double marker = -actions_.coins() - run_->lowestValue - 0.5;
  return std::abs(position.x() - chart()->mapToPosition({marker, 0}).x()) <= kGrabDistance;
}

void DistributionView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !run_)
    return QChartView::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  if (OnMarker(event->position())) {
    dragging_ = true;
  } else if (const int bar = BarAt(event->position()); bar >= 0) {
    Choose(bar);
    actions_.showMeeting(bar);
  }
  event->accept();
}

void DistributionView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_)
    actions_.moveCoins(CoinsAt(event->position()));
  else
    setCursor(OnMarker(event->position()) ? Qt::SizeHorCursor : Qt::ArrowCursor);
  QChartView::mouseMoveEvent(event);
}

void DistributionView::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QChartView::mouseReleaseEvent(event);
}

bool DistributionView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const int bar = BarAt(help->pos()); bar >= 0)
      QToolTip::showText(help->globalPos(), ToQString(BarToolTip(*run_, bar)), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QChartView::viewportEvent(event);
}

}  // namespace ombrix
