// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "chart_placement.h"
#include "frequency_table.h"

namespace ombrix {

// What the chart window has around it when it opens beside the main window, whose frame and
// client area lie at `frame` and `client` on the screen's available area `screen`, while the
// table shows `table`. The chart window gets the main window's frame. The title bar, the
// buttons, the settings and the average stay in sight; the rows with counts had better.
Surroundings ChartSurroundings(const QRect& screen, const QRect& frame, const QRect& client,
                               const FrequencyTable& table);

}  // namespace ombrix
