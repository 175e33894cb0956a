// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "control_layout.h"

namespace ombrix {

// The windows' model speaks UTF-8 and plain rectangles; Qt speaks QString and QRect.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect ToQRect(const PixelRect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace ombrix
