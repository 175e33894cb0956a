// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_window.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QShortcut>
#include <QSlider>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "chart_texts.h"
#include "distribution_view.h"
#include "fonts.h"
#include "meeting_view.h"
#include "qt_conversions.h"
#include "shortage_chart.h"

namespace ombrix {
namespace {

QLineSeries* Line(QChart& chart, const QColor& color, Qt::PenStyle style, int width) {
  auto* line = new QLineSeries(&chart);
  chart.addSeries(line);
  line->setPen(QPen(color, width, style));
  return line;
}

// The coins marker's slider. More coins stand further left, so Left adds a coin, as Up and
// Page Up do, and the handle goes the way of the key; Home and End go to none and to all.
class CoinsSlider final : public QSlider {
 public:
  CoinsSlider() : QSlider(Qt::Horizontal) { setInvertedAppearance(true); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        triggerAction(SliderSingleStepAdd);
        break;
      case Qt::Key_Right:
      case Qt::Key_Down:
        triggerAction(SliderSingleStepSub);
        break;
      default:
        return QSlider::keyPressEvent(event);
    }
    event->accept();
  }
};

}  // namespace

ChartWindow::ChartWindow()
    : chart_(new QChart),
      observed_(new QBarSet(QLatin1String(ChartTexts::kObserved))),
      bars_(new QBarSeries(chart_)),
      values_(new QCategoryAxis(chart_)),
      counts_(new QValueAxis(chart_)) {
  const WindowSpec window = ChartWindowSpec();
  setObjectName(ToQString(window.name));
  // A dialog-type window: X11 window managers keep one above the window it is transient for
  // only then. It keeps a normal window's title bar and buttons.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowTitle(ToQString(window.caption));
  resize(ToQRect(window.rect.Pixels()).size());

  chart_->setBackgroundRoundness(0);
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  bars_->append(observed_);
  bars_->setBarWidth(0.8);
  chart_->addSeries(bars_);
  observed_->setColor(QColor(128, 255, 255));  // the light cyan of the main window's title
  observed_->setBorderColor(QColor(0, 128, 128));
  expected_ = Line(*chart_, Qt::black, Qt::SolidLine, 2);
  expected_->setName(QLatin1String(ChartTexts::kExpected));
  expected_->setPointsVisible(true);
  // The student's marker, wide and under the other two: where it meets them, it edges them.
  coins_ = Line(*chart_, QColor(64, 192, 64), Qt::SolidLine, 12);
  // Where the two agree, the theory's dashed line runs along the middle of the run's wider
  // one, and both stay in sight.
  coinsByRun_ = Line(*chart_, QColor(0, 0, 192), Qt::SolidLine, 6);
  coinsByTheory_ = Line(*chart_, QColor(192, 0, 0), Qt::DashLine, 2);

  const auto setUp = [this](QValueAxis& axis, const char* title, Qt::Alignment side) {
    axis.setTitleText(ToQString(title));
    chart_->addAxis(&axis, side);
    for (QAbstractSeries* series : chart_->series())
      series->attachAxis(&axis);
  };
  values_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  setUp(*values_, ChartTexts::kValueAxis, Qt::AlignBottom);
  counts_->setLabelFormat(QStringLiteral("%d"));
  setUp(*counts_, ChartTexts::kCountAxis, Qt::AlignLeft);

  chart_->legend()->markers(coins_).front()->setVisible(false);  // the text under it says it

  view_ = new DistributionView(chart_, *observed_,
                               {.showMeeting = [this](int bar) { ShowMeeting(bar); },
                                .moveCoins = [this](int coins) { MoveCoins(coins); },
                                .coins = [this] { return coinsSlider_->value(); }});
  view_->setObjectName(QStringLiteral("Distribution"));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setFrameShape(QFrame::NoFrame);
  coinsSlider_ = new CoinsSlider;
  coinsSlider_->setObjectName(QStringLiteral("CoinsToPrepare"));
  coinsSlider_->setAccessibleName(QLatin1String(ChartTexts::kCoinsMarker));
  coinsSlider_->setPageStep(5);
  coinsText_ = new QLabel;
  coinsText_->setObjectName(QStringLiteral("CoinsToPrepareText"));
  coinsText_->setAlignment(Qt::AlignCenter);
  QObject::connect(coinsSlider_, &QSlider::valueChanged, this,
                   [this](int coins) { MoveCoins(coins); });
  QObject::connect(chart_, &QChart::plotAreaChanged, this, [this] { AlignCoinsSlider(); });

  auto* distribution = new QWidget;
  auto* layout = new QVBoxLayout(distribution);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  coinsRow_ = new QHBoxLayout;
  coinsRow_->addWidget(coinsSlider_);
  layout->addLayout(coinsRow_);
  layout->addWidget(coinsText_);
  meeting_ = new MeetingView([this] { ShowDistribution(); });
  meeting_->setObjectName(QStringLiteral("Meeting"));
  // White around the chart, as in it.
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  pages_ = new QStackedLayout(this);
  pages_->addWidget(distribution);
  pages_->addWidget(meeting_);
  ScaleTexts(1);

  auto* copy = new QShortcut(QKeySequence::Copy, this);
  QObject::connect(copy, &QShortcut::activated, this, [this] { CopyPicture(); });
  // In a meeting, Esc goes back to the distribution; there, it closes the window.
  auto* escape = new QShortcut(Qt::Key_Escape, this);
  QObject::connect(escape, &QShortcut::activated, this, [this] {
    if (pages_->currentWidget() == meeting_)
      ShowDistribution();
    else
      close();
  });
  auto* backspace = new QShortcut(Qt::Key_Backspace, this);
  QObject::connect(backspace, &QShortcut::activated, this, [this] { ShowDistribution(); });
}

void ChartWindow::ShowRun(const ShortageChart& run, RunMeetings meetings) {
  run_ = run;
  meetings_ = std::move(meetings);
  lastMeetingOf_.clear();
  ShowDistribution();
  const int bars = run.BarCount();
  QList<qreal> observed(run.observed.begin(), run.observed.end());
  QList<QPointF> expected;
  expected.reserve(bars);
  for (int bar = 0; bar < bars; ++bar)
    expected.append({double(bar), run.expected[bar]});
  observed_->remove(0, observed_->count());
  observed_->append(observed);
  expected_->replace(expected);

  counts_->setRange(0, run.counts.top);
  counts_->setTickCount(run.counts.top / run.counts.step + 1);
  LabelValues(run);
  ShowFrame(true);

  // Each marker stands at the left edge of the bar of -coins: the bars right of it are the
  // experiments those coins see through.
  const ChartTexts texts = TextsOf(run);
  const auto mark = [&](QLineSeries& marker, const std::string& legend, int coins) {
    const double x = -coins - run.lowestValue - 0.5;
    marker.replace({{x, 0}, {x, double(run.counts.top)}});
    marker.setName(ToQString(legend));
  };
  mark(*coinsByRun_, texts.coinsByRun, run.coinsByRun);
  mark(*coinsByTheory_, texts.coinsByTheory, run.coinsByTheory);
  ShowTexts(texts);
  view_->ShowRun(*run_);  // once its bars are in: refilling them drops the chosen one
  view_->setAccessibleDescription(ToQString(texts.description));

  const QSignalBlocker quiet(coinsSlider_);
  coinsSlider_->setRange(0, run.MostCoins());
  coinsSlider_->setValue(run.coinsByTheory);
  MoveCoins(run.coinsByTheory);
  coinsSlider_->show();
  coinsText_->show();
  AlignCoinsSlider();
}

void ChartWindow::MoveCoins(int coins) {
  coinsSlider_->setValue(coins);
  const double x = -coins - run_->lowestValue - 0.5;
  coins_->replace({{x, 0}, {x, double(run_->counts.top)}});
  coinsText_->setText(ToQString(CoinsMarkerText(*run_, coins)));
  coinsSlider_->setAccessibleDescription(ToQString(CoinsMarkerDescription(*run_, coins)));
}

void ChartWindow::AlignCoinsSlider() {
  if (!run_)
    return;
  const auto xOf = [&](int coins) {
    return chart_->mapToPosition({-coins - run_->lowestValue - 0.5, 0}, coins_).x();
  };
  const int handle =
      coinsSlider_->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, coinsSlider_);
  const int left = int(std::lround(xOf(run_->MostCoins()))) - handle / 2;
  const int right = int(chart_->size().width() - std::lround(xOf(0))) - (handle - handle / 2);
  coinsRow_->setContentsMargins(std::max(0, left), 0, std::max(0, right), 0);
}

void ChartWindow::ShowMeeting(int bar) {
  const int value = run_->lowestValue + bar;
  const auto shown = lastMeetingOf_.find(value);
  const std::optional<int> next =
      meetings_.next(value, shown == lastMeetingOf_.end() ? 0 : shown->second);
  if (!next)
    return;  // no meeting ended at this value
  lastMeetingOf_[value] = *next;
  meeting_->Show(meetings_.replay(*next), run_->experimentCount);
  pages_->setCurrentWidget(meeting_);
  meeting_->setFocus();
}

void ChartWindow::ShowDistribution() {
  meeting_->StopReplay();
  const bool hadFocus = meeting_->isAncestorOf(QApplication::focusWidget());
  pages_->setCurrentIndex(0);
  if (hadFocus)
    view_->setFocus();
}

void ChartWindow::StopReplay() {
  meeting_->StopReplay();
}

void ChartWindow::hideEvent(QHideEvent* event) {
  meeting_->StopReplay();
  QWidget::hideEvent(event);
}

void ChartWindow::ShowNoRun() {
  view_->ShowNoRun();  // before the run it points to goes
  run_.reset();
  ShowDistribution();
  coinsSlider_->hide();
  coinsText_->hide();
  observed_->remove(0, observed_->count());
  for (QLineSeries* line : {expected_, coinsByRun_, coinsByTheory_, coins_})
    line->clear();
  ShowFrame(false);
  ShowTexts(NoRunTexts());
}

void ChartWindow::LabelValues(const ShortageChart& run) {
  for (const QString& label : values_->categoriesLabels())
    values_->remove(label);
  const int step = run.ValueLabelStep();
  for (int value = run.lowestValue - run.lowestValue % step; value <= 1; value += step)
    values_->append(QString::number(value), value - run.lowestValue);
  values_->setRange(-0.5, run.BarCount() - 0.5);
}

void ChartWindow::ShowFrame(bool shown) {
  values_->setVisible(shown);
  counts_->setVisible(shown);
  chart_->legend()->setVisible(shown);
}

void ChartWindow::ShowTexts(const ChartTexts& texts) {
  chart_->setTitle(ToQString(texts.title));
  setAccessibleName(ToQString(texts.name));
  setAccessibleDescription(ToQString(texts.description));
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
  const QSize standard = ToQRect(ChartWindowSpec().rect.Pixels()).size();
  ScaleTexts(std::min(double(width()) / standard.width(), double(height()) / standard.height()));
  QWidget::resizeEvent(event);
  AlignCoinsSlider();
}

void ChartWindow::ScaleTexts(double scale) {
  chart_->setTitleFont(WindowFont(11.25 * scale, true));
  chart_->legend()->setFont(WindowFont(9 * scale, false));
  for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{values_, counts_}) {
    axis->setTitleFont(WindowFont(9.75 * scale, true));
    axis->setLabelsFont(WindowFont(9 * scale, false));
  }
  coinsText_->setFont(WindowFont(9 * std::max(scale, 1.0), true));
  meeting_->ScaleTexts(scale);
}

void ChartWindow::CopyPicture() {
  QGuiApplication::clipboard()->setImage(grab().toImage());
}

}  // namespace ombrix
