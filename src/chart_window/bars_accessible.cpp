// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars_accessible.h"

#include <QWidget>

#include "chart_model.h"
#include "qt_conversions.h"

namespace ombrix {
namespace {

// A bar as an item of the list. It has no widget: its words, place and states are the model's
// at the time they are asked for.
class BarAccessible final : public QAccessibleInterface {
 public:
  BarAccessible(const BarsAccessible& list, int bar) : list_(list), bar_(bar) {}

  int Bar() const { return bar_; }
  const BarsAccessible& List() const { return list_; }

  bool isValid() const override { return bar_ < list_.childCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return list_.window(); }
  QAccessibleInterface* parent() const override { return const_cast<BarsAccessible*>(&list_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name || !isValid())
      return {};
    return ToQString(list_.Model().Choices()[std::size_t(bar_)].toolTip);
  }
  QRect rect() const override {
    if (!isValid())
      return {};
    const Box band = list_.Model().Choices()[std::size_t(bar_)].band;
    const QRect drawn = QRectF(band.left, band.top, band.width, band.height).toAlignedRect();
    return drawn.translated(list_.Drawing()->mapToGlobal(QPoint(0, 0)));
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = state.focusable = true;
    state.selected = isValid() && list_.Model().ChosenBar() == bar_;
    state.focused = state.selected && list_.Drawing()->hasFocus();
    return state;
  }

 private:
  const BarsAccessible& list_;
  int bar_;
};

}  // namespace

BarsAccessible::BarsAccessible(QWidget* drawing, const ChartModel& model)
    : QAccessibleWidget(drawing, QAccessible::List), model_(model) {}

BarsAccessible::~BarsAccessible() {
  for (const QAccessible::Id id : items_)
    QAccessible::deleteAccessibleInterface(id);
}

int BarsAccessible::childCount() const {
  return int(model_.Choices().size());
}

QAccessibleInterface* BarsAccessible::child(int index) const {
  if (index < 0 || index >= childCount())
    return nullptr;
  while (int(items_.size()) <= index) {
    items_.push_back(
        QAccessible::registerAccessibleInterface(new BarAccessible(*this, int(items_.size()))));
  }
  return QAccessible::accessibleInterface(items_[index]);
}

int BarsAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* bar = dynamic_cast<const BarAccessible*>(child);
  return bar && &bar->List() == this && bar->isValid() ? bar->Bar() : -1;
}

QAccessibleInterface* BarsAccessible::childAt(int x, int y) const {
  if (childCount() == 0)
    return nullptr;
  const QPoint at = Drawing()->mapFromGlobal(QPoint(x, y));
  const std::vector<BarChoice> choices = model_.Choices();
  for (const BarChoice& choice : choices)
    if (choice.band.Contains({double(at.x()), double(at.y())}))
      return child(choice.bar);
  return nullptr;
}

QAccessibleInterface* BarsAccessible::focusChild() const {
  if (QAccessibleInterface* chosen = child(model_.ChosenBar()); chosen && Drawing()->hasFocus())
    return chosen;
  return QAccessibleWidget::focusChild();
}

void FocusBar(QWidget* drawing, int bar) {
  QAccessibleEvent event(drawing, QAccessible::Focus);
  event.setChild(bar);
  QAccessible::updateAccessibility(&event);
}

}  // namespace ombrix
