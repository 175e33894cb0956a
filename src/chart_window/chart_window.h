// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace ombrix {

struct ChartTexts;
struct ShortageChart;

// The chart of the last run beside the main window: a bar for each shortage (lowest coin
// balance) with the experiments observed there, the experiments theory expects as points
// joined by a line, and a marker at the coins that cover 95 % of experiments by this run and
// by theory. Its texts grow and shrink with the window. Ctrl+C copies it as a picture, Esc
// closes it. It belongs to the main window, not to the program's windows: closing it ends
// nothing, and it goes when the main window goes.
class ChartWindow final : public QWidget {
 public:
  ChartWindow();

  void ShowRun(const ShortageChart& run);
  // After Init: no bars, axes or legend, only a title saying that no run is shown.
  void ShowNoRun();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Sets every text's size, `scale` times its size at the window's standard size.
  void ScaleTexts(double scale);
  // Labels the shortage axis under the run's bars.
  void LabelValues(const ShortageChart& run);
  // The axes and the legend, shown with a run only.
  void ShowFrame(bool shown);
  // The title, and what a screen reader says of the window and of the chart in it.
  void ShowTexts(const ChartTexts& texts);
  void CopyPicture();

  QChart* chart_;
  QBarSet* observed_;
  QBarSeries* bars_;
  QLineSeries* expected_;
  QLineSeries* coinsByRun_;
  QLineSeries* coinsByTheory_;
  QCategoryAxis* values_;
  QValueAxis* counts_;
  QChartView* view_;
};

}  // namespace ombrix
