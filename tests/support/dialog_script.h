// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "media_player_control.h"
#include "qt_conversions.h"
#include "qt_printers.h"
#include "table_texts.h"

namespace ombrix::testing {

// Answers the program's real modal dialogs as they open, one scripted step each, with QTest,
// and notes each one as "title|prompt|text in its field|note()".
class DialogScript {
 public:
  using Step = std::function<void(QWidget&)>;
  DialogScript() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(0);
  }

  DialogScript& Type(const QString& text) {
    steps_.push_back([text](QWidget& dialog) {
      dialog.findChild<QLineEdit*>()->setText(text);
      const auto* buttons = dialog.findChild<QDialogButtonBox*>();
      QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    return *this;
  }
  DialogScript& Press(Qt::Key key) {
    steps_.push_back([key](QWidget& dialog) { QTest::keyClick(&dialog, key); });
    return *this;
  }

  // Waits until every step has been taken and no dialog is open.
  bool Finish() {
    return QTest::qWaitFor([this] { return steps_.empty() && !QApplication::activeModalWidget(); });
  }

  std::function<QString()> note = [] { return QString(); };
  QStringList seen;
  // Answers a dialog beyond the script; closing it fails the test instead of hanging it.
  Step otherwise = [](QWidget& dialog) { dialog.close(); };

 private:
  void Poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool())
      return;
    dialog->setProperty("answered", true);
    auto* input = qobject_cast<QInputDialog*>(dialog);
    seen << QStringList{dialog->windowTitle(),
                        input ? input->labelText() : qobject_cast<QMessageBox*>(dialog)->text(),
                        input ? input->textValue() : "", note()}
                .join('|');
    const Step step = steps_.empty() ? otherwise : steps_.front();
    if (!steps_.empty())
      steps_.pop_front();
    step(*dialog);
  }

  std::deque<Step> steps_;
  QTimer timer_;
};

// Whether the program has ended: from then on no event reaches any object.
inline bool Ended() {
  struct Probe : QObject {
    bool event(QEvent*) override { return reached = true; }
    bool reached = false;
  } probe;
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&probe, &event);
  return !probe.reached;
}

// The program's shown window `name` ("Form1", "Form2"), or null.
inline QWidget* Shown(const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == name && top->isVisible())
      return top;
  return nullptr;
}

// Types a key into a shown window, made the active window first, as a click on it would.
inline void Press(const char* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  Shown(window)->activateWindow();
  if (QTest::qWaitForWindowActive(Shown(window)))
    QTest::keyClick(Shown(window), key, modifiers);
}

// A control of a shown window, by its object name, or null.
template <typename Control = QWidget>
Control* Find(const char* window, const QString& name) {
  QWidget* shown = Shown(window);
  return shown ? shown->findChild<Control*>(name) : nullptr;
}
inline QPushButton* Button(const char* name) {
  return Find<QPushButton>("Form1", name);
}
inline QLabel* Label(const QString& name) {
  return Find<QLabel>("Form1", name);
}

// Which of Experiment Start, Exit, Init and Help are enabled, as "0111".
inline QString Buttons() {
  QString enabled;
  for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
    enabled += Button(name)->isEnabled() ? '1' : '0';
  return enabled;
}

// The main window's table: "empty" when the 63 cells and the average are empty and carry no
// notes, the cells' tooltips only the hint to the table's extras; the sum of the counts when all of
// them are filled, "partial" otherwise.
inline QString Table() {
  int filled = 0, sum = 0, notes = !Label("Label3")->toolTip().isEmpty();
  for (int i = 1; i <= 63; ++i) {
    QLabel* cell = Label(QStringLiteral("dosu(%1)").arg(i));
    filled += !cell->text().isEmpty();
    sum += cell->text().toInt();
    notes += cell->toolTip() != ToQString(Tr(kTableHint));
  }
  const bool average = !Label("Label3")->text().isEmpty();
  if (filled == 0 && notes == 0 && !average)
    return "empty";
  return filled == 63 && average ? QString::number(sum) : "partial";
}

// The two settings shown, as "100/1000".
inline QString Settings() {
  return Label("Label82")->text() + "/" + Label("Label2")->text();
}

// Notes the property writes of the main window's player from now on, as "23 Stop, ...".
inline void Listen(QString& writes) {
  QObject::connect(
      Find<MediaPlayerControl>("Form1", "MMControl1"), &MediaPlayerControl::propertyWritten,
      [&](int id, const QString& value) {
        writes += QStringLiteral("%1%2 %3").arg(writes.isEmpty() ? "" : ", ").arg(id).arg(value);
      });
}
// The writes of a chime of Init or Help.
inline const QString kPinpon = "23 Stop, 23 Close, 22 pinpon.wav, 23 Open, 23 Sound";

}  // namespace ombrix::testing
