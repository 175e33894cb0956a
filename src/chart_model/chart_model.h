// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart_geometry.h"
#include "chart_keys.h"
#include "coverage_geometry.h"
#include "coverage_points.h"
#include "meeting_walk.h"
#include "replay_clock.h"
#include "shortage_chart.h"

namespace ombrix {

// Where the chart finds the meetings of the run it shows: the next one after `experiment`
// (0: from the first) whose lowest balance is `value`, wrapping round, and a meeting drawn
// again.
struct RunMeetings {
  std::function<std::optional<int>(int value, int experiment)> next;
  std::function<MeetingWalk(int experiment)> replay;
};

// Coverage: the coins against the guests, with or without a run.
enum class ChartState { Closed, NoRun, Distribution, Meeting, Replaying, Paused, Coverage };

// What a pointer event comes from: a click chooses and opens a bar at once, a finger's tap
// chooses it and shows its tooltip first, as a finger has no other way to see one.
enum class Pointer { Mouse, Touch };

// What an event asks of an edition beyond drawing the chart anew, which it always does.
struct ChartOutcome {
  bool close = false;        // the window goes
  bool copyPicture = false;  // what it shows goes on the clipboard as a picture
  std::optional<KeyPart> focus{};
  std::string say{};                // told to a screen reader now
  bool showToolTip = false;         // the chosen bar's or point's, beside it
  std::string copyText{};           // goes on the clipboard as text
  Command command = Command::None;  // for the program's commands: the sweep's and the points'

  friend bool operator==(const ChartOutcome&, const ChartOutcome&) = default;
};

// The chart window's life: the run it shows, its coins marker and chosen bar, a meeting shown
// in place of the distribution with its replay, and the meeting last shown of each value.
// Both editions forward their events here and draw what Scene() gives. Times are
// milliseconds of any clock that only goes forward.
class ChartModel {
 public:
  // `width` measures the texts, which the drawing wraps and places by.
  explicit ChartModel(TextWidth width) : width_(std::move(width)) {}

  ChartState State() const { return state_; }
  bool IsOpen() const { return state_ != ChartState::Closed; }
  bool InMeeting() const;

  // Opens the chart at `run`, its coins marker at theory's 95 %; an open one stays as the
  // student left it.
  ChartOutcome Open(const ShortageChart& run, RunMeetings meetings);
  // A new run: an open chart shows it from its start, or keeps to the coins against the guests.
  ChartOutcome Run(const ShortageChart& run, RunMeetings meetings);
  ChartOutcome Init();
  // Opens the chart at the coins against the guests, or turns an open one to them; an edition
  // opens it at the table's run first, if any, for Back to lead to.
  ChartOutcome ShowCoverage(const CoveragePoints& points, std::optional<int> sweepRun);
  // The points, and the sweep's run under way (0 on; none when no sweep runs), have changed.
  ChartOutcome ShowPoints(const CoveragePoints& points, std::optional<int> sweepRun);
  // The coins against the guests' buttons: the sweep's, which stops one that runs, and Clear.
  ChartOutcome SweepClicked() const;
  ChartOutcome ClearClicked() const { return {.command = Command::ClearPoints}; }
  // The chart goes with the main window.
  ChartOutcome Help() { return Close(); }
  // Before the exit message: a replay pauses where it is.
  ChartOutcome Exit();
  ChartOutcome Close();
  ChartOutcome Back();
  ChartOutcome Key(KeyPart part, ombrix::Key key, double now);
  // The bars took the focus: with none chosen, the highest.
  ChartOutcome FocusBars();
  // A press on the grip takes hold of the coins marker; one on its line takes hold once it
  // moves, else it is the bar's when it lets go; one on a bar is the bar's at once.
  ChartOutcome PointerDown(Point at, Pointer pointer);
  ChartOutcome PointerMove(Point at);
  // How far a press on the marker's line moves, in pixels, before it drags the marker.
  static constexpr double kDragDistance = 4;
  // The pointer let go, or the drag was cancelled.
  ChartOutcome PointerUp();
  // A slider of the edition's own was set to `value`: the marker's slider is -coins, from
  // -MostCoins() to 0, so that its keys and its handle go the way the marker goes.
  ChartOutcome SetMarkerValue(int value);
  ChartOutcome ReplayClicked(double now);
  ChartOutcome StepClicked(double now) { return Carry(Command::StepGuest, now); }
  ChartOutcome Resize(Size size);
  ChartOutcome Tick(double now);

  // The tooltip at a point of the drawing: a bar's or a point's; empty elsewhere.
  std::string ToolTipAt(Point at) const;
  // Whether a press at a point takes hold of the coins marker, for the pointer's shape.
  bool GrabsMarker(Point at) const;
  bool Dragging() const { return dragging_; }
  bool ClockRunning() const { return state_ == ChartState::Replaying; }

  ChartScene Scene() const;
  Size DrawingSize() const { return size_; }
  // Where the distribution's parts stand now; only while it is shown.
  DistributionGeometry Distribution() const { return {*run_, size_, width_, hinting_}; }
  int Coins() const { return coins_; }
  int MostCoins() const { return run_ ? run_->MostCoins() : 0; }
  int MarkerValue() const { return -coins_; }
  int LeastMarkerValue() const { return -MostCoins(); }
  // The chosen bar, or the chosen point of the coins against the guests; -1 for none.
  int ChosenBar() const { return state_ == ChartState::Coverage ? chosenPoint_ : chosen_; }
  // What a screen reader calls the bars, or the points.
  std::string ItemsName() const;
  // The sweep's button: Run 10 to 1000 guests, or Stop while a sweep runs.
  std::string SweepCaption() const;
  bool Sweeping() const { return sweepRun_.has_value(); }
  // Whether the coins against the guests lead back to a run's distribution.
  bool CanGoBack() const { return state_ == ChartState::Coverage && run_; }
  int GuestsShown() const { return shown_; }
  const std::optional<ShortageChart>& ShownRun() const { return run_; }
  // What a screen reader calls what the chart shows, and says of it.
  std::string Name() const;
  std::string Description() const;
  std::string CoinsDescription() const;
  std::string CoinsText() const;
  std::string ChosenBarToolTip() const;
  // The items a student can choose in the drawing: the bars, or the points.
  std::vector<BarChoice> Choices() const;
  // The caption of the replay's one button: Replay, Pause or Resume.
  std::string ReplayCaption() const;
  std::string Status() const;

 private:
  ChartOutcome ShowRun(const ShortageChart& run, RunMeetings meetings);
  ChartOutcome Carry(Command command, double now);
  ChartOutcome ShowMeeting(int bar);
  ChartOutcome BarPressed(int bar, Pointer pointer);
  int HighestBar() const;
  // A bar the student chose, which the hint has taught.
  void Choose(int bar);
  void MoveCoins(int coins);
  void Pause(double now);
  ChartOutcome Step(double now);
  // Stops the replay for good, the whole walk drawn.
  void StopReplay();
  ChartOutcome CarryOnPoints(Command command);
  // Where the coins against the guests' parts stand now; only while they are shown.
  CoverageGeometry Coverage() const;
  std::string PointToolTipOf(int point) const;

  TextWidth width_;
  ChartState state_ = ChartState::Closed;
  Size size_ = kStandardChartSize;
  std::optional<ShortageChart> run_;
  RunMeetings meetings_;
  std::vector<int> lastMeetingOf_;  // by bar; 0 for none yet
  int coins_ = 0;
  int chosen_ = -1;
  bool hinting_ = true;  // until a bar is chosen after the chart opens
  bool dragging_ = false;
  // A press on the marker's line, until it moves far enough to drag or lets go.
  std::optional<std::pair<Point, Pointer>> pressedOnLine_;
  double grabbedAt_ = 0;  // how far right of the marker's line the pointer took hold
  MeetingWalk walk_{};
  int shown_ = 0;                  // guests drawn
  double playedBeforeResume_ = 0;  // of the replay, milliseconds
  double resumedAt_ = 0;
  double tickedAt_ = 0;
  double saidAt_ = 0;
  CoveragePoints points_;
  std::optional<int> sweepRun_;
  int chosenPoint_ = -1;
  bool pointPressed_ = false;  // until the pointer lets go
};

}  // namespace ombrix
