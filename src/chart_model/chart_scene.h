// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chart_palette.h"

namespace ombrix {

// What the chart draws, in pixels from the top-left corner of its drawing. Each edition maps
// these records to its own drawing calls, in order; `role` names what a shape shows, as the
// page's class names and the tests do.
struct Point {
  double x = 0;
  double y = 0;
};

struct Box {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
  bool Contains(Point point) const {
    return point.x >= left && point.x < Right() && point.y >= top && point.y < Bottom();
  }
};

struct Size {
  double width = 0;
  double height = 0;
};

struct LineShape {
  const char* role;
  Point from;
  Point to;
  Stroke stroke;
};

// Joined straight lines through the points, not closed.
struct PathShape {
  const char* role;
  std::vector<Point> points;
  Stroke stroke;
};

struct RectShape {
  const char* role;
  Box box;
  Colour fill;
  Stroke edge;  // a width of 0 draws none
  double cornerRadius = 0;
};

struct CircleShape {
  const char* role;
  Point centre;
  double radius;
  Colour fill;
};

enum class Anchor { Start, Middle, End };

// A line of text whose `at` is the middle of its height, at its start, middle or end, turned
// a quarter left when `upright`.
struct TextShape {
  const char* role;
  std::string text;
  Point at;
  double pixels;
  bool bold = false;
  Colour colour = ChartPalette::kBlack;
  Anchor anchor = Anchor::Middle;
  bool upright = false;
};

using Shape = std::variant<LineShape, PathShape, RectShape, CircleShape, TextShape>;

// A bar a student can choose: its whole band takes a pointer, and its tooltip says what it
// holds.
struct BarChoice {
  int bar = 0;
  int value = 0;
  Box band;
  std::string toolTip;
};

// The marker a student moves: its line, and the grip at its top that a pointer takes hold of.
struct MarkerShape {
  double x = 0;
  double top = 0;
  double bottom = 0;
  Box grip;
};

// Everything one view of the chart draws, back to front: `back`, then `bars` (one shape each,
// behind `choices`), the coins marker, then `front`.
struct ChartScene {
  Size size{};
  std::vector<Shape> back{};
  std::vector<Shape> bars{};
  std::vector<BarChoice> choices{};
  std::vector<Shape> marker{};
  std::optional<MarkerShape> coinsMarker{};
  std::vector<Shape> front{};
};

// How wide a text is drawn at `pixels`, in the window face: each edition measures its own.
using TextWidth = std::function<double(std::string_view text, double pixels, bool bold)>;

}  // namespace ombrix
