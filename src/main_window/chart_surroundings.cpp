// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_surroundings.h"

#include <algorithm>
#include <array>
#include <ranges>
#include <string_view>

#include "chart_texts.h"
#include "main_window_layout.h"
#include "qt_conversions.h"

namespace ombrix {
namespace {

// Below this client size the chart's axes and legend crowd its bars out.
constexpr QSize kSmallestChart(480, 360);

// The controls a user needs while the chart is open.
constexpr std::array<std::string_view, 7> kAlwaysInSight = {
    MainWindowLayout::kStart,  MainWindowLayout::kExit,       MainWindowLayout::kInit,
    MainWindowLayout::kHelp,   MainWindowLayout::kGuestCount, MainWindowLayout::kExperimentCount,
    MainWindowLayout::kAverage};

}  // namespace

Surroundings ChartSurroundings(const QRect& screen, const QRect& frame, const QRect& client,
                               const FrequencyTable& table) {
  using Layout = MainWindowLayout;
  const QSize borders = frame.size() - client.size();
  const auto onScreen = [&](const TwipRect& rect) {
    return ToQRect(rect.Pixels()).translated(client.topLeft());
  };
  const QRect titleBar(frame.topLeft(), QPoint(frame.right(), client.top() - 1));  // to drag by
  Surroundings around{.screen = screen,
                      .beside = frame,
                      .neverCover = {titleBar},
                      .ratherNotCover = {},
                      .size = ToQRect(ChartWindowSpec().rect.Pixels()).size() + borders,
                      .smallest = kSmallestChart + borders};
  for (const ControlSpec& control : Layout::Controls()) {
    if (std::ranges::find(kAlwaysInSight, control.name) != kAlwaysInSight.end())
      around.neverCover.push_back(onScreen(control.rect));
  }
  // The cells are numbered row by row.
  for (int row = 0; row < Layout::kRows; ++row) {
    const auto bins =
        std::views::iota(Layout::kColumns * row + 1, Layout::kColumns * (row + 1) + 1);
    if (std::ranges::any_of(bins, [&](int bin) { return table.Count(bin) > 0; }))
      around.ratherNotCover.push_back(onScreen(Layout::RowPair(row)));
  }
  return around;
}

}  // namespace ombrix
