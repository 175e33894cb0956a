// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

#include "catalogue.h"
#include "qt_conversions.h"

namespace ombrix {

void UseUserLanguage() {
  const QStringList names = QLocale::system().uiLanguages();
  std::vector<std::string> owned;
  for (const QString& name : names)
    owned.push_back(name.toStdString());
  const std::vector<std::string_view> languages(owned.begin(), owned.end());
  UseCatalogue(PreferredCatalogue(languages));
}

void UseQtWords(std::string_view language) {
  // One translator of the application's, emptied before each language.
  QCoreApplication* application = QCoreApplication::instance();
  const QString name = QStringLiteral("Qt's words");
  auto* words = application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
  if (!words) {
    words = new QTranslator(application);
    words->setObjectName(name);
  }
  QCoreApplication::removeTranslator(words);
  const QString path = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (words->load(QLocale(ToQString(language)), QStringLiteral("qt"), QStringLiteral("_"), path))
    QCoreApplication::installTranslator(words);
}

}  // namespace ombrix
