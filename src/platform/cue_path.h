#pragma once

#include <QString>
#include <QStringList>

namespace ombrix {

// The absolute path of the sound file `bareName`: the first regular file of that name in the
// current directory, the directory of the executable or the installed data directory. A name with a
// directory part is taken as it is. Returns the empty string when there is no such file.
QString FindCue(const QString& bareName);

}  // namespace ombrix
