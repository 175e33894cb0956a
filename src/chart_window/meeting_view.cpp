// SPDX-License-Identifier: GPL-3.0-or-later
#include "meeting_view.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <initializer_list>

#include "fonts.h"
#include "meeting_texts.h"
#include "qt_conversions.h"
#include "shortage_chart.h"

namespace ombrix {
namespace {

constexpr qint64 kReplayMilliseconds = 4000;
constexpr int kFrameMilliseconds = 16;  // at most one redraw a frame, at 60 frames a second

void SetUpAxis(QValueAxis& axis, const char* title) {
  axis.setTitleText(QLatin1String(title));
  axis.setLabelFormat(QStringLiteral("%d"));
  axis.setTickType(QValueAxis::TicksDynamic);
  axis.setTickAnchor(0);
}

}  // namespace

MeetingView::MeetingView(std::function<void()> back)
    : chart_(new QChart),
      walkLine_(new QLineSeries(chart_)),
      zeroLine_(new QLineSeries(chart_)),
      lowestPoint_(new QScatterSeries(chart_)),
      guestAxis_(new QValueAxis(chart_)),
      balanceAxis_(new QValueAxis(chart_)),
      view_(new QChartView(chart_, this)),
      status_(new QLabel(this)),
      replay_(new QPushButton(QLatin1String(MeetingTexts::kReplay), this)),
      back_(new QPushButton(QLatin1String(MeetingTexts::kBack), this)) {
  chart_->setBackgroundRoundness(0);
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  chart_->legend()->hide();
  zeroLine_->setPen(QPen(Qt::gray, 1, Qt::DashLine));
  walkLine_->setPen(QPen(QColor(0, 96, 160), 2));
  lowestPoint_->setColor(QColor(192, 0, 0));
  lowestPoint_->setBorderColor(QColor(192, 0, 0));
  lowestPoint_->setMarkerSize(10);
  for (QAbstractSeries* series :
       std::initializer_list<QAbstractSeries*>{zeroLine_, walkLine_, lowestPoint_})
    chart_->addSeries(series);
  SetUpAxis(*guestAxis_, MeetingTexts::kGuestAxis);
  SetUpAxis(*balanceAxis_, MeetingTexts::kBalanceAxis);
  chart_->addAxis(guestAxis_, Qt::AlignBottom);
  chart_->addAxis(balanceAxis_, Qt::AlignLeft);
  for (QAbstractSeries* series : chart_->series()) {
    series->attachAxis(guestAxis_);
    series->attachAxis(balanceAxis_);
  }
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setFrameShape(QFrame::NoFrame);
  view_->setFocusPolicy(Qt::NoFocus);
  lowestLabel_ = new QGraphicsSimpleTextItem(chart_);
  lowestLabel_->setBrush(QColor(192, 0, 0));
  QObject::connect(chart_, &QChart::plotAreaChanged, this, [this] { PlaceLowestLabel(); });

  view_->setObjectName(QStringLiteral("Walk"));
  status_->setObjectName(QStringLiteral("ReplayStatus"));
  replay_->setObjectName(QStringLiteral("Replay"));
  back_->setObjectName(QStringLiteral("Back"));
  back_->setToolTip(QStringLiteral("Backspace or Esc"));
  replay_->installEventFilter(this);
  setFocusProxy(replay_);
  auto* commands = new QHBoxLayout;
  commands->addWidget(status_, 1);
  commands->addWidget(replay_);
  commands->addWidget(back_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 6, 6);
  layout->addWidget(view_, 1);
  layout->addLayout(commands);
  status_->setContentsMargins(6, 0, 0, 0);
  status_->setWordWrap(true);  // in two lines rather than widen the smallest window

  timer_.setInterval(kFrameMilliseconds);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { OnTick(); });
  QObject::connect(replay_, &QPushButton::clicked, this, [this] { OnReplayClicked(); });
  QObject::connect(back_, &QPushButton::clicked, this, [back = std::move(back)] { back(); });
  ScaleTexts(1);
}

void MeetingView::Show(const MeetingWalk& walk, int experimentCount) {
  StopReplay();
  walk_ = walk;
  const MeetingTexts texts = TextsOf(walk, experimentCount);
  chart_->setTitle(ToQString(texts.caption));
  view_->setAccessibleName(ToQString(texts.name));
  view_->setAccessibleDescription(ToQString(texts.description));
  lowestLabel_->setText(ToQString(texts.lowestLabel));

  const int guests = walk.guestCount;
  guestAxis_->setRange(1, guests);
  guestAxis_->setTickInterval(WholeStep(guests, 10));
  const auto balances = walk.Balances();
  // Room under the lowest point for its label: nothing of the walk is ever below it.
  const int top = std::max(0, int(std::ranges::max(balances)));
  const int bottom = std::min(0, walk.lowest);
  const int low = bottom - std::max(1, (top - bottom) / 8);
  const int high = top + 1;
  balanceAxis_->setRange(low, high);
  balanceAxis_->setTickInterval(WholeStep(high - low, 8));
  zeroLine_->replace({{1, 0}, {double(guests), 0}});
  ShowGuests(guests);
}

void MeetingView::ShowGuests(int guests) {
  shown_ = guests;
  // The balance holds from one guest to the next: a step line.
  QList<QPointF> steps;
  steps.reserve(2 * guests);
  const auto balances = walk_.Balances();
  for (int guest = 1; guest <= guests; ++guest) {
    if (guest > 1)
      steps.append({double(guest), double(balances[guest - 2])});
    steps.append({double(guest), double(balances[guest - 1])});
  }
  walkLine_->replace(steps);

  // The lowest point so far, labelled once the whole walk is drawn.
  const auto paid = balances.first(static_cast<std::size_t>(guests));
  lowestPoint_->clear();
  if (!paid.empty()) {
    const auto lowest = std::ranges::min_element(paid);
    lowestPoint_->append(double(lowest - paid.begin() + 1), double(*lowest));
  }
  lowestLabel_->setVisible(guests == walk_.guestCount);
  PlaceLowestLabel();
  status_->setText(ToQString(ReplayStatus(walk_, guests)));
}

void MeetingView::PlaceLowestLabel() {
  if (lowestPoint_->count() == 0)
    return;
  // Under the point, and inside the plot area however near its edge the point is.
  const QPointF point = chart_->mapToPosition(lowestPoint_->at(0), lowestPoint_);
  const QRectF plot = chart_->plotArea();
  const QRectF text = lowestLabel_->boundingRect();
  const double x = std::clamp(point.x() - text.width() / 2, plot.left() + 2,
                              std::max(plot.left() + 2, plot.right() - text.width() - 2));
  lowestLabel_->setPos(x, point.y() + 6);
}

void MeetingView::OnReplayClicked() {
  if (IsReplaying()) {
    Pause();
  } else {
    if (!paused_) {  // from the first guest
      playedBeforePause_ = 0;
      ShowGuests(0);
    }
    paused_ = false;
    sinceResumed_.start();
    timer_.start();
    replay_->setText(QLatin1String(MeetingTexts::kPause));
  }
}

void MeetingView::Pause() {
  playedBeforePause_ += sinceResumed_.elapsed();
  timer_.stop();
  paused_ = true;
  replay_->setText(QLatin1String(MeetingTexts::kResume));
  Announce();
}

void MeetingView::StopReplay() {
  timer_.stop();
  paused_ = false;
  replay_->setText(QLatin1String(MeetingTexts::kReplay));
  if (shown_ != walk_.guestCount)
    ShowGuests(walk_.guestCount);
}

void MeetingView::StepOneGuest() {
  if (IsReplaying())
    Pause();
  if (!paused_) {  // a step from the whole walk starts again at the first guest
    paused_ = true;
    replay_->setText(QLatin1String(MeetingTexts::kResume));
    ShowGuests(0);
  }
  ShowGuests(std::min(shown_ + 1, walk_.guestCount));
  playedBeforePause_ = shown_ * kReplayMilliseconds / walk_.guestCount;
  if (shown_ == walk_.guestCount)
    StopReplay();
  Announce();
}

void MeetingView::OnTick() {
  const qint64 played = playedBeforePause_ + sinceResumed_.elapsed();
  const int guests =
      int(std::min<qint64>(walk_.guestCount, played * walk_.guestCount / kReplayMilliseconds));
  if (guests != shown_)
    ShowGuests(guests);
  if (guests == walk_.guestCount) {
    StopReplay();
    Announce();
  }
}

void MeetingView::Announce() {
  // Said when the replay stops, pauses or steps, not at every frame.
  replay_->setAccessibleDescription(status_->text());
}

bool MeetingView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == replay_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Right) {
    StepOneGuest();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MeetingView::ScaleTexts(double scale) {
  chart_->setTitleFont(WindowFont(11.25 * scale, true));
  lowestLabel_->setFont(WindowFont(9 * scale, true));
  PlaceLowestLabel();
  for (QValueAxis* axis : {guestAxis_, balanceAxis_}) {
    axis->setTitleFont(WindowFont(9.75 * scale, true));
    axis->setLabelsFont(WindowFont(9 * scale, false));
  }
  for (QWidget* text : std::initializer_list<QWidget*>{status_, replay_, back_})
    text->setFont(WindowFont(9 * std::max(scale, 1.0), false));
}

}  // namespace ombrix
