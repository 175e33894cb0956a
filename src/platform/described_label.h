// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <functional>

namespace ombrix {

// A label whose accessible name is made from its current text, so that a screen reader says
// what a bare number means ("shortage -3: 120 experiments" rather than "120"). A plain
// accessible name would stay fixed while the text changes. A text wider than the label is
// drawn narrowed to fit, as a count of four digits is in a table's cell.
class DescribedLabel : public QLabel {
 public:
  using Describe = std::function<QString(const QString& text)>;

  DescribedLabel(const QString& text, QWidget* parent, Describe describe);

  QString Description() const { return describe_(text()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Describe describe_;
};

// Makes the accessibility layer ask described labels for their names. Safe to call often.
void InstallDescribedLabelAccessibility();

}  // namespace ombrix
