// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenu>

#include "chart_texts.h"
#include "chart_window.h"
#include "dialog_script.h"
#include "program.h"
#include "program_windows.h"
#include "pseudo_language.h"
#include "qt_conversions.h"

namespace ombrix::testing {
namespace {

// Every text of `window` and its controls that a user sees or a screen reader says, as
// "where: text" lines for the texts with a word the catalogue did not give.
QString Unmarked(const QWidget* window) {
  QString found;
  const auto check = [&found](const QObject& where, const QString& text) {
    if (!UnmarkedWords(text.toStdString()).empty())
      found += where.objectName() + ": " + text + "\n";
  };
  check(*window, window->windowTitle());
  QList<const QWidget*> widgets{window};
  for (const QWidget* child : window->findChildren<QWidget*>())
    widgets << child;
  for (const QWidget* widget : widgets) {
    if (!widget->isVisibleTo(window) && widget != window)
      continue;
    for (const QString& text : {widget->toolTip(), widget->accessibleName(),
                                widget->accessibleDescription(), widget->statusTip()})
      check(*widget, text);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
      check(*widget, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
      check(*widget, button->text());
  }
  return found;
}

// The whole program in the test language: the settings dialogs, the main window after a run,
// its table's menu, the chart of the run and one of its meetings, the help window, and the
// exit message. The chart's drawing itself is checked on its model's scene (core tests).
TEST(PseudoLanguageWindowTest, EveryWindowShowsOnlyTheCataloguesWords) {
  const PseudoLanguage language;
  Program program;
  ProgramWindows windows(program, 20261208);
  DialogScript script;
  QString dialogs;
  script.note = [&dialogs] { return dialogs += Unmarked(QApplication::activeModalWidget()), ""; };
  script.Type("100").Type("1000");
  windows.StartUp();
  ASSERT_TRUE(script.Finish());
  Button("Command1")->click();
  ASSERT_FALSE(Label("dosu(40)")->text().isEmpty());
  QString found = Unmarked(Shown("Form1"));

  // The menu, opened from the table by its key.
  Press("Form1", Qt::Key_Menu);
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_TRUE(menu);
  EXPECT_EQ(menu->actions().size(), 2);
  for (const QAction* item : menu->actions())
    if (!UnmarkedWords(item->text().toStdString()).empty())
      found += "menu: " + item->text() + "\n";
  menu->close();
  Press("Form1", Qt::Key_G, Qt::ControlModifier);
  auto* chart = dynamic_cast<ChartWindow*>(Shown("Chart"));
  ASSERT_TRUE(chart);
  found += Unmarked(chart);
  auto* drawing = chart->findChild<QWidget*>(ToQString(ChartWindowNames::kDrawing));
  drawing->setFocus();
  QTest::keyClick(drawing, Qt::Key_Return);
  ASSERT_EQ(chart->Model().State(), ChartState::Meeting);
  found += Unmarked(chart);

  Button("Command4")->click();
  ASSERT_TRUE(Shown("Form2"));
  found += Unmarked(Shown("Form2"));
  script.Type("100").Type("1000");
  Find<QPushButton>("Form2", "Command1")->click();
  ASSERT_TRUE(script.Finish());
  script.Press(Qt::Key_Return);
  Button("Command2")->click();
  ASSERT_TRUE(script.Finish());
  EXPECT_TRUE(Ended());
  EXPECT_EQ(script.seen.size(), 5);
  EXPECT_EQ(found + dialogs, "");
}

}  // namespace
}  // namespace ombrix::testing
