// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
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

enum class ShapeKind { Line, Path, Rect, Circle, Text };
enum class Anchor { Start, Middle, End };

// One shape of a drawing, one record for every kind, made by the functions below; each kind
// reads the fields its maker sets. A text's point is the middle of its height, at its start,
// middle or end, and an upright text is turned a quarter left about it.
struct Shape {
  ShapeKind kind;
  const char* role;
  Point at{};                   // a line's start, a circle's centre, a text's point
  Point to{};                   // a line's end
  std::vector<Point> points{};  // a path's, joined by straight lines, not closed
  Box box{};                    // a rectangle's
  double radius = 0;            // a circle's, or a rectangle's corners'
  Colour fill = ChartPalette::kBlack;
  Stroke stroke{ChartPalette::kBlack, 0};  // a width of 0 draws no edge
  std::string text{};
  double pixels = 0;
  bool bold = false;
  Anchor anchor = Anchor::Middle;
  bool upright = false;
};

inline Shape Line(const char* role, Point from, Point to, Stroke stroke) {
  return {.kind = ShapeKind::Line, .role = role, .at = from, .to = to, .stroke = stroke};
}
inline Shape Path(const char* role, std::vector<Point> points, Stroke stroke) {
  return {.kind = ShapeKind::Path, .role = role, .points = std::move(points), .stroke = stroke};
}
inline Shape Rect(const char* role, Box box, Colour fill, Stroke edge, double corner = 0) {
  return {.kind = ShapeKind::Rect,
          .role = role,
          .box = box,
          .radius = corner,
          .fill = fill,
          .stroke = edge};
}
inline Shape Circle(const char* role, Point centre, double radius, Colour fill,
                    Stroke edge = {ChartPalette::kBlack, 0}) {
  return {.kind = ShapeKind::Circle,
          .role = role,
          .at = centre,
          .radius = radius,
          .fill = fill,
          .stroke = edge};
}
inline Shape Text(const char* role, std::string text, Point at, double pixels, bool bold = false,
                  Colour colour = ChartPalette::kBlack, Anchor anchor = Anchor::Middle,
                  bool upright = false) {
  return {.kind = ShapeKind::Text,
          .role = role,
          .at = at,
          .fill = colour,
          .text = std::move(text),
          .pixels = pixels,
          .bold = bold,
          .anchor = anchor,
          .upright = upright};
}

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
// behind `choices`), the coins marker, then `front`, then `focus` while the bars have the
// focus.
struct ChartScene {
  Size size{};
  std::vector<Shape> back{};
  std::vector<Shape> bars{};
  std::vector<BarChoice> choices{};
  std::vector<Shape> marker{};
  std::optional<MarkerShape> coinsMarker{};
  std::vector<Shape> front{};
  std::vector<Shape> focus{};
};

// How wide a text is drawn at `pixels`, in the window face: each edition measures its own.
using TextWidth = std::function<double(std::string_view text, double pixels, bool bold)>;

}  // namespace ombrix
