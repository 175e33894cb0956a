#include <QPushButton>

#include "frequency_table.h"
#include "main_window_fixture.h"

namespace ombrix::testing {
namespace {

using ExperimentStartTest = MainWindowTest;

TEST_F(ExperimentStartTest, FillsEveryCellAndTheAverageFromOneRun) {
  StartWith("100", "1000");
  ASSERT_TRUE(AllCellsEmpty());
  form.Command(1)->click();

  EXPECT_EQ(SumOfCells(), 1000);
  for (int i = 1; i <= 63; ++i)
    EXPECT_FALSE(form.dosu(i)->text().isEmpty()) << i;
  EXPECT_EQ(form.dosu(61)->text(), "0");  // a value of 2 or more cannot occur
  EXPECT_EQ(form.dosu(62)->text(), "0");
  EXPECT_EQ(form.dosu(63)->text(), "0");
  EXPECT_EQ(form.Label(3)->text(),
            QString::fromStdString(AverageText(form.Engine().ShortageAverage)));
  // The average of 1000 meetings of 100 guests is close to the theoretical -7.47.
  EXPECT_NEAR(form.Label(3)->text().toDouble(), -7.5, 1.0);
  EXPECT_EQ(form.Label(82)->text(), "100");
  EXPECT_EQ(form.Label(2)->text(), "1000");
}

TEST_F(ExperimentStartTest, LeavesStartDisabledExitAndInitEnabledAndTheArrow) {
  StartWith("10", "1");
  form.Command(2)->setEnabled(false);
  form.Window()->setCursor(Qt::CrossCursor);
  form.Command(1)->click();

  EXPECT_FALSE(form.Command(1)->isEnabled());
  EXPECT_TRUE(form.Command(2)->isEnabled());
  EXPECT_TRUE(form.Command(3)->isEnabled());
  EXPECT_TRUE(form.Command(4)->isEnabled());
  EXPECT_EQ(form.Window()->cursor().shape(), Qt::ArrowCursor);
  // One experiment: exactly one cell shows 1 and the average is that value with one decimal.
  EXPECT_EQ(SumOfCells(), 1);
  int shortage = 0;
  for (int i = 1; i <= 63; ++i) {
    if (form.dosu(i)->text() == "1")
      shortage = i - 59;
  }
  EXPECT_EQ(form.Label(3)->text(), QString::fromStdString(AverageText(float(shortage))));
}

TEST_F(ExperimentStartTest, TenGuestsFillOnlyTheCellsTheyCanReach) {
  StartWith("10", "10000");
  form.Command(1)->click();
  EXPECT_EQ(SumOfCells(), 10000);
  for (int i = 1; i <= 63; ++i) {
    if (i < 49 || i > 60) {
      EXPECT_EQ(form.dosu(i)->text(), "0") << i;
    }
  }
  EXPECT_NE(form.dosu(49)->text(), "0");  // all ten tails: about ten in 10000
}

TEST_F(ExperimentStartTest, EachRunStartsAfreshAfterInit) {
  StartWith("1000", "10000");
  form.Command(1)->click();
  ASSERT_EQ(SumOfCells(), 10000);
  EXPECT_NE(form.dosu(1)->text(), "0");  // 1000 guests often fall below -57

  script.Type("50").Type("3");
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());
  form.Command(1)->click();
  EXPECT_EQ(SumOfCells(), 3);
  EXPECT_EQ(form.Engine().ShortageSum, form.Engine().ShortageByExperiment[1] +
                                           form.Engine().ShortageByExperiment[2] +
                                           form.Engine().ShortageByExperiment[3]);
}

}  // namespace
}  // namespace ombrix::testing
