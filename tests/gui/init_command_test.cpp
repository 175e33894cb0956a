#include <QPushButton>
#include <QSignalSpy>

#include "main_window_fixture.h"
#include "media_control.h"

namespace ombrix::testing {
namespace {

class InitCommandTest : public MainWindowTest {
 protected:
  // What the window shows when a dialog opens: guests, experiments, average, cells.
  void ObserveLabels() {
    script.Observe([this] {
      if (!form.IsLoaded())
        return QStringLiteral("unloaded");
      return QStringLiteral("%1|%2|%3|%4")
          .arg(Text(form.Label(82)), Text(form.Label(2)), Text(form.Label(3)),
               AllCellsEmpty() ? "empty" : "filled");
    });
  }
};

TEST_F(InitCommandTest, AfterARunClearsTheTableAndAsksWithItsOwnTitles) {
  StartWith("100", "1000");
  form.Command(1)->click();
  ASSERT_FALSE(form.Command(1)->isEnabled());

  ObserveLabels();
  script.Type("200").Type("50");
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());

  const auto& seen = script.Seen();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[2].title, " Setting the number of guests");
  EXPECT_EQ(seen[3].title, " Setting the number of experiment");
  EXPECT_EQ(seen[2].defaultText, "100");
  EXPECT_EQ(seen[3].defaultText, "1000");
  EXPECT_EQ(seen[2].note, "|||empty");
  EXPECT_EQ(seen[3].note, "200|||empty");  // the new guest count is shown at once
  EXPECT_TRUE(form.Command(1)->isEnabled());
  EXPECT_TRUE(AllCellsEmpty());
  EXPECT_EQ(form.Label(3)->text(), "");
  EXPECT_EQ(form.Label(82)->text(), "200");
  EXPECT_EQ(form.Label(2)->text(), "50");
  EXPECT_EQ(form.Settings().GuestCount, 200);
  EXPECT_EQ(form.Settings().ExperimentCount, 50);
  EXPECT_EQ(form.Label(77)->text(), "0");  // headings keep their captions
  EXPECT_EQ(form.Label(5)->text(), "Shortage");
}

TEST_F(InitCommandTest, BeforeAnyRunLeavesTheTableEmptyAndStartEnabled) {
  StartWith("100", "1000");
  script.Type("100").Type("1000").Type("30").Type("7");
  form.Command(3)->click();
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());
  EXPECT_TRUE(AllCellsEmpty());
  EXPECT_TRUE(form.Command(1)->isEnabled());
  EXPECT_EQ(form.Label(82)->text(), "30");
  EXPECT_EQ(form.Label(2)->text(), "7");
  EXPECT_FALSE(program.HasEnded());
}

TEST_F(InitCommandTest, PlaysItsCueThroughTheFiveWritesInOrder) {
  StartWith("100", "1000");
  QSignalSpy writes(form.MMControl1(), &MediaControl::propertyWritten);
  script.Type("100").Type("1000");
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());

  const std::vector<std::pair<int, QString>> expected = {
      {23, "Stop"}, {23, "Close"}, {22, "pinpon.wav"}, {23, "Open"}, {23, "Sound"}};
  ASSERT_EQ(writes.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(writes[i][0].toInt(), expected[i].first) << i;
    EXPECT_EQ(writes[i][1].toString(), expected[i].second) << i;
  }
}

TEST_F(InitCommandTest, CancelInTheGuestsDialogEndsWithEverythingEmpty) {
  StartWith("100", "1000");
  form.Command(1)->click();
  ObserveLabels();
  script.Cancel().PressOk();
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());

  ASSERT_EQ(script.Seen().size(), 4u);
  EXPECT_EQ(script.Seen()[3].title, "Experiment of Ombrix");
  EXPECT_EQ(script.Seen()[3].note, "|||empty");
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.Settings().ExitAnswer, 1);
  EXPECT_EQ(form.Settings().GuestCount, 100);  // a cancelled dialog changes no setting
}

TEST_F(InitCommandTest, CancelInTheExperimentsDialogKeepsTheNewGuestCountShown) {
  StartWith("100", "1000");
  ObserveLabels();
  script.Type("321").CloseWindow().PressOk();
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());

  ASSERT_EQ(script.Seen().size(), 5u);
  EXPECT_EQ(script.Seen()[4].prompt, "This software will exit.");
  EXPECT_EQ(script.Seen()[4].note, "321|||empty");
  EXPECT_TRUE(program.HasEnded());
  EXPECT_EQ(form.Settings().GuestCount, 321);
  EXPECT_EQ(form.Settings().ExperimentCount, 1000);
}

}  // namespace
}  // namespace ombrix::testing
