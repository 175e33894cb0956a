// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_painter.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include "fonts.h"
#include "qt_conversions.h"

namespace ombrix {
namespace {

// The model sizes texts in pixels; the window face is asked for in points, 72 to 96 pixels.
QFont FaceOf(double pixels, bool bold) {
  return WindowFont(pixels * 0.75, bold);
}

QPen PenOf(const Stroke& stroke) {
  if (stroke.width <= 0)
    return Qt::NoPen;
  QPen pen(ToQColor(stroke.colour), stroke.width, Qt::SolidLine, Qt::FlatCap);
  if (stroke.Dashed())  // Qt's dashes are in line widths
    pen.setDashPattern({stroke.dash[0] / stroke.width, stroke.dash[1] / stroke.width});
  return pen;
}

QPointF At(Point point) {
  return {point.x, point.y};
}

void PaintText(QPainter& painter, const Shape& text) {
  const QFont font = FaceOf(text.pixels, text.bold);
  const QFontMetricsF metrics(font);
  const QString words = ToQString(text.text);
  const double width = metrics.horizontalAdvance(words);
  const double start = text.anchor == Anchor::Start    ? 0
                       : text.anchor == Anchor::Middle ? -width / 2
                                                       : -width;
  painter.save();
  painter.translate(At(text.at));
  if (text.upright)
    painter.rotate(-90);
  painter.setFont(font);
  painter.setPen(ToQColor(text.fill));
  painter.drawText(QPointF(start, (metrics.ascent() - metrics.descent()) / 2), words);
  painter.restore();
}

void PaintShape(QPainter& painter, const Shape& shape) {
  painter.setPen(PenOf(shape.stroke));
  painter.setBrush(Qt::NoBrush);
  switch (shape.kind) {
    case ShapeKind::Line:
      painter.drawLine(At(shape.at), At(shape.to));
      break;
    case ShapeKind::Path: {
      QPolygonF points;
      points.reserve(qsizetype(shape.points.size()));
      for (const Point point : shape.points)
        points.append(At(point));
      painter.drawPolyline(points);
      break;
    }
    case ShapeKind::Rect:
      painter.setBrush(ToQColor(shape.fill));
      painter.drawRoundedRect(
          QRectF(shape.box.left, shape.box.top, shape.box.width, shape.box.height), shape.radius,
          shape.radius);
      break;
    case ShapeKind::Circle:
      painter.setBrush(ToQColor(shape.fill));
      painter.drawEllipse(At(shape.at), shape.radius, shape.radius);
      break;
    case ShapeKind::Text:
      PaintText(painter, shape);
      break;
  }
}

}  // namespace

void PaintScene(QPainter& painter, const ChartScene& scene, bool barsFocused) {
  painter.setRenderHint(QPainter::Antialiasing);
  const std::vector<Shape> none;
  for (const auto* shapes :
       {&scene.back, &scene.bars, &scene.marker, &scene.front, barsFocused ? &scene.focus : &none})
    for (const Shape& shape : *shapes)
      PaintShape(painter, shape);
}

double TextWidthOf(std::string_view text, double pixels, bool bold) {
  return QFontMetricsF(FaceOf(pixels, bold)).horizontalAdvance(ToQString(text));
}

}  // namespace ombrix
