#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "dialog_script.h"
#include "media_control.h"
#include "picture_box.h"
#include "program.h"
#include "windows.h"

namespace ombrix::testing {
namespace {

// The whole program in-process: both window objects, started as the program starts them.
class ProgramLifetimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script.Type("100").Type("1000");
    windows.StartUp();
    ASSERT_TRUE(script.WaitUntilFinished());
  }

  // Clicks a button and lets the deferred work (activation, deletion) run.
  void Click(QPushButton* button) {
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_TRUE(script.WaitUntilFinished());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Clicks Help and waits for the help window's activation to print its text.
  void ClickHelp() {
    Click(main().Command(4));
    ASSERT_TRUE(help().IsLoaded());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !help().Picture1()->PrintedLines().isEmpty(); }));
  }

  Form1& main() { return windows.MainWindow(); }
  Form2& help() { return windows.HelpWindow(); }

  Program program;
  Windows windows{program, 42};
  DialogScript script;
};

TEST_F(ProgramLifetimeTest, HelpPrintsItsTextAndCloseBringsBackAFreshMainWindow) {
  main().Command(1)->click();
  ClickHelp();
  EXPECT_FALSE(program.HasEnded());  // no window was loaded for a moment inside Help
  EXPECT_FALSE(main().IsLoaded());
  EXPECT_TRUE(help().Window()->isVisible());
  EXPECT_EQ(help().Window()->geometry(), QRect(206, 136, 634, 581));
  EXPECT_TRUE(help().Window()->windowTitle().startsWith(
      QString::fromUtf8("Experiment of Ombrix 2＿Help（Problem and Operation method）\u3000")));

  const QStringList lines = help().Picture1()->PrintedLines();
  ASSERT_EQ(lines.size(), 35);
  const std::pair<int, const char*> expected[] = {
      {0, ""},
      {1, "\u3000【Problem】"},
      {15, "\u3000【Concept of experiment】"},
      {25, "\u3000【Operation method】"},
      {34, "\u3000\u3000\u3000\u3000\u3000restarted from the beginning."}};
  for (const auto& [index, text] : expected)
    EXPECT_EQ(lines[index], QString::fromUtf8(text)) << index;
  EXPECT_TRUE(lines[26].startsWith(QString::fromUtf8("\u3000\u3000\u3000\u3000\u3000■Specify")));
  EXPECT_TRUE(lines[4].endsWith("35 and the "));  // the trailing blank is part of the line

  // Drawn from the top: dark pixels in the middle half of each line's band.
  PictureBox* picture = help().Picture1();
  const QImage image = picture->grab().toImage();
  const int lineHeight = static_cast<int>(picture->LineHeight());
  auto inkInRow = [&](int line) {
    const int top = 2 + line * lineHeight + lineHeight / 4;
    const int bottom = std::min(top + lineHeight / 2, image.height() - 2);
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 4; x < image.width() - 4; ++x)
        ink += qGray(image.pixel(x, y)) < 128;
    }
    return ink;
  };
  EXPECT_EQ(inkInRow(0), 0);
  EXPECT_GT(inkInRow(1), 0);
  EXPECT_GT(inkInRow(34), 0);  // the last line is inside the area
  EXPECT_EQ(inkInRow(35), 0);

  const Form2* first = &help();
  script.Type("60").Type("5");
  Click(help().Find<QPushButton>("Command1"));
  EXPECT_FALSE(help().IsLoaded());
  ASSERT_TRUE(main().IsLoaded());
  EXPECT_TRUE(main().Window()->isVisible());
  EXPECT_TRUE(main().Command(1)->isEnabled());
  EXPECT_TRUE(main().Label(3)->text().isEmpty());
  EXPECT_TRUE(main().dosu(55)->text().isEmpty());
  EXPECT_EQ(main().Label(82)->text(), "60");
  EXPECT_EQ(main().Label(2)->text(), "5");

  ClickHelp();  // the second time, the same help window prints the text once
  EXPECT_EQ(&help(), first);
  EXPECT_EQ(help().Picture1()->PrintedLines().size(), 35);
}

// Closing either window through the window manager ends the program without a message.
class WindowManagerCloseTest : public ProgramLifetimeTest,
                               public ::testing::WithParamInterface<bool> {};

// Close pressed before the help window's activation has printed anything: the activation of
// a window that is gone does nothing, and the main window comes back and asks again.
TEST_F(ProgramLifetimeTest, CloseBeforeTheHelpTextIsPrintedIsSafe) {
  main().Command(4)->click();
  QCoreApplication::processEvents();  // the activation arrives; its handler is still queued
  script.Type("100").Type("1000");
  help().Find<QPushButton>("Command1")->click();
  ASSERT_TRUE(script.WaitUntilFinished());
  QTest::qWait(20);
  EXPECT_FALSE(help().IsLoaded());
  EXPECT_TRUE(main().IsLoaded());
  EXPECT_FALSE(program.HasEnded());
}

TEST_P(WindowManagerCloseTest, EndsTheProgram) {
  if (GetParam())
    ClickHelp();
  (GetParam() ? help().Window() : main().Window())->close();
  QTest::qWait(20);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(main().IsLoaded());
  EXPECT_EQ(script.Seen().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(HelpWindowToo, WindowManagerCloseTest, ::testing::Bool());

TEST(ExitCommandTest, PlaysItsCueThenEndsWhateverClosesTheMessage) {
  for (int way = 0; way < 3; ++way) {
    Program program;
    Windows windows{program, 7};
    DialogScript script;
    script.Type("100").Type("1000");
    script.Observe([&] {
      MediaControl* player = windows.MainWindow().MMControl1();
      return player ? player->FileName() : QString();
    });
    windows.StartUp();
    ASSERT_TRUE(script.WaitUntilFinished());
    way == 0 ? script.PressOk() : way == 1 ? script.PressEscape() : script.CloseMessage();
    windows.MainWindow().Command(2)->click();
    ASSERT_TRUE(script.WaitUntilFinished());

    EXPECT_TRUE(program.HasEnded()) << way;
    EXPECT_FALSE(windows.MainWindow().IsLoaded()) << way;
    ASSERT_EQ(script.Seen().size(), 3u) << way;
    EXPECT_EQ(script.Seen()[2].prompt, "This software will exit.");
    EXPECT_EQ(script.Seen()[2].note, "endpinpon.wav") << way;
  }
}

}  // namespace
}  // namespace ombrix::testing
