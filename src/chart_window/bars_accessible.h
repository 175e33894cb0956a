// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace ombrix {

class ChartModel;

// What a screen reader finds in the chart's drawing, which stands for the bars or the points:
// a list with an item for each bar of the distribution shown, or each point, named by its
// tooltip, the chosen one selected, and focused while the drawing has the focus. Qt would make
// the drawing a filler.
class BarsAccessible final : public QAccessibleWidget {
 public:
  BarsAccessible(QWidget* drawing, const ChartModel& model);
  ~BarsAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QWidget* Drawing() const { return widget(); }
  const ChartModel& Model() const { return model_; }

 private:
  const ChartModel& model_;
  // The bars' items made so far, by bar, for the list's life: a screen reader knows an item by
  // its id, so the same bar is always the same item.
  mutable std::vector<QAccessible::Id> items_;
};

// Tells a screen reader that `bar` has the focus, as the focused item of the drawing's list.
void FocusBar(QWidget* drawing, int bar);

}  // namespace ombrix
