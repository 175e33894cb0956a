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

#include "chart_texts.h"
#include "fonts.h"
#include "qt_conversions.h"
#include "shortage_chart.h"

namespace ombrix {
namespace {

// Every how many values the balance axis is labelled: about ten labels on any range.
int LabelStep(int barCount) {
  for (const int step : {1, 2, 5, 10, 20, 50})
    if (barCount <= 12 * step)
      return step;
  return 100;
}

QLineSeries* Line(QChart& chart, const QColor& color, Qt::PenStyle style) {
  auto* line = new QLineSeries(&chart);
  chart.addSeries(line);
  line->setPen(QPen(color, 2, style));
  return line;
}

}  // namespace

ChartWindow::ChartWindow()
    : chart_(new QChart),
      observed_(new QBarSet(QLatin1String(ChartTexts::kObserved))),
      bars_(new QBarSeries(chart_)),
      values_(new QCategoryAxis(chart_)),
      meetings_(new QValueAxis(chart_)) {
  const WindowSpec window = ChartWindowSpec();
  setObjectName(ToQString(window.name));
  setWindowTitle(ToQString(window.caption));
  resize(ToQRect(window.rect.Pixels()).size());

  chart_->setTitleFont(WindowFont(11.25, true));
  chart_->setBackgroundRoundness(0);
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->legend()->setFont(WindowFont(9, false));
  bars_->append(observed_);
  bars_->setBarWidth(0.8);
  chart_->addSeries(bars_);
  observed_->setColor(QColor(128, 255, 255));  // the light cyan of the main window's title
  observed_->setBorderColor(QColor(0, 128, 128));
  expected_ = Line(*chart_, Qt::black, Qt::SolidLine);
  expected_->setName(QLatin1String(ChartTexts::kExpected));
  expected_->setPointsVisible(true);
  coinsByRun_ = Line(*chart_, QColor(0, 0, 192), Qt::SolidLine);
  coinsByTheory_ = Line(*chart_, QColor(192, 0, 0), Qt::DashLine);

  const auto setUp = [this](QValueAxis& axis, const char* title, Qt::Alignment side) {
    axis.setTitleText(ToQString(title));
    axis.setTitleFont(WindowFont(9.75, true));
    axis.setLabelsFont(WindowFont(9, false));
    chart_->addAxis(&axis, side);
    for (QAbstractSeries* series : chart_->series())
      series->attachAxis(&axis);
  };
  values_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  setUp(*values_, ChartTexts::kValueAxis, Qt::AlignBottom);
  meetings_->setLabelFormat(QStringLiteral("%d"));
  setUp(*meetings_, ChartTexts::kCountAxis, Qt::AlignLeft);

  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);

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

  const double highest = std::max(*std::ranges::max_element(run.expected),
                                  double(*std::ranges::max_element(run.observed)));
  meetings_->setRange(0, std::max(highest * 1.05, 1.0));
  meetings_->applyNiceNumbers();
  LabelValues(run.lowestValue, bars);
  ShowFrame(true);

  // Each marker stands at the left edge of the bar of -coins: the bars right of it are the
  // meetings those coins see through.
  const ChartTexts texts = TextsOf(run);
  const auto mark = [&](QLineSeries& marker, const std::string& legend, int coins) {
    const double x = -coins - run.lowestValue - 0.5;
    marker.replace({{x, 0}, {x, meetings_->max()}});
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

void ChartWindow::LabelValues(int lowestValue, int barCount) {
  for (const QString& label : values_->categoriesLabels())
    values_->remove(label);
  const int step = LabelStep(barCount);
  for (int value = lowestValue - lowestValue % step; value <= 1; value += step)
    values_->append(QString::number(value), value - lowestValue);
  values_->setRange(-0.5, barCount - 0.5);
}

void ChartWindow::ShowFrame(bool shown) {
  values_->setVisible(shown);
  meetings_->setVisible(shown);
  chart_->legend()->setVisible(shown);
}

void ChartWindow::ShowTexts(const ChartTexts& texts) {
  chart_->setTitle(ToQString(texts.title));
  for (QWidget* widget : std::initializer_list<QWidget*>{this, view_}) {
    widget->setAccessibleName(ToQString(texts.name));
    widget->setAccessibleDescription(ToQString(texts.description));
  }
}

void ChartWindow::CopyPicture() {
  QGuiApplication::clipboard()->setImage(grab().toImage());
}

}  // namespace ombrix
