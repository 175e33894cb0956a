// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_model.h"

#include <algorithm>
#include <cmath>

#include "chart_texts.h"
#include "coverage_texts.h"
#include "meeting_texts.h"

namespace ombrix {

bool ChartModel::InMeeting() const {
  return state_ == ChartState::Meeting || state_ == ChartState::Replaying ||
         state_ == ChartState::Paused;
}

ChartOutcome ChartModel::Open(const ShortageChart& run, RunMeetings meetings) {
  if (state_ == ChartState::Closed)
    hinting_ = true;
  if (state_ == ChartState::Closed || state_ == ChartState::NoRun ||
      (state_ == ChartState::Coverage && !run_))
    ShowRun(run, std::move(meetings));
  else if (state_ == ChartState::Coverage)
    state_ = ChartState::Distribution;
  return {.focus = InMeeting() ? KeyPart::Replay : KeyPart::Bars};
}

ChartOutcome ChartModel::Run(const ShortageChart& run, RunMeetings meetings) {
  if (!IsOpen())
    return {};
  if (state_ != ChartState::Coverage)
    return ShowRun(run, std::move(meetings));
  ShowRun(run, std::move(meetings));
  state_ = ChartState::Coverage;  // the run's point is what the student watches there
  return {};
}

ChartOutcome ChartModel::ShowRun(const ShortageChart& run, RunMeetings meetings) {
  const bool meetingHadFocus = InMeeting();
  run_ = run;
  meetings_ = std::move(meetings);
  lastMeetingOf_.assign(run.observed.size(), 0);
  coins_ = run.coinsByTheory;
  chosen_ = -1;
  dragging_ = false;
  pressedOnLine_.reset();
  state_ = ChartState::Distribution;
  return {.focus = meetingHadFocus ? std::optional(KeyPart::Bars) : std::nullopt};
}

ChartOutcome ChartModel::Init() {
  if (!IsOpen())
    return {};
  run_.reset();
  meetings_ = {};
  dragging_ = false;
  if (state_ != ChartState::Coverage)  // its points outlive the run
    state_ = ChartState::NoRun;
  return {};
}

ChartOutcome ChartModel::ShowCoverage(const CoveragePoints& points, std::optional<int> sweepRun) {
  if (state_ == ChartState::Replaying)
    Pause(tickedAt_);
  dragging_ = false;
  pressedOnLine_.reset();
  state_ = ChartState::Coverage;
  ShowPoints(points, sweepRun);
  return {.focus = points.All().empty() ? KeyPart::Sweep : KeyPart::Bars};
}

ChartOutcome ChartModel::ShowPoints(const CoveragePoints& points, std::optional<int> sweepRun) {
  const bool finished = sweepRun_ && !sweepRun;
  points_ = points;
  sweepRun_ = sweepRun;
  if (chosenPoint_ >= int(points_.All().size()))
    chosenPoint_ = int(points_.All().size()) - 1;
  if (state_ != ChartState::Coverage)
    return {};
  // A sweep's progress is told as it goes; its end with what the points now say.
  if (sweepRun)
    return {.say = SweepStatus(sweepRun)};
  return {.say = finished ? DoublingSentence(CoverageCurve::Theory(), points_) : std::string()};
}

ChartOutcome ChartModel::SweepClicked() const {
  return {.command = sweepRun_ ? Command::StopSweep : Command::Sweep};
}

ChartOutcome ChartModel::Exit() {
  if (state_ == ChartState::Replaying)
    Pause(tickedAt_);  // where its last frame stands
  return {};
}

ChartOutcome ChartModel::Close() {
  const bool wasOpen = IsOpen();
  state_ = ChartState::Closed;
  run_.reset();
  meetings_ = {};
  dragging_ = false;
  // A sweep runs for the view it shows in: it stops as the window goes.
  return {.close = wasOpen, .command = sweepRun_ ? Command::StopSweep : Command::None};
}

ChartOutcome ChartModel::Back() {
  if (!InMeeting() && !(state_ == ChartState::Coverage && run_))
    return {};
  state_ = ChartState::Distribution;
  return {.focus = KeyPart::Bars};
}

ChartOutcome ChartModel::Key(KeyPart part, ombrix::Key key, double now) {
  return Carry(CommandOf(part, key), now);
}

ChartOutcome ChartModel::Carry(Command command, double now) {
  if (state_ == ChartState::Coverage)
    return CarryOnPoints(command);
  switch (command) {
    case Command::CopyPicture:
      return {.copyPicture = IsOpen()};
    case Command::Leave:
      return InMeeting() ? Back() : Close();
    case Command::Back:
      return Back();
    case Command::StepGuest:
      return InMeeting() ? Step(now) : ChartOutcome{};
    case Command::ShowMeeting:
      if (state_ != ChartState::Distribution)
        return {};
      Choose(chosen_ < 0 ? HighestBar() : chosen_);
      return ShowMeeting(chosen_);
    default:
      break;
  }
  if (state_ != ChartState::Distribution)
    return {};
  // The bars' first key starts from the highest bar: the one most meetings ended at.
  const int chosen = chosen_ < 0 ? HighestBar() : chosen_, last = run_->BarCount() - 1;
  const std::pair<Command, int> bars[] = {{Command::BarBefore, chosen - 1},
                                          {Command::BarAfter, chosen + 1},
                                          {Command::FirstBar, 0},
                                          {Command::LastBar, last}};
  const std::pair<Command, int> coins[] = {{Command::CoinAdded, coins_ + 1},
                                           {Command::CoinTaken, coins_ - 1},
                                           {Command::FiveCoinsAdded, coins_ + 5},
                                           {Command::FiveCoinsTaken, coins_ - 5},
                                           {Command::NoCoins, 0},
                                           {Command::AllCoins, MostCoins()}};
  for (const auto& [given, bar] : bars)
    if (given == command)
      Choose(bar);
  for (const auto& [given, prepared] : coins)
    if (given == command)
      MoveCoins(prepared);
  return {};
}

// The points take the bars' keys, and Ctrl+C copies them as text.
ChartOutcome ChartModel::CarryOnPoints(Command command) {
  const int last = int(points_.All().size()) - 1;
  const int chosen = chosenPoint_;
  switch (command) {
    case Command::CopyPicture:
      return {.copyText = PointsTabSeparated(CoverageCurve::Theory(), points_)};
    case Command::Leave:
      return run_ ? Back() : Close();
    case Command::Back:
      return Back();
    case Command::BarBefore:
      chosenPoint_ = std::max(0, chosen - 1);
      break;
    case Command::BarAfter:
      chosenPoint_ = std::min(last, chosen + 1);
      break;
    case Command::FirstBar:
      chosenPoint_ = 0;
      break;
    case Command::LastBar:
      chosenPoint_ = last;
      break;
    case Command::ShowMeeting:
      break;
    default:
      return {};
  }
  if (last < 0)
    chosenPoint_ = -1;
  return {.showToolTip = chosenPoint_ >= 0};
}

int ChartModel::HighestBar() const {
  return int(std::max_element(run_->observed.begin(), run_->observed.end()) -
             run_->observed.begin());
}

void ChartModel::Choose(int bar) {
  chosen_ = std::clamp(bar, 0, run_->BarCount() - 1);
  hinting_ = false;
}

void ChartModel::MoveCoins(int coins) {
  coins_ = std::clamp(coins, 0, MostCoins());
}

ChartOutcome ChartModel::FocusBars() {
  if (state_ == ChartState::Coverage && chosenPoint_ < 0 && !points_.All().empty())
    chosenPoint_ = 0;
  if (state_ == ChartState::Distribution && chosen_ < 0)
    chosen_ = HighestBar();  // a start for the keys, which the student has not chosen yet
  return {};
}

ChartOutcome ChartModel::ShowMeeting(int bar) {
  const std::optional<int> next =
      meetings_.next ? meetings_.next(run_->lowestValue + bar, lastMeetingOf_[bar]) : std::nullopt;
  if (!next)
    return {};  // no meeting ended at this value
  lastMeetingOf_[bar] = *next;
  walk_ = meetings_.replay(*next);
  StopReplay();
  // Said as the focus comes to Replay, which names no meeting.
  return {.focus = KeyPart::Replay, .say = TextsOf(walk_, run_->experimentCount).caption};
}

ChartOutcome ChartModel::PointerDown(Point at, Pointer pointer) {
  if (state_ == ChartState::Coverage) {
    // A press on a point chooses it, and its release shows what it holds, as a finger has no
    // hover; a tooltip shown at the press would go with the release.
    const int point = Coverage().PointAt(at);
    pointPressed_ = point >= 0;
    if (point < 0)
      return {};
    chosenPoint_ = point;
    return {.focus = KeyPart::Bars};
  }
  if (state_ != ChartState::Distribution)
    return {};
  const DistributionGeometry geometry = Distribution();
  if (geometry.OnGrip(at, coins_)) {
    dragging_ = true;
    grabbedAt_ = at.x - geometry.CoinsX(coins_);
    return {.focus = KeyPart::Marker};
  }
  if (geometry.OnLine(at, coins_)) {
    pressedOnLine_ = {at, pointer};
    return {};
  }
  return BarPressed(geometry.BarAt(at), pointer);
}

ChartOutcome ChartModel::BarPressed(int bar, Pointer pointer) {
  if (bar < 0)
    return {};
  // A finger's first tap on a bar shows what it holds; the next one opens it.
  if (pointer == Pointer::Touch && bar != chosen_) {
    Choose(bar);
    return {.focus = KeyPart::Bars, .showToolTip = true};
  }
  Choose(bar);
  ChartOutcome shown = ShowMeeting(bar);
  if (!shown.focus)
    shown.focus = KeyPart::Bars;
  return shown;
}

ChartOutcome ChartModel::PointerMove(Point at) {
  if (state_ != ChartState::Distribution)
    return {};
  const DistributionGeometry geometry = Distribution();
  ChartOutcome outcome;
  if (pressedOnLine_ && std::abs(at.x - pressedOnLine_->first.x) >= kDragDistance) {
    dragging_ = true;
    grabbedAt_ = pressedOnLine_->first.x - geometry.CoinsX(coins_);
    pressedOnLine_.reset();
    outcome.focus = KeyPart::Marker;
  }
  if (dragging_)
    MoveCoins(geometry.CoinsAt(at.x - grabbedAt_));
  return outcome;
}

ChartOutcome ChartModel::PointerUp() {
  if (std::exchange(pointPressed_, false) && state_ == ChartState::Coverage)
    return {.showToolTip = true};
  dragging_ = false;
  const auto pressed = std::exchange(pressedOnLine_, std::nullopt);
  if (!pressed || state_ != ChartState::Distribution)
    return {};
  return BarPressed(Distribution().BarAt(pressed->first), pressed->second);
}

ChartOutcome ChartModel::SetMarkerValue(int value) {
  if (state_ == ChartState::Distribution)
    MoveCoins(-value);
  return {};
}

std::string ChartModel::ToolTipAt(Point at) const {
  if (state_ == ChartState::Coverage)
    return PointToolTipOf(Coverage().PointAt(at));
  if (state_ != ChartState::Distribution)
    return {};
  const int bar = Distribution().BarAt(at);
  return bar < 0 ? std::string() : BarToolTip(*run_, bar);
}

bool ChartModel::GrabsMarker(Point at) const {
  if (state_ != ChartState::Distribution)
    return false;
  const DistributionGeometry geometry = Distribution();
  return geometry.OnGrip(at, coins_) || geometry.OnLine(at, coins_);
}

ChartOutcome ChartModel::ReplayClicked(double now) {
  if (!InMeeting())
    return {};
  if (state_ == ChartState::Replaying) {
    Pause(now);
    return {.say = Status()};
  }
  if (state_ == ChartState::Meeting) {  // from the first guest
    playedBeforeResume_ = 0;
    shown_ = 0;
  }
  state_ = ChartState::Replaying;
  resumedAt_ = tickedAt_ = saidAt_ = now;
  return {.say = Status()};
}

void ChartModel::Pause(double now) {
  playedBeforeResume_ += now - resumedAt_;
  state_ = ChartState::Paused;
}

ChartOutcome ChartModel::Step(double now) {
  if (state_ == ChartState::Replaying)
    Pause(now);
  if (state_ == ChartState::Meeting) {  // a step from the whole walk starts again
    state_ = ChartState::Paused;
    shown_ = 0;
  }
  shown_ = std::min(shown_ + 1, walk_.guestCount);
  playedBeforeResume_ = ReplayClock{walk_.guestCount}.PlayedAt(shown_);
  const std::string said = Status();
  if (shown_ == walk_.guestCount)
    StopReplay();
  return {.say = said};
}

void ChartModel::StopReplay() {
  state_ = ChartState::Meeting;
  shown_ = walk_.guestCount;
  playedBeforeResume_ = 0;
}

ChartOutcome ChartModel::Resize(Size size) {
  size_ = size;
  return {};
}

ChartOutcome ChartModel::Tick(double now) {
  if (state_ != ChartState::Replaying)
    return {};
  tickedAt_ = now;
  shown_ = ReplayClock{walk_.guestCount}.GuestsAfter(playedBeforeResume_ + now - resumedAt_);
  if (shown_ == walk_.guestCount) {
    const std::string said = Status();
    StopReplay();
    return {.say = said};
  }
  if (now - saidAt_ < ReplayClock::kSayEveryMilliseconds)
    return {};
  saidAt_ = now;
  return {.say = Status()};
}

ChartScene ChartModel::Scene() const {
  switch (state_) {
    case ChartState::Closed:
      return {.size = size_};
    case ChartState::NoRun:
      return NoRunScene(size_, width_);
    case ChartState::Distribution:
      return DistributionScene(*run_, {.coins = coins_, .chosen = chosen_, .hint = hinting_}, size_,
                               width_);
    case ChartState::Coverage:
      return CoverageScene(CoverageCurve::Theory(), points_, sweepRun_, chosenPoint_, size_,
                           width_);
    default:
      return MeetingScene(walk_, run_->experimentCount, shown_, size_, width_);
  }
}

std::string ChartModel::Name() const {
  if (state_ == ChartState::Coverage)
    return CoverageName();
  if (InMeeting())
    return TextsOf(walk_, run_->experimentCount).name;
  return (run_ ? TextsOf(*run_) : NoRunTexts()).name;
}

std::string ChartModel::Description() const {
  if (state_ == ChartState::Coverage)
    return CoverageDescription(CoverageCurve::Theory(), points_);
  if (InMeeting())
    return TextsOf(walk_, run_->experimentCount).description;
  return (run_ ? TextsOf(*run_) : NoRunTexts()).description;
}

std::string ChartModel::CoinsDescription() const {
  return run_ && state_ != ChartState::Coverage ? CoinsMarkerDescription(*run_, coins_)
                                                : std::string();
}

std::string ChartModel::CoinsText() const {
  return run_ ? CoinsMarkerText(*run_, coins_) : std::string();
}

std::string ChartModel::ChosenBarToolTip() const {
  if (state_ == ChartState::Coverage)
    return PointToolTipOf(chosenPoint_);
  return run_ && chosen_ >= 0 ? BarToolTip(*run_, chosen_) : std::string();
}

std::string ChartModel::ReplayCaption() const {
  switch (state_) {
    case ChartState::Replaying:
      return Tr(MeetingTexts::kPause);
    case ChartState::Paused:
      return Tr(MeetingTexts::kResume);
    default:
      return Tr(MeetingTexts::kReplay);
  }
}

CoverageGeometry ChartModel::Coverage() const {
  return {CoverageCurve::Theory(), points_, size_, width_};
}

std::string ChartModel::PointToolTipOf(int point) const {
  return point < 0 ? std::string()
                   : PointToolTip(CoverageCurve::Theory(), points_.All().at(std::size_t(point)));
}

// Without the rest of the scene: a screen reader asks for them item by item.
std::vector<BarChoice> ChartModel::Choices() const {
  if (state_ == ChartState::Coverage)
    return CoverageChoices(CoverageCurve::Theory(), points_, Coverage());
  if (state_ == ChartState::Distribution)
    return DistributionChoices(*run_, Distribution());
  return {};
}

std::string ChartModel::ItemsName() const {
  return Tr(state_ == ChartState::Coverage ? CoverageTexts::kPoints : ChartTexts::kBars);
}

std::string ChartModel::SweepCaption() const {
  return Tr(sweepRun_ ? CoverageTexts::kStop : CoverageTexts::kSweep);
}

std::string ChartModel::Status() const {
  return ReplayStatus(walk_, shown_);
}

}  // namespace ombrix
