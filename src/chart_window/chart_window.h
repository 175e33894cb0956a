// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "meeting_walk.h"
#include "shortage_chart.h"

class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QHBoxLayout;
class QLabel;
class QLineSeries;
class QSlider;
class QStackedLayout;
class QValueAxis;

namespace ombrix {

struct ChartTexts;
class DistributionView;
class MeetingView;

// Where the chart window finds the meetings of the run it shows: the next one after
// `experiment` (0: from the first) whose lowest balance is `value`, wrapping round, and a
// meeting drawn again.
struct RunMeetings {
  std::function<std::optional<int>(int value, int experiment)> next;
  std::function<MeetingWalk(int experiment)> replay;
};

// The chart of the last run beside the main window: a bar for each shortage (lowest coin
// balance) with the experiments observed there, the experiments theory expects as points
// joined by a line, and a marker at the coins that cover 95 % of experiments by this run and
// by theory. A third marker, the student's, stands at the coins to prepare and says how often
// they run short; it moves by dragging or by the arrow keys of the slider under it. A bar,
// clicked or chosen from the keyboard, shows one of its meetings in place of the distribution,
// until Back, Backspace or Esc. Its texts grow and shrink with the window. Ctrl+C copies it
// as a picture, Esc closes it. It belongs to the main window, not to the program's windows:
// closing it ends nothing, and it goes when the main window goes.
class ChartWindow final : public QWidget {
 public:
  ChartWindow();

  // Shows the distribution of a run, its coins marker at theory's 95 % value.
  void ShowRun(const ShortageChart& run, RunMeetings meetings);
  // After Init: no bars, axes or legend, only a title saying that no run is shown.
  void ShowNoRun();
  // Stops a meeting's replay at once: before Init, Help or Exit.
  void StopReplay();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;

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
  void MoveCoins(int coins);
  // Keeps the slider's handle under the coins marker, whatever the plot area's size.
  void AlignCoinsSlider();
  void ShowMeeting(int bar);
  void ShowDistribution();

  QChart* chart_;
  QBarSet* observed_;
  QBarSeries* bars_;
  QLineSeries* expected_;
  QLineSeries* coinsByRun_;
  QLineSeries* coinsByTheory_;
  QCategoryAxis* values_;
  QValueAxis* counts_;
  QLineSeries* coins_;
  DistributionView* view_;
  QSlider* coinsSlider_;
  QHBoxLayout* coinsRow_;
  QLabel* coinsText_;
  MeetingView* meeting_;
  QStackedLayout* pages_;

  std::optional<ShortageChart> run_;
  RunMeetings meetings_;
  std::map<int, int> lastMeetingOf_;  // by value: the meeting shown last
};

}  // namespace ombrix
