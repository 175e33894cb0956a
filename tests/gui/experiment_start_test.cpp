#include <QPushButton>

#include "frequency_table.h"
#include "main_window_fixture.h"

namespace ombrix::testing {
namespace {

using ExperimentStartTest = MainWindowTest;

TEST_F(ExperimentStartTest, OneRunFillsTheTableAndLeavesOnlyStartDisabled) {
  StartWith("100", "1000");
  form.Command(2)->setEnabled(false);
  form.Window()->setCursor(Qt::CrossCursor);
  form.Command(1)->click();

  EXPECT_EQ(SumOfCells(), 1000);
  for (int i = 1; i <= 63; ++i)
    EXPECT_FALSE(form.dosu(i)->text().isEmpty()) << i;
  EXPECT_EQ(form.dosu(61)->text(), "0");  // a value of 2 or more cannot occur
  // The average of 1000 meetings of 100 guests is close to the theoretical -7.47.
  EXPECT_NEAR(form.Label(3)->text().toDouble(), -7.5, 1.0);
  EXPECT_FALSE(form.Command(1)->isEnabled());
  for (int number : {2, 3, 4})
    EXPECT_TRUE(form.Command(number)->isEnabled()) << number;
  EXPECT_EQ(form.Window()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ExperimentStartTest, OneExperimentCountsItsValueInItsOwnCell) {
  StartWith("10", "1");
  form.Command(1)->click();
  EXPECT_EQ(SumOfCells(), 1);
  int shortage = 100;
  for (int i = 1; i <= 63; ++i) {
    if (form.dosu(i)->text() == "1")
      shortage = i - 59;
  }
  EXPECT_EQ(form.Label(3)->text(), QString::fromStdString(AverageText(float(shortage))));
}

}  // namespace
}  // namespace ombrix::testing
