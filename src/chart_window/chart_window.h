// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "chart_model.h"

class QHBoxLayout;
class QPushButton;
class QSlider;

namespace ombrix {

class ChartDrawing;

// The chart of the last run beside the main window, drawn from the chart's model: the
// distribution with its coins marker, one meeting's walk with its replay, or the coins against
// the guests with their sweep. The drawing stands for the bars or the points, the slider under
// it for the coins marker, and the buttons under a meeting or the points for their commands;
// each forwards its keys and pointer to the model, and the window draws what the model then
// shows. It belongs to the main window, not to the program's windows: closing it ends nothing,
// and it goes when the main window goes.
class ChartWindow final : public QWidget {
 public:
  // `programCommand` takes the commands the chart hands to the program: the sweep's and the
  // points'.
  explicit ChartWindow(std::function<void(Command)> programCommand);
  ~ChartWindow() override;

  bool IsOpen() const { return model_.IsOpen(); }
  // Opens the chart at a run, or leaves an open one as it stands.
  void Open(const ShortageChart& run, RunMeetings meetings);
  // A new run, which an open chart shows.
  void ShowRun(const ShortageChart& run, RunMeetings meetings);
  // After Init: a title saying that no run is shown.
  void ShowNoRun();
  // The coins against the guests, and their points as they change.
  void ShowCoverage(const CoveragePoints& points, std::optional<int> sweepRun);
  void ShowPoints(const CoveragePoints& points, std::optional<int> sweepRun);
  // Before the exit message: a replay pauses.
  void StopReplay();
  // Its words shown afresh in the current language, its state as it was.
  void Relabel();

  // The parts of the window that events come from.
  void Forward(KeyPart part, QKeyEvent& event);
  void Carry(const ChartOutcome& outcome);
  const ChartModel& Model() const { return model_; }
  ChartModel& Model() { return model_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows what the model shows: the drawing, the words, and the controls of its view.
  void Show();
  void AlignCoinsSlider();
  void ShowChosenToolTip();
  void HandOn(Command command);
  double Now() const { return double(clock_.elapsed()); }

  ChartModel model_;
  ChartDrawing* drawing_;
  QSlider* coins_;
  QHBoxLayout* coinsRow_;
  QWidget* commands_;
  QPushButton* replay_;
  QPushButton* step_;
  QPushButton* back_;
  QWidget* coverage_;
  QPushButton* sweep_;
  QPushButton* clear_;
  QPushButton* coverageBack_;
  std::function<void(Command)> programCommand_;
  QTimer frames_;
  QElapsedTimer clock_;
};

}  // namespace ombrix
