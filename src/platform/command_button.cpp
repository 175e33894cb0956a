// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ombrix {

void CommandButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                       caption, QPalette::ButtonText);
}

}  // namespace ombrix
