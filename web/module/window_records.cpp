// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_records.h"

#include <string>
#include <vector>

#include "dialog_layouts.h"
#include "help_text.h"
#include "help_window_layout.h"
#include "main_window_layout.h"

namespace ombrix {

using emscripten::val;

namespace {

// Kinds, backgrounds and borders by the names the page's style sheet uses.
const char* Name(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
      return "button";
    case ControlKind::Label:
      return "label";
    case ControlKind::Line:
      return "line";
    case ControlKind::PictureBox:
      return "picture";
    case ControlKind::MediaControl:
      return "media";
    case ControlKind::TextBox:
      return "text";
  }
  return "";
}

const char* Name(Background background) {
  switch (background) {
    case Background::ButtonFace:
      return "button-face";
    case Background::White:
      return "white";
    case Background::LightCyan:
      return "light-cyan";
  }
  return "";
}

const char* Name(Border border) {
  switch (border) {
    case Border::Sunken:
      return "sunken";
    case Border::Flat:
      return "flat";
    case Border::None:
      return "none";
  }
  return "";
}

// A rectangle in CSS pixels, which are the desktop's pixels at 96 dots per inch.
val Rect(const PixelRect& pixels) {
  val rect = val::object();
  rect.set("left", pixels.left);
  rect.set("top", pixels.top);
  rect.set("width", pixels.width);
  rect.set("height", pixels.height);
  return rect;
}

val Strings(const std::vector<std::string>& strings) {
  val array = val::array();
  for (const std::string& string : strings)
    array.call<void>("push", string);
  return array;
}

val Window(const WindowSpec& window, const std::vector<ControlSpec>& controls) {
  val layout = val::object();
  layout.set("name", window.name);
  layout.set("caption", window.caption);
  layout.set("rect", Rect(window.rect.Pixels()));
  layout.set("points", window.points);
  layout.set("bold", window.bold);
  layout.set("tabOrder", Strings(window.tabOrder));
  val records = val::array();
  for (const ControlSpec& control : controls) {
    val record = val::object();
    record.set("kind", Name(control.kind));
    record.set("name", control.name);
    record.set("caption", control.caption);
    record.set("rect", Rect(control.Pixels()));
    record.set("points", control.points);
    record.set("bold", control.bold);
    record.set("background", Name(control.background));
    record.set("border", Name(control.border));
    record.set("topLeft", control.alignment == Alignment::TopLeft);
    record.set("number", control.number);
    record.set("toolTip", control.toolTip);
    record.set("spoken", control.describe ? control.describe(control.caption) : "");
    records.call<void>("push", record);
  }
  layout.set("controls", records);
  return layout;
}

val Roles(std::initializer_list<std::pair<const char*, std::string_view>> roles) {
  val named = val::object();
  for (const auto& [role, name] : roles)
    named.set(role, std::string(name));
  return named;
}

}  // namespace

val MainWindowRecord() {
  using Layout = MainWindowLayout;
  val window = Window(Layout::Window(), Layout::Controls());
  window.set("cues", Roles({{"command", Layout::kCommandCue}, {"exit", Layout::kExitCue}}));
  window.set("tableArea", Rect(Layout::TableArea().Pixels()));
  val rows = val::array();
  for (const Layout::TableRow& row : Layout::TableRows()) {
    val record = val::object();
    record.set("headers", row.headers);
    record.set("names", Strings(row.names));
    rows.call<void>("push", record);
  }
  val table = val::object();
  table.set("name", Tr(Layout::kTableName));
  table.set("rows", rows);
  window.set("table", table);
  val menu = val::array();
  for (const auto& command : Layout::kMenuCommands) {
    val item = val::object();
    item.set("name", std::string(command.name));
    item.set("caption", command.Caption());
    item.set("shortcut", command.Shortcut());
    item.set("waitsForRun", command.waitsForRun);
    item.set("language",
             command.inNextLanguage ? std::string(NextCatalogue().language) : std::string());
    menu.call<void>("push", item);
  }
  window.set("menu", menu);
  window.set("menuName", Tr(Layout::kMenuName));
  return window;
}

val HelpWindowRecord() {
  using Layout = HelpWindowLayout;
  val window = Window(Layout::Window(), Layout::Controls());
  window.set("roles", Roles({{"text", Layout::kText}}));
  val lines = val::array();
  for (const std::string& line : HelpLines())
    lines.call<void>("push", line);
  window.set("lines", lines);
  return window;
}

std::string MainWindowSpoken(const std::string& name, const std::string& text) {
  static const std::vector<ControlSpec> controls = MainWindowLayout::Controls();
  for (const ControlSpec& control : controls) {
    if (control.name == name)
      return control.describe ? control.describe(text) : "";
  }
  return "";
}

val InputBoxRecord() {
  using Layout = InputBoxLayout;
  val window = Window(Layout::Window(), Layout::Controls());
  window.set("roles", Roles({{"prompt", Layout::kPrompt},
                             {"answer", Layout::kAnswer},
                             {"ok", Layout::kOk},
                             {"cancel", Layout::kCancel}}));
  return window;
}

val MessageBoxRecord() {
  using Layout = MessageBoxLayout;
  val window = Window(Layout::Window(), Layout::Controls());
  window.set("roles", Roles({{"prompt", Layout::kPrompt}, {"ok", Layout::kOk}}));
  return window;
}

}  // namespace ombrix
