// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_window.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLineSeries>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <initializer_list>

#include "chart_texts.h"
#include "fonts.h"
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

  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  ScaleTexts(1);

  auto* copy = new QShortcut(QKeySequence::Copy, this);
  QObject::connect(copy, &QShortcut::activated, this, [this] { CopyPicture(); });
  auto* escape = new QShortcut(Qt::Key_Escape, this);
  QObject::connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void ChartWindow::ShowRun(const ShortageChart& run) {
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
}

void ChartWindow::ShowNoRun() {
  observed_->remove(0, observed_->count());
  for (QLineSeries* line : {expected_, coinsByRun_, coinsByTheory_})
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
  for (QWidget* widget : std::initializer_list<QWidget*>{this, view_}) {
    widget->setAccessibleName(ToQString(texts.name));
    widget->setAccessibleDescription(ToQString(texts.description));
  }
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
  const QSize standard = ToQRect(ChartWindowSpec().rect.Pixels()).size();
  ScaleTexts(std::min(double(width()) / standard.width(), double(height()) / standard.height()));
  QWidget::resizeEvent(event);
}

void ChartWindow::ScaleTexts(double scale) {
  chart_->setTitleFont(WindowFont(11.25 * scale, true));
  chart_->legend()->setFont(WindowFont(9 * scale, false));
  for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{values_, counts_}) {
    axis->setTitleFont(WindowFont(9.75 * scale, true));
    axis->setLabelsFont(WindowFont(9 * scale, false));
  }
}

void ChartWindow::CopyPicture() {
  QGuiApplication::clipboard()->setImage(grab().toImage());
}

}  // namespace ombrix
