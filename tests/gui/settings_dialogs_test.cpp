#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "main_window_fixture.h"

namespace ombrix::testing {
namespace {

class SettingsDialogsTest : public MainWindowTest {
 protected:
  void ShowAndWait() {
    form.Show();
    ASSERT_TRUE(script.WaitUntilFinished());
    FlushDeletions();
  }
};

TEST_F(SettingsDialogsTest, ActivationAsksGuestsThenExperimentsAndShowsThem) {
  script.Type("250").Type("40");
  ShowAndWait();
  ASSERT_EQ(script.Seen().size(), 2u);
  const SeenDialog& guests = script.Seen()[0];
  const SeenDialog& experiments = script.Seen()[1];
  EXPECT_EQ(guests.title, "Setting the number of guests");
  EXPECT_EQ(guests.prompt, "Please enter an integer between 10 and 1000 ...");
  EXPECT_EQ(guests.defaultText, "100");
  EXPECT_EQ(experiments.title, "Setting the number of experiments");
  EXPECT_EQ(experiments.prompt, "Please enter an integer between 1 and 10000 ...");
  EXPECT_EQ(experiments.defaultText, "1000");
  EXPECT_EQ(form.Label(82)->text(), "250");
  EXPECT_EQ(form.Label(2)->text(), "40");
  EXPECT_FALSE(program.HasEnded());
}

TEST_F(SettingsDialogsTest, RefusedAnswersAskAgainWithTheFixedDefault) {
  script.Type("9.999").Type("   ").Type("1000.01").Type("abc").Type("999.9");
  script.Type("0.999").Type("10000.01").Type("1, 000");
  ShowAndWait();
  ASSERT_EQ(script.Seen().size(), 8u);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(script.Seen()[i].defaultText, "100") << i;
  for (int i = 5; i < 8; ++i)
    EXPECT_EQ(script.Seen()[i].defaultText, "1000") << i;
  EXPECT_EQ(form.Settings().GuestCount, 999);
  EXPECT_EQ(form.Settings().ExperimentCount, 1);
  EXPECT_EQ(form.Label(82)->text(), "999");
  EXPECT_EQ(form.Label(2)->text(), "1");
}

TEST_F(SettingsDialogsTest, TheDefaultsAcceptedAsTheyStand) {
  script.Type("100").Type("1000");
  ShowAndWait();
  EXPECT_EQ(form.Settings().GuestCount, 100);
  EXPECT_EQ(form.Settings().ExperimentCount, 1000);
}

TEST_F(SettingsDialogsTest, CancelAtStartUpShowsTheExitMessageOnceAndEnds) {
  script.Observe([&] { return Text(form.Label(82)) + "|" + Text(form.Label(2)); });
  script.Cancel().PressOk();
  ShowAndWait();
  ASSERT_EQ(script.Seen().size(), 2u);
  const SeenDialog& message = script.Seen()[1];
  EXPECT_EQ(message.kind, SeenDialog::Kind::Message);
  EXPECT_EQ(message.title, "Experiment of Ombrix");
  EXPECT_EQ(message.prompt, "This software will exit.");
  EXPECT_EQ(message.note, "|");
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.Settings().ExitAnswer, 1);
  EXPECT_EQ(form.Settings().GuestCount, 0);
}

TEST_F(SettingsDialogsTest, OkOnAnEmptyFieldAndEscapeOnTheMessageEndAsWell) {
  script.Type("100").Type("").PressEscape();
  ShowAndWait();
  ASSERT_EQ(script.Seen().size(), 3u);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_EQ(form.Settings().GuestCount, 100);
  EXPECT_EQ(form.Settings().ExitAnswer, 1);
}

TEST_F(SettingsDialogsTest, TheExitMessageHasOnlyOkAndNoIcon) {
  QMessageBox::Icon icon = QMessageBox::Warning;
  int buttons = 0;
  script.Observe([&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      icon = box->icon();
      buttons = static_cast<int>(box->buttons().size());
    }
    return QString();
  });
  script.CloseWindow().PressOk();
  ShowAndWait();
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
}

TEST_F(SettingsDialogsTest, RegainingTheFocusDoesNotAskAgain) {
  StartWith("100", "1000");
  QWidget other;
  other.show();
  other.activateWindow();
  QTest::qWait(20);
  form.Window()->activateWindow();
  QTest::qWait(50);
  EXPECT_EQ(script.Seen().size(), 2u);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace ombrix::testing
