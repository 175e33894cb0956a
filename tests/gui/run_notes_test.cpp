#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>

#include "main_window_fixture.h"
#include "run_notes.h"

namespace ombrix::testing {
namespace {

using RunNotesWindowTest = MainWindowTest;

// Tooltips and the copied table come with a run; before it, and after Init, there are none.
TEST_F(RunNotesWindowTest, TooltipsAndControlCFollowTheRun) {
  StartWith("100", "1000");
  EXPECT_TRUE(form.dosu(52)->toolTip().isEmpty());
  EXPECT_TRUE(form.Label(3)->toolTip().isEmpty());
  form.Window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
  QGuiApplication::clipboard()->setText("before");
  QTest::keyClick(form.Window(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

  form.Command(1)->click();
  // dosu(52) counts the shortage -7, probability 0.0579584 at 100 guests.
  EXPECT_EQ(form.dosu(52)->toolTip(),
            QStringLiteral("Shortage -7\nObserved: %1 experiments\nExpected: 58.0 of 1000 "
                           "(probability 5.8 %)")
                .arg(form.dosu(52)->text()));
  EXPECT_TRUE(form.dosu(61)->toolTip().endsWith("Expected: 0 (cannot occur with 100 guests)"));
  const QRegularExpression average(
      "^Expected average for 100 guests: -7\\.46\nCoins to prepare to run short in at most 5 % "
      "of meetings: (\\d+) by this run, 19 by theory$");
  const auto match = average.match(form.Label(3)->toolTip());
  ASSERT_TRUE(match.hasMatch()) << form.Label(3)->toolTip().toStdString();
  EXPECT_NEAR(match.captured(1).toInt(), 19, 3);

  QTest::keyClick(form.Window(), Qt::Key_C, Qt::ControlModifier);
  const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + 63 + 3);
  EXPECT_EQ(lines[0], "Shortage\tObserved\tExpected");
  EXPECT_EQ(lines[52], "-7\t" + form.dosu(52)->text() + "\t57.9584");
  EXPECT_EQ(lines[63], "4 or more\t0\t0");
  EXPECT_EQ(lines[64], "Number of guests\t100");
  EXPECT_EQ(lines[66], "Average of shortage\t" + form.Label(3)->text() + "\t-7.45892");

  script.Type("100").Type("1000");
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());
  for (int i = 1; i <= 63; ++i)
    EXPECT_TRUE(form.dosu(i)->toolTip().isEmpty()) << i;
  EXPECT_TRUE(form.Label(3)->toolTip().isEmpty());
}

TEST(RunNotesTest, SpeaksOfOneExperimentAndOfTheOpenCell) {
  FrequencyTable table;
  table.Clear();
  table.Record(-3);
  for (int i = 0; i < 19; ++i)
    table.Record(-70);
  const RunNotes notes(table, 1000, 20, "-67.0");
  EXPECT_TRUE(notes.CellToolTip(56).contains("Observed: 1 experiment\n"));
  EXPECT_TRUE(notes.CellToolTip(1).contains("Observed: 19 experiments\n"));
  // 95 % of 20 is 19 experiments, which only the open cell of -58 and below reaches.
  EXPECT_TRUE(notes.AverageToolTip().contains(": 58 or more by this run, 61 by theory"));
}

}  // namespace
}  // namespace ombrix::testing
