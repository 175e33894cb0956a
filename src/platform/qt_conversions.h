// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "chart_palette.h"
#include "control_layout.h"

namespace ombrix {

// The windows' model speaks UTF-8 and plain rectangles; Qt speaks QString and QRect.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect ToQRect(const PixelRect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

inline QColor ToQColor(const Colour& colour) {
  return QColor::fromRgbF(float(colour.red / 255.0), float(colour.green / 255.0),
                          float(colour.blue / 255.0), float(colour.alpha));
}

}  // namespace ombrix
