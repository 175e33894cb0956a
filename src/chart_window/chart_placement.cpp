// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_placement.h"

#include <algorithm>
#include <array>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "keep_on_screen.h"

namespace ombrix {
namespace {

constexpr int kGap = 8;  // pixels between the two windows

qint64 Area(const QRect& rect) {
  return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

qint64 Covered(const QRect& window, std::span<const QRect> parts) {
  qint64 covered = 0;
  for (const QRect& part : parts)
    covered += Area(window & part);
  return covered;
}

// The room on one side of `beside`, and where a window there starts: level with `beside`.
struct Side {
  QRect room;
  QPoint level;  // the window's top-left corner before it is moved into the room
};

std::array<Side, 4> SidesOf(const QRect& screen, const QRect& beside, QSize size) {
  const int right = beside.right() + 1 + kGap, left = beside.left() - 1 - kGap;
  const int below = beside.bottom() + 1 + kGap, above = beside.top() - 1 - kGap;
  return {{
      {{QPoint(right, screen.top()), screen.bottomRight()}, {right, beside.top()}},
      {{screen.topLeft(), QPoint(left, screen.bottom())}, {left - size.width() + 1, beside.top()}},
      {{QPoint(screen.left(), below), screen.bottomRight()}, {beside.left(), below}},
      {{screen.topLeft(), QPoint(screen.right(), above)},
       {beside.left(), above - size.height() + 1}},
  }};
}

// The spans [first, last] worth trying on one axis for a window `least` to `most` long within
// [low, high]: each end at an end of the screen or of a part, or `least` or `most` from the
// other end. What a window covers and its size change evenly between such ends, so the best
// place over `beside` is among them.
std::vector<std::pair<int, int>> Spans(int low, int high, int least, int most,
                                       std::span<const std::pair<int, int>> parts) {
  std::vector<int> firsts = {low}, lasts = {high};
  for (const auto& [first, last] : parts) {
    firsts.insert(firsts.end(), {first, last + 1});
    lasts.insert(lasts.end(), {first - 1, last});
  }
  std::vector<std::pair<int, int>> spans;
  const auto add = [&](int first, int last) {
    const int length = last - first + 1;
    if (first >= low && last <= high && length >= least && length <= most)
      spans.emplace_back(first, last);
  };
  for (const int first : firsts) {
    add(first, first + least - 1);
    add(first, first + most - 1);
    for (const int last : lasts)
      add(first, last);
  }
  for (const int last : lasts) {
    add(last - least + 1, last);
    add(last - most + 1, last);
  }
  std::ranges::sort(spans);
  spans.erase(std::ranges::unique(spans).begin(), spans.end());
  return spans;
}

QRect OverBeside(const Surroundings& around, QSize least, QSize most) {
  std::vector<QRect> parts = around.neverCover;
  parts.insert(parts.end(), around.ratherNotCover.begin(), around.ratherNotCover.end());
  parts.push_back(around.beside);
  std::vector<std::pair<int, int>> columns, rows;
  for (const QRect& part : parts) {
    columns.emplace_back(part.left(), part.right());
    rows.emplace_back(part.top(), part.bottom());
  }
  const QRect& screen = around.screen;
  const auto xs = Spans(screen.left(), screen.right(), least.width(), most.width(), columns);
  const auto ys = Spans(screen.top(), screen.bottom(), least.height(), most.height(), rows);
  // Least of what must stay in sight (nothing, unless the screen leaves no choice), least of
  // what had better, the largest window, least of `beside`.
  const auto cost = [&](const QRect& window) {
    return std::tuple(Covered(window, around.neverCover), Covered(window, around.ratherNotCover),
                      -Area(window), Area(window & around.beside));
  };
  QRect best(QPoint(xs.front().first, ys.front().first),
             QPoint(xs.front().second, ys.front().second));
  auto bestCost = cost(best);
  for (const auto& [left, right] : xs) {
    for (const auto& [top, bottom] : ys) {
      const QRect window(QPoint(left, top), QPoint(right, bottom));
      if (const auto windowCost = cost(window); windowCost < bestCost) {
        best = window;
        bestCost = windowCost;
      }
    }
  }
  return best;
}

}  // namespace

QRect PlaceBeside(const Surroundings& around) {
  const QSize most = around.size.boundedTo(around.screen.size());
  const QSize least = around.smallest.boundedTo(most);
  QRect fitted;
  for (const auto& [room, level] : SidesOf(around.screen, around.beside, most)) {
    const QSize size = most.boundedTo(room.size());
    if (size == most)
      return MovedOnto(room, {level, size});
    if (size.width() >= least.width() && size.height() >= least.height() &&
        Area({level, size}) > Area(fitted))
      fitted = MovedOnto(room, {level, size});
  }
  return fitted.isValid() ? fitted : OverBeside(around, least, most);
}

}  // namespace ombrix
