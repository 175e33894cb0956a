// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_records.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "chart_texts.h"
#include "coverage_texts.h"
#include "meeting_texts.h"

namespace ombrix {

using emscripten::val;

namespace {

constexpr std::string_view kPartNames[] = {"Table",  "Chart", "Bars", "Marker",
                                           "Replay", "Step",  "Sweep"};
// The commands the chart hands to the program.
constexpr std::pair<Command, std::string_view> kProgramCommands[] = {
    {Command::Sweep, "Sweep"},
    {Command::StopSweep, "StopSweep"},
    {Command::ClearPoints, "ClearPoints"}};

val StrokeRecord(val shape, const Stroke& stroke) {
  shape.set("stroke", CssColour(stroke.colour));
  shape.set("strokeWidth", stroke.width);
  shape.set("dash", stroke.Dashed()
                        ? std::to_string(stroke.dash[0]) + " " + std::to_string(stroke.dash[1])
                        : std::string());
  return shape;
}

val BoxRecord(const Box& box) {
  val record = val::object();
  record.set("x", box.left);
  record.set("y", box.top);
  record.set("width", box.width);
  record.set("height", box.height);
  return record;
}

// A shape with the fields its kind reads, named as the page's drawing reads them.
val ShapeRecord(const Shape& shape) {
  constexpr const char* kKinds[] = {"line", "path", "rect", "circle", "text"};
  val record = val::object();
  record.set("kind", std::string(kKinds[int(shape.kind)]));
  record.set("role", std::string(shape.role));
  switch (shape.kind) {
    case ShapeKind::Line:
      record.set("x1", shape.at.x);
      record.set("y1", shape.at.y);
      record.set("x2", shape.to.x);
      record.set("y2", shape.to.y);
      return StrokeRecord(record, shape.stroke);
    case ShapeKind::Path: {
      std::string points;
      for (const Point& point : shape.points)
        points += std::to_string(point.x) + "," + std::to_string(point.y) + " ";
      record.set("points", points);
      return StrokeRecord(record, shape.stroke);
    }
    case ShapeKind::Rect:
      record.set("box", BoxRecord(shape.box));
      record.set("fill", CssColour(shape.fill));
      record.set("radius", shape.radius);
      return StrokeRecord(record, shape.stroke);
    case ShapeKind::Circle:
      record.set("cx", shape.at.x);
      record.set("cy", shape.at.y);
      record.set("r", shape.radius);
      record.set("fill", CssColour(shape.fill));
      return StrokeRecord(record, shape.stroke);
    case ShapeKind::Text:
      constexpr const char* kAnchors[] = {"start", "middle", "end"};
      record.set("text", shape.text);
      record.set("x", shape.at.x);
      record.set("y", shape.at.y);
      record.set("pixels", shape.pixels);
      record.set("bold", shape.bold);
      record.set("fill", CssColour(shape.fill));
      record.set("anchor", std::string(kAnchors[int(shape.anchor)]));
      record.set("upright", shape.upright);
      return record;
  }
  return record;
}

val Shapes(const std::vector<Shape>& shapes) {
  val records = val::array();
  for (const Shape& shape : shapes)
    records.call<void>("push", ShapeRecord(shape));
  return records;
}

val SceneRecord(const ChartScene& scene) {
  val record = val::object();
  record.set("width", scene.size.width);
  record.set("height", scene.size.height);
  record.set("back", Shapes(scene.back));
  record.set("bars", Shapes(scene.bars));
  val choices = val::array();
  for (const BarChoice& choice : scene.choices) {
    val bar = val::object();
    bar.set("bar", choice.bar);
    bar.set("value", choice.value);
    bar.set("band", BoxRecord(choice.band));
    bar.set("toolTip", choice.toolTip);
    choices.call<void>("push", bar);
  }
  record.set("choices", choices);
  record.set("marker", Shapes(scene.marker));
  record.set("front", Shapes(scene.front));
  record.set("focus", Shapes(scene.focus));
  return record;
}

}  // namespace

std::string CssColour(const Colour& colour) {
  const std::string channels = std::to_string(colour.red) + "," + std::to_string(colour.green) +
                               "," + std::to_string(colour.blue);
  if (colour.alpha >= 1)
    return "rgb(" + channels + ")";
  return "rgba(" + channels + "," + std::to_string(colour.alpha) + ")";
}

Command ProgramCommandNamed(const std::string& name) {
  for (const auto& [command, named] : kProgramCommands)
    if (named == name)
      return command;
  return Command::None;
}

KeyPart KeyPartNamed(const std::string& name) {
  for (std::size_t part = 0; part < std::size(kPartNames); ++part)
    if (kPartNames[part] == name)
      return KeyPart(part);
  return KeyPart::Chart;
}

val ChartWindowRecord() {
  const WindowSpec window = ChartWindowSpec();
  val record = val::object();
  record.set("name", window.name);
  record.set("caption", window.caption);
  const auto sizeRecord = [](double width, double height) {
    val size = val::object();
    size.set("width", width);
    size.set("height", height);
    return size;
  };
  record.set("size", sizeRecord(window.rect.Pixels().width, window.rect.Pixels().height));
  record.set("smallest", sizeRecord(kSmallestChartSize.width, kSmallestChartSize.height));
  record.set("coinsMarker", Tr(ChartTexts::kCoinsMarker));
  record.set("back", Tr(MeetingTexts::kBack));
  record.set("step", Tr(MeetingTexts::kStep));
  record.set("stepKeys", ShortcutLabel(KeyPart::Replay, Command::StepGuest));
  record.set("backKeys", ShortcutLabel(KeyPart::Chart, {Command::Back, Command::Leave}));
  record.set("clear", Tr(CoverageTexts::kClear));
  record.set("close", Tr(ChartTexts::kClose));
  record.set("closeTip",
             Tr("Close ({keys})", {{"keys", ShortcutLabel(KeyPart::Chart, Command::Leave)}}));
  record.set("lightCyan", CssColour(ChartPalette::kLightCyan));
  record.set("buttonPixels", ChartPalette::kLabelPixels);
  return record;
}

val ChartView(const ChartModel& chart) {
  constexpr const char* kStates[] = {"closed",    "no-run", "distribution", "meeting",
                                     "replaying", "paused", "coverage"};
  val view = val::object();
  view.set("state", std::string(kStates[int(chart.State())]));
  view.set("scene", SceneRecord(chart.Scene()));
  view.set("name", chart.Name());
  view.set("description", chart.Description());
  view.set("markerValue", chart.MarkerValue());
  view.set("leastMarkerValue", chart.LeastMarkerValue());
  view.set("coinsText", chart.CoinsText());
  view.set("coinsDescription", chart.CoinsDescription());
  view.set("chosenBar", chart.ChosenBar());
  view.set("chosenToolTip", chart.ChosenBarToolTip());
  view.set("inMeeting", chart.InMeeting());
  view.set("replayCaption", chart.ReplayCaption());
  view.set("clockRunning", chart.ClockRunning());
  view.set("itemsName", chart.ItemsName());
  view.set("sweepCaption", chart.SweepCaption());
  view.set("canGoBack", chart.CanGoBack());
  return view;
}

val OutcomeRecord(const ChartOutcome& outcome) {
  val record = val::object();
  record.set("close", outcome.close);
  record.set("copyPicture", outcome.copyPicture);
  record.set("focus",
             outcome.focus ? val(std::string(kPartNames[int(*outcome.focus)])) : val::null());
  record.set("say", outcome.say);
  record.set("showToolTip", outcome.showToolTip);
  record.set("copyText", outcome.copyText);
  record.set("command", val::null());
  for (const auto& [command, name] : kProgramCommands)
    if (command == outcome.command)
      record.set("command", std::string(name));
  return record;
}

}  // namespace ombrix
