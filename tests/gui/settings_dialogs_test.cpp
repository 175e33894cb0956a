#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <ostream>

#include "main_window_fixture.h"

namespace ombrix::testing {
namespace {

using SettingsDialogsTest = MainWindowTest;

// Refused answers ask again with the fixed default; focus regained later asks nothing.
TEST_F(SettingsDialogsTest, ActivationAsksGuestsThenExperimentsUntilTheyAreValid) {
  script.Type("9.999").Type("   ").Type("1000.01").Type("abc").Type("999.9");
  script.Type("0.999").Type("10000.01").Type("1, 000");
  form.Show();
  ASSERT_TRUE(script.WaitUntilFinished());
  const auto& seen = script.Seen();
  ASSERT_EQ(seen.size(), 8u);
  EXPECT_EQ(seen[0].title, "Setting the number of guests");
  EXPECT_EQ(seen[0].prompt, "Please enter an integer between 10 and 1000 ...");
  EXPECT_EQ(seen[5].title, "Setting the number of experiments");
  EXPECT_EQ(seen[5].prompt, "Please enter an integer between 1 and 10000 ...");
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(seen[i].defaultText, i < 5 ? "100" : "1000") << i;
  EXPECT_EQ(form.Label(82)->text(), "999");
  EXPECT_EQ(form.Label(2)->text(), "1");

  QWidget other;
  other.show();
  other.activateWindow();
  QTest::qWait(20);
  form.Window()->activateWindow();
  QTest::qWait(50);
  EXPECT_EQ(seen.size(), 8u);
}

// A settings dialog left without a value, at start-up or in Init after a run.
struct CancelCase {
  const char* where;
  bool inInit;
  void (*answer)(DialogScript&);
  const char* shownAtMessage;  // guests|experiments|average|cells as the exit message opens
  int guestCount;
};

void PrintTo(const CancelCase& c, std::ostream* os) {
  *os << c.where;
}

const CancelCase kCancelCases[] = {
    {"guests, Cancel", false, [](DialogScript& s) { s.Cancel().PressOk(); }, "|||empty", 0},
    {"guests, Esc", false, [](DialogScript& s) { s.TypeAndPress("", Qt::Key_Escape).PressOk(); },
     "|||empty", 0},
    {"experiments, OK on nothing", false,
     [](DialogScript& s) { s.Type("100").Type("").PressEscape(); }, "100|||empty", 100},
    {"experiments, closed", false,
     [](DialogScript& s) { s.Type("100").CloseWindow().CloseMessage(); }, "100|||empty", 100},
    {"Init guests, Cancel", true, [](DialogScript& s) { s.Cancel().PressOk(); }, "|||empty", 100},
    {"Init experiments, closed", true,
     [](DialogScript& s) { s.Type("321").CloseWindow().PressOk(); }, "321|||empty", 321},
};

class CancelTest : public MainWindowTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, ShowsTheExitMessageOnceAndEnds) {
  const CancelCase& c = GetParam();
  script.Observe([this] {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(Text(form.Label(82)), Text(form.Label(2)), Text(form.Label(3)),
             AllCellsEmpty() ? "empty" : "filled");
  });
  if (c.inInit) {
    StartWith("100", "1000");
    form.Command(1)->click();
  }
  c.answer(script);
  c.inInit ? form.Command(3)->click() : form.Show();
  ASSERT_TRUE(script.WaitUntilFinished());

  const auto& seen = script.Seen();
  EXPECT_EQ(std::count_if(seen.begin(), seen.end(),
                          [](const SeenDialog& d) { return d.kind == SeenDialog::Kind::Message; }),
            1);
  EXPECT_EQ(seen.back().title, "Experiment of Ombrix");
  EXPECT_EQ(seen.back().prompt, "This software will exit.");
  EXPECT_EQ(seen.back().note, c.shownAtMessage);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.Settings().ExitAnswer, 1);
  EXPECT_EQ(form.Settings().GuestCount, c.guestCount);  // a cancelled dialog changes nothing
}

INSTANTIATE_TEST_SUITE_P(EachDialog, CancelTest, ::testing::ValuesIn(kCancelCases));

}  // namespace
}  // namespace ombrix::testing
