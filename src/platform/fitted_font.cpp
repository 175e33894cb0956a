// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_font.h"

#include <QFontMetricsF>
#include <algorithm>

namespace ombrix {

QFont FittedFont(const QFont& font, const QStringList& lines, double width,
                 const QPaintDevice* device) {
  const auto widest = [&](const QFont& candidate) {
    const QFontMetricsF metrics(candidate, device);
    double widest = 0;
    for (const QString& line : lines)
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
  };
  QFont fitted = font;
  const double natural = widest(fitted);
  if (natural <= std::max(width, 0.0))  // also the empty text, which no narrowing fits
    return fitted;
  // Narrowed glyphs round their widths their own way, so the factor is checked and tightened
  // until the widest line fits.
  for (int stretch = static_cast<int>(100 * width / natural); stretch >= 50; --stretch) {
    fitted.setStretch(stretch);
    if (widest(fitted) <= width)
      break;
  }
  return fitted;
}

}  // namespace ombrix
