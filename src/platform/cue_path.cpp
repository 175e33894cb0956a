// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ombrix {

namespace {

QString RegularFileOrEmpty(const QString& path) {
  const QFileInfo info(path);
  // isFile() follows symbolic links, so a link to a cue counts; a directory does not.
  return info.isFile() ? info.absoluteFilePath() : QString();
}

// The program's own places, never the current directory: the user's data directory, then the
// system's, then, for a program run from its build tree, the directory of the executable.
// Named "ombrix" here rather than after the application, so that the directories do not
// depend on the name of whichever executable links this.
QStringList CueDirectories() {
  QStringList directories;
  for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    directories << QDir(data).filePath(QStringLiteral("ombrix"));
  // The directory of the executable is only known once the application object exists.
  if (QCoreApplication::instance() != nullptr)
    directories << QCoreApplication::applicationDirPath();
  return directories;
}

}  // namespace

QString FindCue(const QString& bareName) {
  if (bareName.isEmpty()) {
    return {};
  }
  if (QFileInfo(bareName).fileName() != bareName) {
    return RegularFileOrEmpty(bareName);
  }
  for (const QString& directory : CueDirectories()) {
    const QString found = RegularFileOrEmpty(QDir(directory).filePath(bareName));
    if (!found.isEmpty()) {
      return found;
    }
  }
  return {};
}

}  // namespace ombrix
