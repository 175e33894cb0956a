// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

#include "chart_scene.h"

namespace ombrix {

// Draws every shape of a scene, in order, as the chart's model places it; its focus frame
// only while the bars have the focus.
void PaintScene(QPainter& painter, const ChartScene& scene, bool barsFocused);

// How wide a text is drawn in the window face, for the model's layout.
double TextWidthOf(std::string_view text, double pixels, bool bold);

}  // namespace ombrix
