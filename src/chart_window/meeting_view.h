// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "meeting_walk.h"

class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

namespace ombrix {

// One meeting of a run: the coin balance after each guest as a step line beside the zero
// line, its lowest point marked, and its caption as the title. Replay draws it guest by guest
// in about four seconds, on a timer that redraws at most once a frame; the Replay button
// pauses and resumes it (Space, with the focus on it), and the right arrow steps one guest.
class MeetingView final : public QWidget {
 public:
  explicit MeetingView(std::function<void()> back);

  void Show(const MeetingWalk& walk, int experimentCount);
  // Stops a replay where it is, leaving the whole walk drawn.
  void StopReplay();
  bool IsReplaying() const { return timer_.isActive(); }
  // Sets every text's size, `scale` times its size at the window's standard size.
  void ScaleTexts(double scale);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnReplayClicked();
  void Pause();
  void StepOneGuest();
  void OnTick();
  // Draws guests 1 to `guests` and says where the balance stands after them.
  void ShowGuests(int guests);
  void Announce();
  void PlaceLowestLabel();

  QChart* chart_;
  QLineSeries* walkLine_;
  QLineSeries* zeroLine_;
  QScatterSeries* lowestPoint_;
  QGraphicsSimpleTextItem* lowestLabel_;
  QValueAxis* guestAxis_;
  QValueAxis* balanceAxis_;
  QChartView* view_;
  QLabel* status_;
  QPushButton* replay_;
  QPushButton* back_;

  MeetingWalk walk_{};
  int shown_ = 0;  // guests drawn
  QTimer timer_;
  QElapsedTimer sinceResumed_;
  qint64 playedBeforePause_ = 0;  // milliseconds
  bool paused_ = false;
};

}  // namespace ombrix
