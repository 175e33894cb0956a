// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ombrix {

void Announce(const QString& words) {
  QWidget* focused = QApplication::focusWidget();
  if (!focused)
    return;
  // The description it had before, given back when the focus leaves it.
  const QString own = focused->accessibleDescription();
  focused->setAccessibleDescription(words);
  auto* restore = new QObject(focused);
  QObject::connect(qApp, &QApplication::focusChanged, restore,
                   [focused = QPointer<QWidget>(focused), own, restore](QWidget* from, QWidget*) {
                     if (from != focused)
                       return;
                     focused->setAccessibleDescription(own);
                     restore->deleteLater();
                   });
}

}  // namespace ombrix
