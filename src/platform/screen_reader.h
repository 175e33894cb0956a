// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ombrix {

// Tells a screen reader `words` now, as a notification that shows in the active window with
// the words as its one label: Orca reads a notification out as it shows. Qt 6.4 has no
// announcement of its own, and it tells of a changed description without the new words, so a
// screen reader has nothing to read from that. The last notification stays until the next
// one, taking no room and drawing nothing.
void Announce(const QString& words);

}  // namespace ombrix
