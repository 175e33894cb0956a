// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace ombrix {

struct Colour {
  int red = 0;
  int green = 0;
  int blue = 0;
  double alpha = 1;

  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

// How a line is drawn: its colour, its width in pixels, and its dash as a length drawn and a
// length left out (none for a solid line).
struct Stroke {
  Colour colour{};
  double width = 1;
  std::array<double, 2> dash{};

  constexpr bool Dashed() const { return dash[0] > 0; }
};

// Every colour, line width and text size of the chart, and the window colours it shares. Sizes
// are pixels at the chart window's standard size, and grow and shrink with it, the texts never
// under kSmallestTextPixels.
struct ChartPalette {
  static constexpr Colour kWhite{255, 255, 255};
  static constexpr Colour kBlack{0, 0, 0};
  // The main window's title is in it too.
  static constexpr Colour kLightCyan{128, 255, 255};
  static constexpr Colour kInvisible{255, 255, 255, 0};

  static constexpr Colour kBarFill = kLightCyan;
  static constexpr Stroke kBarEdge{{0, 128, 128}, 1};
  // The chosen bar: amber beside the cyan, edged, over a band of paler amber that shows where
  // an empty bar stands.
  static constexpr Colour kChosenFill{255, 200, 0};
  static constexpr Stroke kChosenEdge{kBlack, 2};
  static constexpr Colour kChosenBand{255, 200, 0, 0.3};
  // Round the chosen bar while the bars have the focus.
  static constexpr Stroke kFocusFrame{kBlack, 1, {2, 2}};
  static constexpr Stroke kExpected{kBlack, 2};
  // Never wider than a third of a bar: where the bars are thin the points go, and the line
  // alone shows what theory expects.
  static constexpr double kExpectedPointRadius = 2.5;
  // Where the two agree, the theory's dashed line runs along the middle of the run's wider one.
  static constexpr Stroke kCoinsByRun{{0, 0, 192}, 6};
  static constexpr Stroke kCoinsByTheory{{192, 0, 0}, 2, {8, 4}};
  // A bluish green: under red-green colour blindness a plain green looks as the theory's red.
  // Its line is as wide as a bar, within these bounds, and lets the bars show through it.
  static constexpr Colour kCoinsMarker{0, 110, 100};
  static constexpr double kCoinsLineAlpha = 0.6;
  static constexpr double kThinnestCoinsLine = 2, kWidestCoinsLine = 12;
  static constexpr Stroke kGripLines{kWhite, 1.5};
  static constexpr Colour kCoinsText{0, 90, 80};
  static constexpr Stroke kAxis{kBlack, 1};
  static constexpr Stroke kGrid{{216, 216, 216}, 1};
  static constexpr Stroke kZeroLine{{96, 96, 96}, 1, {4, 3}};
  static constexpr Stroke kWalk{{0, 96, 160}, 2};
  static constexpr Colour kLowest{192, 0, 0};
  static constexpr Colour kHint{80, 80, 80};
  static constexpr double kLowestRadius = 5;
  // Coins against guests: theory's curve in theory's red, the guide dashed in grey, and the
  // runs' points in the run's blue, a sweep's hollow.
  static constexpr Stroke kTheoryCurve{{192, 0, 0}, 2};
  static constexpr Stroke kGuide{{64, 64, 64}, 1.5, {6, 4}};
  static constexpr Colour kRunPoint{0, 0, 192};
  static constexpr double kPointRadius = 4.5;
  static constexpr double kHollowEdge = 2;

  static constexpr double kTitlePixels = 15;
  static constexpr double kAxisNamePixels = 13;
  static constexpr double kLabelPixels = 12;
  static constexpr double kLegendPixels = 12;
  // Readable on a phone and on a small window: 11 CSS pixels, above 8 points on the desktop.
  static constexpr double kSmallestTextPixels = 11;
};

}  // namespace ombrix
