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

TEST_F(AccessibilityTest, CellsAndValuesSayWhatTheirNumbersMean) {
  StartWith("100", "1000");
  EXPECT_EQ(SpokenName(form.dosu(56)), "shortage -3: no count");
  EXPECT_EQ(SpokenName(form.Label(3)), "Average of shortage: none");
  EXPECT_EQ(SpokenName(form.Label(82)), "Number of guests: 100");
  EXPECT_EQ(SpokenName(form.Label(2)), "Number of experiments: 1000");

  form.Command(1)->click();
  const QString count = form.dosu(56)->text();
  EXPECT_EQ(SpokenName(form.dosu(56)), "shortage -3: " + count + " experiments");
  EXPECT_EQ(SpokenName(form.dosu(1)), "shortage -58 or less: 0 experiments");
  EXPECT_EQ(SpokenName(form.dosu(63)), "shortage 4 or more: 0 experiments");
  EXPECT_EQ(SpokenName(form.Label(3)), "Average of shortage: " + form.Label(3)->text());
}

TEST_F(AccessibilityTest, CaptionsAndButtonsAreSpokenAsShown) {
  form.Load();
  EXPECT_EQ(SpokenName(form.Command(1)), "Experiment Start");
  EXPECT_EQ(SpokenName(form.Command(4)), "Help");
  EXPECT_EQ(SpokenName(form.Label(83)), "Number of guests");
  EXPECT_EQ(SpokenName(form.Label(68)), "-9");
  EXPECT_EQ(SpokenName(form.dosu(3)), "shortage -56: no count");
  EXPECT_EQ(SpokenName(form.Label(7)), "shortage -58 or less");  // not "~  -57"
  EXPECT_EQ(SpokenName(form.Label(81)), "shortage 4 or more");
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

TEST_F(AccessibilityTest, EscapeInADialogCancelsIt) {
  script.TypeAndPress("", Qt::Key_Escape).PressOk();
  form.Show();
  ASSERT_TRUE(script.WaitUntilFinished());
  EXPECT_TRUE(program.HasEnded());
  EXPECT_EQ(script.Seen().size(), 2u);
}

}  // namespace
}  // namespace ombrix::testing
