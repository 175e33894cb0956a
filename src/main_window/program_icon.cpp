#include "program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ombrix {

QIcon ProgramIcon() {
  QSvgRenderer renderer(QStringLiteral(":/ombrix.svg"));
  QIcon icon;
  for (int size : {32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace ombrix
