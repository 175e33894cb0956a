// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
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
  QPen pen(ToQColor(stroke.colour), stroke.width, Qt::SolidLine, Qt::FlatCap);
  if (stroke.Dashed())  // Qt's dashes are in line widths
    pen.setDashPattern({stroke.dash[0] / stroke.width, stroke.dash[1] / stroke.width});
  return pen;
}

QPointF At(Point point) {
  return {point.x, point.y};
}

QRectF RectOf(const Box& box) {
  return {box.left, box.top, box.width, box.height};
}

struct ShapePainter {
  QPainter& painter;

  void operator()(const LineShape& line) const {
    painter.setPen(PenOf(line.stroke));
    painter.drawLine(At(line.from), At(line.to));
  }
  void operator()(const PathShape& path) const {
    QPolygonF points;
    points.reserve(qsizetype(path.points.size()));
    for (const Point point : path.points)
      points.append(At(point));
    painter.setPen(PenOf(path.stroke));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
  }
  void operator()(const RectShape& rect) const {
    painter.setPen(rect.edge.width > 0 ? PenOf(rect.edge) : QPen(Qt::NoPen));
    painter.setBrush(ToQColor(rect.fill));
    painter.drawRoundedRect(RectOf(rect.box), rect.cornerRadius, rect.cornerRadius);
  }
  void operator()(const CircleShape& circle) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(circle.fill));
    painter.drawEllipse(At(circle.centre), circle.radius, circle.radius);
  }
  void operator()(const TextShape& text) const {
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
    painter.setPen(ToQColor(text.colour));
    painter.drawText(QPointF(start, (metrics.ascent() - metrics.descent()) / 2), words);
    painter.restore();
  }
};

}  // namespace

void PaintScene(QPainter& painter, const ChartScene& scene) {
  painter.setRenderHint(QPainter::Antialiasing);
  const ShapePainter paint{painter};
  for (const auto* shapes : {&scene.back, &scene.bars, &scene.marker, &scene.front})
    for (const Shape& shape : *shapes)
      std::visit(paint, shape);
}

double TextWidthOf(std::string_view text, double pixels, bool bold) {
  return QFontMetricsF(FaceOf(pixels, bold)).horizontalAdvance(ToQString(text));
}

}  // namespace ombrix
