// SPDX-License-Identifier: GPL-3.0-or-later
#include "described_label.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

#include "fitted_font.h"

namespace ombrix {
namespace {

class DescribedLabelAccessible : public QAccessibleWidget {
 public:
  explicit DescribedLabelAccessible(DescribedLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name)
      return static_cast<DescribedLabel*>(widget())->Description();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* DescribedLabelFactory(const QString&, QObject* object) {
  if (auto* label = dynamic_cast<DescribedLabel*>(object)) {
    return new DescribedLabelAccessible(label);
  }
  return nullptr;
}

}  // namespace

DescribedLabel::DescribedLabel(const QString& text, QWidget* parent, Describe describe)
    : QLabel(parent), describe_(std::move(describe)) {
  // Set only now: an accessible interface made while the label was still a plain QLabel,
  // as the base constructor's text would make it, is kept for the label's whole life.
  setText(text);
}

void DescribedLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  // Half an x clear on each side, as QLabel indents a framed text: counts side by side stay apart.
  const double room = area.width() - QFontMetricsF(font(), this).horizontalAdvance(u'x');
  const QFont fitted = FittedFont(font(), {text()}, room, this);
  if (fitted == font())
    return QLabel::paintEvent(event);
  // QLabel draws in the label's own font only: its frame as it would, the text narrowed.
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(fitted);
  style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                        palette(), isEnabled(), text(), foregroundRole());
}

void InstallDescribedLabelAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(DescribedLabelFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace ombrix
