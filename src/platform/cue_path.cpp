#include "cue_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef OMBRIX_DATA_DIR
#error "OMBRIX_DATA_DIR must name the installed data directory"
#endif

namespace ombrix {

namespace {

QString RegularFileOrEmpty(const QString& path) {
  const QFileInfo info(path);
  // isFile() follows symbolic links, so a link to a cue counts; a directory does not.
  return info.isFile() ? info.absoluteFilePath() : QString();
}

QStringList CueDirectories() {
  QStringList directories{QDir::currentPath()};
  // The directory of the executable is only known once the application object exists.
  if (QCoreApplication::instance() != nullptr) {
    directories << QCoreApplication::applicationDirPath();
  }
  directories << QStringLiteral(OMBRIX_DATA_DIR);
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
