#include <QFile>
#include <QPushButton>
#include <QSignalSpy>

#include "main_window_fixture.h"
#include "media_control.h"

namespace ombrix::testing {
namespace {

using InitCommandTest = MainWindowTest;

// Run where no cue can be found, Init must still make its writes and do all its work.
TEST_F(InitCommandTest, AfterARunPlaysItsCueClearsTheTableAndAsksWithItsTitles) {
  ASSERT_FALSE(QFile::exists("pinpon.wav"));
  StartWith("100", "1000");
  form.Command(1)->click();
  ASSERT_FALSE(form.Command(1)->isEnabled());

  QSignalSpy writes(form.MMControl1(), &MediaControl::propertyWritten);
  script.Observe([this] {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(Text(form.Label(82)), Text(form.Label(2)), Text(form.Label(3)),
             AllCellsEmpty() ? "empty" : "filled");
  });
  script.Type("200").Type("50");
  form.Command(3)->click();
  ASSERT_TRUE(script.WaitUntilFinished());

  const std::pair<int, const char*> expected[] = {
      {23, "Stop"}, {23, "Close"}, {22, "pinpon.wav"}, {23, "Open"}, {23, "Sound"}};
  ASSERT_EQ(writes.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(writes[i][0].toInt(), expected[i].first) << i;
    EXPECT_EQ(writes[i][1].toString(), expected[i].second) << i;
  }
  const auto& seen = script.Seen();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[2].title, " Setting the number of guests");
  EXPECT_EQ(seen[3].title, " Setting the number of experiment");
  EXPECT_EQ(seen[2].defaultText, "100");
  EXPECT_EQ(seen[2].note, "|||empty");
  EXPECT_EQ(seen[3].note, "200|||empty");  // the new guest count is shown at once
  EXPECT_TRUE(form.Command(1)->isEnabled());
  EXPECT_TRUE(AllCellsEmpty());
  EXPECT_EQ(form.Label(3)->text(), "");
  EXPECT_EQ(form.Label(82)->text(), "200");
  EXPECT_EQ(form.Label(2)->text(), "50");

  form.Command(1)->click();  // the next run starts afresh
  EXPECT_EQ(SumOfCells(), 50);
}

}  // namespace
}  // namespace ombrix::testing
