// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "chart_geometry.h"

namespace ombrix {

// What every view of the chart draws the same way: its heading, its plot inside margins, its
// axes' labels and names, its legend. Sizes are at the standard size, scaled with the drawing.

// The drawing's margins round the plot area: a heading above it, the axes' labels and names,
// and a legend, below and left.
struct Margins {
  double left, top, right, bottom;
};

// The heading's rows: the title's lines, and the status's under them.
inline constexpr double kTitleTop = 17, kTitleLine = 18, kStatusTop = 38, kStatusLine = 15;

// The plot inside the margins, the heading's extra lines above it and `below` more under it.
inline Box PlotIn(Size size, Margins margins, const Heading& heading, double below = 0) {
  const double scale = TextScale(size);
  const double left = margins.left * scale, top = margins.top * scale + heading.Extra(scale);
  return {left, top, std::max(1.0, size.width - left - margins.right * scale),
          std::max(1.0, size.height - top - margins.bottom * scale - below)};
}

// A line drawn `scale` times as wide, its dash too.
inline Stroke Scaled(Stroke stroke, double scale) {
  stroke.width *= scale;
  for (double& length : stroke.dash)
    length *= scale;
  return stroke;
}

// Room for a line of text across the drawing.
inline double RoomAcross(Size size) {
  return size.width - 16 * TextScale(size);
}

// Draws into a scene at its size's scale `s`.
struct Drawer {
  using P = ChartPalette;
  ChartScene& scene;
  const TextWidth& width;
  double s = TextScale(scene.size);

  // A line of the palette at this scale.
  Stroke Sized(Stroke stroke) const { return Scaled(stroke, s); }
  void Label(const char* role, std::string text, Point at, Anchor anchor = Anchor::Middle) {
    scene.back.push_back(
        Text(role, std::move(text), at, P::kLabelPixels * s, false, P::kBlack, anchor));
  }
  void AxisName(const char* role, std::string text, Point at, bool upright) {
    scene.back.push_back(Text(role, std::move(text), at, P::kAxisNamePixels * s, true, P::kBlack,
                              Anchor::Middle, upright));
  }
  void Tick(double x, double y) {
    scene.back.push_back(Line("tick", {x, y}, {x, y + 4 * s}, Sized(P::kAxis)));
  }
  // An axis of whole counts up the plot's left edge: a grid line and a label (`labels`) at
  // each step, at the height `y` gives, and its name (`role`) upright.
  template <typename Height>
  void CountAxisOf(Box plot, CountAxis axis, Height y, const char* labels, const char* role,
                   std::string name) {
    for (int count = 0; count <= axis.top; count += axis.step) {
      const double at = y(count);
      scene.back.push_back(Line(count ? "grid" : "axis", {plot.left, at}, {plot.Right(), at},
                                Sized(count ? P::kGrid : P::kAxis)));
      Label(labels, std::to_string(count), {plot.left - 6 * s, at}, Anchor::End);
    }
    scene.back.push_back(
        Line("axis", {plot.left, plot.top}, {plot.left, plot.Bottom()}, Sized(P::kAxis)));
    AxisName(role, std::move(name), {16 * s, plot.top + plot.height / 2}, true);
  }
  // The white ground, and the title's lines.
  void Title(const Heading& heading) {
    const Size size = scene.size;
    scene.back.push_back(
        Rect("background", {0, 0, size.width, size.height}, P::kWhite, {P::kWhite, 0}));
    double y = kTitleTop * s;
    for (const std::string& line : heading.title) {
      scene.back.push_back(
          Text("chart-title", line, {size.width / 2, y}, P::kTitlePixels * s, true));
      y += kTitleLine * s;
    }
  }
  // The status's lines under the title, as many as it takes now.
  void Status(const char* role, const Heading& heading, const std::string& status, bool bold,
              Colour colour) {
    const double pixels = P::kLabelPixels * s;
    double y = (kStatusTop + kTitleLine * double(heading.title.size() - 1)) * s;
    for (const std::string& line :
         WrappedLines(status, pixels, bold, RoomAcross(scene.size), width)) {
      scene.front.push_back(Text(role, line, {scene.size.width / 2, y}, pixels, bold, colour));
      y += kStatusLine * s;
    }
  }
  // The legend under the axes, `below` above the drawing's foot: each entry's key and name,
  // centred in one row, or in rows of two when they do not fit in one. A key is a bar, or a
  // line with a dot of its radius or without, or a dot alone, filled or hollow.
  struct LegendEntry {
    std::string name;
    Stroke line{ChartPalette::kBlack, 0};
    bool bar = false;
    double dot = 0;
    Colour dotColour = ChartPalette::kBlack;
    bool hollow = false;
  };
  void Legend(std::span<const LegendEntry> entries, double below) {
    const double key = 18 * s, gap = 18 * s, pixels = P::kLegendPixels * s;
    std::vector<double> widths;
    double oneRow = -gap;
    for (const LegendEntry& entry : entries)
      oneRow += widths.emplace_back(key + 6 * s + width(entry.name, pixels, false)) + gap;
    const std::size_t count = entries.size();
    const std::size_t perRow = oneRow <= RoomAcross(scene.size) ? count : 2;
    const std::size_t rows = (count + perRow - 1) / perRow;
    for (std::size_t first = 0; first < count; first += perRow) {
      const std::size_t last = std::min(count, first + perRow);
      const double y = scene.size.height - below - 26 * s +
                       (double(first / perRow) - double(rows - 1) / 2.0) * key;
      double x = (scene.size.width + gap) / 2;
      for (std::size_t k = first; k < last; ++k)
        x -= (widths[k] + gap) / 2;
      for (std::size_t k = first; k < last; ++k) {
        const LegendEntry& entry = entries[k];
        if (entry.bar)
          scene.front.push_back(
              Rect("legend-key", {x, y - 5 * s, key, 10 * s}, P::kBarFill, Sized(P::kBarEdge)));
        else if (entry.line.width > 0)
          scene.front.push_back(Line("legend-key", {x, y}, {x + key, y}, Sized(entry.line)));
        if (entry.dot > 0)
          scene.front.push_back(
              Dot("legend-key", {x + key / 2, y}, entry.dot, entry.dotColour, entry.hollow));
        scene.front.push_back(Text("legend", entry.name, {x + key + 6 * s, y}, pixels, false,
                                   P::kBlack, Anchor::Start));
        x += widths[k] + gap;
      }
    }
  }
  // A point filled with `colour`, or hollow: white, edged with it.
  Shape Dot(const char* role, Point centre, double radius, Colour colour, bool hollow) const {
    return hollow ? Circle(role, centre, radius, P::kWhite, Sized({colour, P::kHollowEdge}))
                  : Circle(role, centre, radius, colour);
  }
};

}  // namespace ombrix
