// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace ombrix {

// `window` moved the least that puts it whole on `area`; one larger than the area with its
// top-left corner there.
QRect MovedOnto(const QRect& area, QRect window);

// Leaves a top-level window about to be shown where it stands if it lies wholly on its screen's
// available area, frame and title bar included; otherwise moves it just enough to lie there or,
// larger than the area, to keep its top-left corner and title bar on it. Qt does this for
// dialogs only. A window manager frames the window only as it maps it, so it is fitted again
// when first exposed; later moves are the user's own.
void KeepOnScreen(QWidget& window);

}  // namespace ombrix
