// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPointer>

namespace ombrix {
namespace {

class Announcement final : public QWidget {
 public:
  Announcement(const QString& words, QWidget* window) : QWidget(window) {
    new QLabel(words, this);
    resize(0, 0);
  }
};

QAccessibleInterface* AnnouncementAccessible(const QString&, QObject* object) {
  if (auto* announcement = dynamic_cast<Announcement*>(object))
    return new QAccessibleWidget(announcement, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void Announce(const QString& words) {
  static const bool installed = (QAccessible::installFactory(AnnouncementAccessible), true);
  (void)installed;
  // Orca reads a notification out whenever it shows or hides: the last one goes without
  // hiding, and the words come in a new one.
  static QPointer<Announcement> last;
  delete last;
  if (QWidget* window = QApplication::activeWindow()) {
    last = new Announcement(words, window);
    last->show();
  }
}

}  // namespace ombrix
