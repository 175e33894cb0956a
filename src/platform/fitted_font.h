// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

class QPaintDevice;

namespace ombrix {

// `font` as it is when each of `lines` fits `width` pixels on `device`; else its glyphs narrowed
// until the widest line fits, at the same size and line pitch: a text wider than its place is
// squeezed sideways rather than cut off, overlapping its neighbours or made smaller.
QFont FittedFont(const QFont& font, const QStringList& lines, double width,
                 const QPaintDevice* device);

}  // namespace ombrix
