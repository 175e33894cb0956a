// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_box.h"

#include <QPainter>

#include "fitted_font.h"

namespace ombrix {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
  setPalette(palette);
  setFocusPolicy(Qt::TabFocus);
}

void PictureBox::Clear() {
  lines_.clear();
  update();
}

void PictureBox::PrintLine(const QString& line) {
  lines_.append(line);
  update();
}

double PictureBox::LineHeight() const {
  // One em: the height of the text the layout was drawn for. The substitute Japanese faces
  // space their lines up to a tenth wider, which would push the last lines of a full area
  // out of sight.
  return QFontInfo(font()).pixelSize();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setClipRect(area);
  // The substitute faces are wider than the one the text was laid out for.
  painter.setFont(FittedFont(font(), lines_, area.width(), this));
  painter.setPen(palette().color(QPalette::WindowText));
  const double lineHeight = LineHeight();
  double baseline = area.top() + QFontMetricsF(font()).ascent();
  for (const QString& line : lines_) {
    if (!line.isEmpty())
      painter.drawText(QPointF(area.left(), baseline), line);
    baseline += lineHeight;
  }
}

}  // namespace ombrix
