// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window's side of the module: the page's events handed to the session's chart
// model, each answered with what it asks of the page, and the model's view as records.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "chart_records.h"
#include "session.h"

namespace ombrix {
namespace {

using emscripten::val;

// The chart's events, each with what it asks of the page. Without a run, Show chart opens
// nothing.
val ChartOpen() {
  const ProgramCommands& commands = session().commands;
  if (!commands.Report())
    return val::null();
  return OutcomeRecord(session().chart.Open(commands.RunChart(), commands.Meetings()));
}

val ChartRun() {
  const ProgramCommands& commands = session().commands;
  if (!commands.Report() || !session().chart.IsOpen())
    return OutcomeRecord({});
  return OutcomeRecord(session().chart.Run(commands.RunChart(), commands.Meetings()));
}

// Opens the chart at the coins against the guests, at the table's run first, if any, for its
// Back to lead to.
val ChartCoverage() {
  const ProgramCommands& commands = session().commands;
  ChartModel& chart = session().chart;
  if (commands.Report() && !chart.IsOpen())
    chart.Open(commands.RunChart(), commands.Meetings());
  return OutcomeRecord(chart.ShowCoverage(commands.Points(), commands.SweepRun()));
}

val ChartPoints() {
  const ProgramCommands& commands = session().commands;
  return OutcomeRecord(session().chart.ShowPoints(commands.Points(), commands.SweepRun()));
}

val ChartSweep() {
  return OutcomeRecord(session().chart.SweepClicked());
}

val ChartClear() {
  return OutcomeRecord(session().chart.ClearClicked());
}

val ChartInit() {
  return OutcomeRecord(session().chart.Init());
}

val ChartExit() {
  return OutcomeRecord(session().chart.Exit());
}

val ChartClose() {
  return OutcomeRecord(session().chart.Close());
}

val ChartBack() {
  return OutcomeRecord(session().chart.Back());
}

// With `taken`: whether the key gives a command where it arrived. One that gives none stays
// the browser's, as Space on a button or Tab.
val ChartKey(const std::string& part, const std::string& key, bool control, double now) {
  const KeyPart at = KeyPartNamed(part);
  val outcome = OutcomeRecord(session().chart.Key(at, {key, control}, now));
  outcome.set("taken", CommandOf(at, {key, control}) != Command::None);
  return outcome;
}

val ChartFocusBars() {
  return OutcomeRecord(session().chart.FocusBars());
}

val ChartPointer(const std::string& kind, double x, double y, bool touch) {
  ChartModel& chart = session().chart;
  if (kind == "down")
    return OutcomeRecord(chart.PointerDown({x, y}, touch ? Pointer::Touch : Pointer::Mouse));
  if (kind == "move")
    return OutcomeRecord(chart.PointerMove({x, y}));
  return OutcomeRecord(chart.PointerUp());  // let go, or cancelled
}

bool ChartGrabs(double x, double y) {
  return session().chart.GrabsMarker({x, y});
}

val ChartReplay(double now) {
  return OutcomeRecord(session().chart.ReplayClicked(now));
}

val ChartStep(double now) {
  return OutcomeRecord(session().chart.StepClicked(now));
}

val ChartTick(double now) {
  return OutcomeRecord(session().chart.Tick(now));
}

void ChartResize(double width, double height) {
  session().chart.Resize({width, height});
}

// The window's record; the chart measures its texts by `measure` from then on.
val ChartWindow(val measure) {
  Session::pageMeasure = std::move(measure);
  return ChartWindowRecord();
}

val ChartNow() {
  return ChartView(session().chart);
}

}  // namespace
}  // namespace ombrix

EMSCRIPTEN_BINDINGS(ombrix_chart) {
  using namespace ombrix;
  emscripten::function("chartWindow", &ChartWindow);
  emscripten::function("chartOpen", &ChartOpen);
  emscripten::function("chartRun", &ChartRun);
  emscripten::function("chartInit", &ChartInit);
  emscripten::function("chartCoverage", &ChartCoverage);
  emscripten::function("chartPoints", &ChartPoints);
  emscripten::function("chartSweep", &ChartSweep);
  emscripten::function("chartClear", &ChartClear);
  emscripten::function("chartExit", &ChartExit);
  emscripten::function("chartClose", &ChartClose);
  emscripten::function("chartBack", &ChartBack);
  emscripten::function("chartKey", &ChartKey);
  emscripten::function("chartFocusBars", &ChartFocusBars);
  emscripten::function("chartPointer", &ChartPointer);
  emscripten::function("chartGrabs", &ChartGrabs);
  emscripten::function("chartReplay", &ChartReplay);
  emscripten::function("chartStep", &ChartStep);
  emscripten::function("chartTick", &ChartTick);
  emscripten::function("chartResize", &ChartResize);
  emscripten::function("chartNow", &ChartNow);
}
