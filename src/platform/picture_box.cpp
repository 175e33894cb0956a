#include "picture_box.h"

#include <QPainter>

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

void PictureBox::Cls() {
  lines_.clear();
  update();
}

void PictureBox::Print(const QString& line) {
  lines_.append(line);
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setClipRect(area);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetrics metrics(font());
  int baseline = area.top() + metrics.ascent();
  for (const QString& line : lines_) {
    if (!line.isEmpty())
      painter.drawText(area.left(), baseline, line);
    baseline += metrics.height();
  }
}

}  // namespace ombrix
