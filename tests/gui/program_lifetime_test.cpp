#include <gtest/gtest.h>

#include <QApplication>
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
  void StartUp(const QString& guests = "100", const QString& experiments = "1000") {
    script.Type(guests).Type(experiments);
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
  void ClickClose() { Click(help().Find<QPushButton>("Command1")); }

  Form1& main() { return windows.MainWindow(); }
  Form2& help() { return windows.HelpWindow(); }

  Program program;
  Windows windows{program, 42};
  DialogScript script;
};

TEST_F(ProgramLifetimeTest, StartUpShowsTheMainWindowWhichAsksForTheSettings) {
  StartUp("300", "20");
  ASSERT_TRUE(main().IsLoaded());
  EXPECT_TRUE(main().Window()->isVisible());
  EXPECT_EQ(main().Window()->geometry().topLeft(), QPoint(244, 99));
  EXPECT_EQ(main().Label(82)->text(), "300");
  EXPECT_EQ(main().Label(2)->text(), "20");
  EXPECT_FALSE(windows.HelpWindowCreated());
  EXPECT_FALSE(program.HasEnded());
}

TEST_F(ProgramLifetimeTest, HelpSwapsTheWindowsAndPrintsTheHelpText) {
  StartUp();
  ClickHelp();
  EXPECT_FALSE(program.HasEnded());  // no window was loaded for a moment inside Help
  EXPECT_FALSE(main().IsLoaded());
  ASSERT_TRUE(help().IsLoaded());
  EXPECT_TRUE(help().Window()->isVisible());
  EXPECT_EQ(help().Window()->geometry(), QRect(206, 136, 634, 581));
  EXPECT_TRUE(help().Window()->windowTitle().startsWith(
      QString::fromUtf8("Experiment of Ombrix 2＿Help（Problem and Operation method）\u3000")));

  const QStringList lines = help().Picture1()->PrintedLines();
  ASSERT_EQ(lines.size(), 35);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], QString::fromUtf8("\u3000【Problem】"));
  EXPECT_EQ(lines[14], "");
  EXPECT_EQ(lines[15], QString::fromUtf8("\u3000【Concept of experiment】"));
  EXPECT_EQ(lines[24], "");
  EXPECT_EQ(lines[25], QString::fromUtf8("\u3000【Operation method】"));
  EXPECT_EQ(lines[2], QString::fromUtf8("\u3000\u3000\u3000\u3000\u3000  Do you ever serve as "
                                        "secretary of a class meeting ?"));
  EXPECT_TRUE(lines[26].startsWith(QString::fromUtf8("\u3000\u3000\u3000\u3000\u3000■Specify")));
  EXPECT_TRUE(lines[4].endsWith("35 and the "));  // the trailing blank is part of the line
  EXPECT_EQ(lines[34], QString::fromUtf8("\u3000\u3000\u3000\u3000\u3000restarted from the "
                                         "beginning."));
  EXPECT_EQ(QApplication::focusWidget(), help().Find<QPushButton>("Command1"));
}

TEST_F(ProgramLifetimeTest, HelpTextStartsAtTheTopWithAnEmptyLine) {
  StartUp();
  ClickHelp();
  PictureBox* picture = help().Picture1();
  ASSERT_NE(picture, nullptr);
  EXPECT_DOUBLE_EQ(picture->font().pointSizeF(), 11.25);
  const QImage image = picture->grab().toImage();
  const int lineHeight = static_cast<int>(picture->LineHeight());
  // Dark pixels in the middle half of a line's band, clear of the neighbours' descenders.
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
  EXPECT_EQ(inkInRow(14), 0);
  EXPECT_GT(inkInRow(34), 0);  // the last line is inside the area
  EXPECT_EQ(inkInRow(35), 0);
}

TEST_F(ProgramLifetimeTest, CloseBringsBackAFreshMainWindowThatAsksAgain) {
  StartUp("100", "1000");
  main().Command(1)->click();
  ASSERT_FALSE(main().Command(1)->isEnabled());
  ClickHelp();

  script.Type("60").Type("5");
  ClickClose();
  EXPECT_FALSE(help().IsLoaded());
  ASSERT_TRUE(main().IsLoaded());
  EXPECT_TRUE(main().Command(1)->isEnabled());
  EXPECT_TRUE(main().Label(3)->text().isEmpty());
  for (int i = 1; i <= 63; ++i)
    EXPECT_TRUE(main().dosu(i)->text().isEmpty()) << i;
  EXPECT_EQ(main().Label(82)->text(), "60");
  EXPECT_EQ(main().Label(2)->text(), "5");
  EXPECT_EQ(script.Titles().back(), "Setting the number of experiments");
  EXPECT_FALSE(program.HasEnded());
}

TEST_F(ProgramLifetimeTest, HelpTwiceReusesTheOneHelpWindowAndPrintsTheTextOnce) {
  StartUp();
  ClickHelp();
  const Form2* first = &help();
  script.Type("100").Type("1000");
  ClickClose();
  ClickHelp();
  EXPECT_EQ(&help(), first);
  ASSERT_TRUE(help().IsLoaded());
  EXPECT_EQ(help().Picture1()->PrintedLines().size(), 35);
}

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
    if (way == 0)
      script.PressOk();
    if (way == 1)
      script.PressEscape();
    if (way == 2)
      script.CloseMessage();
    windows.MainWindow().Command(2)->click();
    ASSERT_TRUE(script.WaitUntilFinished());

    EXPECT_TRUE(program.HasEnded()) << way;
    EXPECT_FALSE(windows.MainWindow().IsLoaded()) << way;
    EXPECT_EQ(windows.MainWindow().Settings().ExitAnswer, 1) << way;
    ASSERT_EQ(script.Seen().size(), 3u) << way;
    EXPECT_EQ(script.Seen()[2].prompt, "This software will exit.");
    EXPECT_EQ(script.Seen()[2].note, "endpinpon.wav") << way;
  }
}

TEST_F(ProgramLifetimeTest, ClosingTheMainWindowThroughTheWindowManagerEnds) {
  StartUp();
  main().Window()->close();
  QTest::qWait(20);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(main().IsLoaded());
  EXPECT_EQ(script.Seen().size(), 2u);  // no message
}

TEST_F(ProgramLifetimeTest, ClosingTheHelpWindowThroughTheWindowManagerEnds) {
  StartUp();
  ClickHelp();
  help().Window()->close();
  QTest::qWait(20);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(help().IsLoaded());
  EXPECT_FALSE(main().IsLoaded());
  EXPECT_EQ(script.Seen().size(), 2u);
}

}  // namespace
}  // namespace ombrix::testing
