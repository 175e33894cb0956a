// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ombrix {

// Tells a screen reader `words` now. Qt 6.4 has no announcement of its own; a screen reader
// reads out a change of the focused control's description, so the words become that, and go
// again when the focus leaves it, not to be read once more with it later.
void Announce(const QString& words);

}  // namespace ombrix
