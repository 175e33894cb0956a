// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace ombrix {

// Where a window of `size` opens beside the window `beside`, on the screen's available area
// `screen`, all as frames in the same coordinates: to its right, else its left, below or
// above, the first side where it fits without covering `beside`; where none does, the side or
// corner of the screen where it covers least of `keepVisible`. Always whole on the screen: a
// window larger than the screen is made smaller.
QRect PlaceBeside(const QRect& screen, const QRect& beside, const QRect& keepVisible, QSize size);

}  // namespace ombrix
