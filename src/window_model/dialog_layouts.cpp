// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_layouts.h"

#include <algorithm>

#include "translate.h"

#include <string>

namespace ombrix {
namespace {

constexpr double kDialogPoints = 9;

ControlSpec Prompt(std::string_view name, TwipRect rect) {
  return {.kind = ControlKind::Label,
          .name = std::string(name),
          .rect = rect,
          .points = kDialogPoints,
          .border = Border::None,
          .alignment = Alignment::TopLeft};
}

ControlSpec Button(std::string_view name, std::string caption, TwipRect rect) {
  return {.kind = ControlKind::PushButton,
          .name = std::string(name),
          .caption = std::move(caption),
          .rect = rect,
          .points = kDialogPoints};
}

}  // namespace

// The prompt at the top left, the buttons down the right, the answer across the bottom.
WindowSpec InputBoxLayout::Window() {
  return {.name = "InputBox", .rect = {0, 0, 6000, 2250}, .points = kDialogPoints};
}

std::vector<ControlSpec> InputBoxLayout::Controls() {
  // Rectangles are left, top, width, height in twips.
  return {
      Prompt(kPrompt, {180, 180, 4440, 1200}),
      Button(kOk, Tr("OK"), {4800, 180, 1020, 375}),
      Button(kCancel, Tr("Cancel"), {4800, 660, 1020, 375}),
      {.kind = ControlKind::TextBox,
       .name = std::string(kAnswer),
       .rect = {180, 1620, 5640, 375},
       .points = kDialogPoints,
       .background = Background::White,
       .number = true},
  };
}

// One line of text above a centred OK.
WindowSpec MessageBoxLayout::Window() {
  return {.name = "MsgBox", .rect = {0, 0, 4200, 1500}, .points = kDialogPoints};
}

std::vector<ControlSpec> MessageBoxLayout::Controls() {
  return {
      Prompt(kPrompt, {360, 300, 3480, 300}),
      Button(kOk, Tr("OK"), {1590, 840, 1020, 375}),
  };
}

std::string CaptionOf(const std::vector<ControlSpec>& controls, std::string_view name) {
  const auto found =
      std::find_if(controls.begin(), controls.end(),
                   [name](const ControlSpec& control) { return control.name == name; });
  return found == controls.end() ? std::string() : found->caption;
}

}  // namespace ombrix
