// SPDX-License-Identifier: GPL-3.0-or-later
#include "described_label.h"

#include <QAccessibleWidget>

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

void InstallDescribedLabelAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(DescribedLabelFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace ombrix
