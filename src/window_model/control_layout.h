// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// Window layouts are tables of these records, in twips from the top-left corner of the
// client area. Each front end turns them into its own widgets.
inline constexpr int kTwipsPerPixel = 15;

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr bool Contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
};

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr PixelRect Pixels() const {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
  }
};

enum class ControlKind { PushButton, Label, Line, PictureBox, MediaControl, TextBox };

enum class Background { ButtonFace, White, LightCyan };

// Labels have a sunken 3-D border, a flat one that draws in window text, or none.
enum class Border { Sunken, Flat, None };

// Where a label's text stands.
enum class Alignment { Centre, TopLeft };

struct ControlSpec {
  ControlKind kind = ControlKind::Label;
  std::string name{};  // the object name, which screen readers and tests see
  std::string caption{};
  TwipRect rect{};
  double points = 9;
  bool bold = false;
  Background background = Background::ButtonFace;
  Border border = Border::Sunken;
  Alignment alignment = Alignment::Centre;
  // For text boxes: it asks for a number, so an on-screen keyboard offers numbers first. It
  // still takes any text. (The desktop asks through Qt's own input dialog.)
  bool number = false;
  // Shown when the pointer rests on it, until a command sets another; empty for none.
  std::string toolTip{};
  // For labels: what a screen reader says, made from the current text; empty to say the text.
  using Describe = std::function<std::string(std::string_view text)>;
  Describe describe{};

  // The pixels it covers. A line of no height in twips is one pixel high, both end points
  // drawn.
  PixelRect Pixels() const {
    PixelRect pixels = rect.Pixels();
    if (kind == ControlKind::Line) {
      pixels.width += 1;
      pixels.height = 1;
    }
    return pixels;
  }
};

// A top-level window: fixed client area at a place on the screen, button-face background.
struct WindowSpec {
  std::string name{};
  std::string caption{};
  TwipRect rect{};  // the client area, from the top-left corner of the screen
  double points = 9;
  bool bold = false;
  // The controls that take the focus, by object name, in the order Tab goes; the first one
  // has it when the window is loaded.
  std::vector<std::string> tabOrder{};
};

}  // namespace ombrix
