// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace ombrix {

// What a window opening beside another one has around it: frames and parts of frames, all in
// the same coordinates.
struct Surroundings {
  QRect screen;                       // the screen's available area
  QRect beside;                       // the window to open beside
  std::vector<QRect> neverCover;      // parts of `beside` that must stay in sight
  std::vector<QRect> ratherNotCover;  // parts of `beside` better left in sight
  QSize size;                         // the window's own size
  QSize smallest;                     // the least it may be shrunk to
};

// Where a window opens beside `around.beside`, always whole on the screen: at its own size
// where it fits without covering that window, to its right, else its left, below or above;
// else shrunk, down to its smallest size, into the side that leaves it largest; else over that
// window, clear of `neverCover`, where it covers least of `ratherNotCover`, then where it is
// largest. A screen smaller than the window bounds both sizes.
QRect PlaceBeside(const Surroundings& around);

}  // namespace ombrix
