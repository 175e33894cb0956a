// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_placement.h"

#include <algorithm>
#include <array>
#include <span>

namespace ombrix {
namespace {

constexpr int kGap = 8;  // pixels between the two windows

QRect MovedOnto(const QRect& screen, QRect window) {
  window.moveLeft(std::clamp(window.left(), screen.left(), screen.right() - window.width() + 1));
  window.moveTop(std::clamp(window.top(), screen.top(), screen.bottom() - window.height() + 1));
  return window;
}

qint64 Area(const QRect& rect) {
  return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

}  // namespace

QRect PlaceBeside(const QRect& screen, const QRect& beside, const QRect& keepVisible, QSize size) {
  const QSize fitting = size.boundedTo(screen.size());
  const int width = fitting.width(), height = fitting.height();
  const std::array<QRect, 8> places = {
      MovedOnto(screen, {beside.right() + 1 + kGap, beside.top(), width, height}),
      MovedOnto(screen, {beside.left() - kGap - width, beside.top(), width, height}),
      MovedOnto(screen, {beside.left(), beside.bottom() + 1 + kGap, width, height}),
      MovedOnto(screen, {beside.left(), beside.top() - kGap - height, width, height}),
      MovedOnto(screen, {screen.right(), screen.top(), width, height}),
      MovedOnto(screen, {screen.left(), screen.top(), width, height}),
      MovedOnto(screen, {screen.right(), screen.bottom(), width, height}),
      MovedOnto(screen, {screen.left(), screen.bottom(), width, height}),
  };
  for (const QRect& place : std::span(places).first(4)) {
    if (!place.intersects(beside))
      return place;
  }
  return *std::ranges::min_element(places, {},
                                   [&](const QRect& place) { return Area(place & keepVisible); });
}

}  // namespace ombrix
