#pragma once

#include <QString>
#include <QStringList>

namespace ombrix {

// The directories searched for a sound file given by bare name, in order: the current
// directory, the directory of the executable, the installed data directory.
QStringList CueDirectories();

// The absolute path of the sound file `bareName`: the first regular file of that name in
// CueDirectories(). A name with a directory part is taken as it is. Returns the empty string
// when there is no such file.
QString FindCue(const QString& bareName);

}  // namespace ombrix
