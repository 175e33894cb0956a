// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ombrix {

// The absolute path of the sound file `bareName`: the first regular file of that name in
// "ombrix" under the user's data directory ($XDG_DATA_HOME, ~/.local/share), under each of the
// system's data directories ($XDG_DATA_DIRS, /usr/local/share:/usr/share), or beside the
// executable. The current directory is never searched. A name with a directory part is taken
// as it is. Returns the empty string when there is no such file.
QString FindCue(const QString& bareName);

}  // namespace ombrix
