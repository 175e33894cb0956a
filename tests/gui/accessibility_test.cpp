#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "main_window_fixture.h"

namespace ombrix::testing {
namespace {

QString SpokenName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<none>");
}

using AccessibilityTest = MainWindowTest;

TEST_F(AccessibilityTest, CellsHeadersAndButtonsSayWhatTheyMean) {
  StartWith("100", "1000");
  EXPECT_EQ(SpokenName(form.Command(1)), "Experiment Start");
  EXPECT_EQ(SpokenName(form.Label(7)), "shortage -58 or less");  // not "~  -57"
  EXPECT_EQ(SpokenName(form.Label(81)), "shortage 4 or more");
  EXPECT_EQ(SpokenName(form.dosu(56)), "shortage -3: no count");

  form.Command(1)->click();
  EXPECT_EQ(SpokenName(form.dosu(56)), "shortage -3: " + form.dosu(56)->text() + " experiments");
  EXPECT_EQ(SpokenName(form.dosu(1)), "shortage -58 or less: 0 experiments");
  EXPECT_EQ(SpokenName(form.Label(3)), "Average of shortage: " + form.Label(3)->text());
}

TEST_F(AccessibilityTest, TheKeyboardAloneRunsAnExperiment) {
  script.TypeAndPress("50", Qt::Key_Return).TypeAndPress("20", Qt::Key_Enter);
  form.Show();
  ASSERT_TRUE(script.WaitUntilFinished());
  ASSERT_EQ(form.Window()->focusWidget(), form.Command(1));
  QTest::keyClick(form.Command(1), Qt::Key_Space);
  EXPECT_EQ(SumOfCells(), 20);
  // Enter on a focused button does nothing: no button is the default.
  form.Command(3)->setFocus();
  QTest::keyClick(form.Command(3), Qt::Key_Return);
  QTest::qWait(20);
  EXPECT_EQ(script.Seen().size(), 2u);
}

}  // namespace
}  // namespace ombrix::testing
