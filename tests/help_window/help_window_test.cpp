// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "dialog_script.h"
#include "golden_image.h"
#include "program.h"
#include "program_windows.h"

namespace ombrix::testing {
namespace {

// The help window as the user sees it is compared with its golden image on the way. What Help
// and Close do besides (the chime, the chart closed, the settings asked again) the commands'
// table holds; that the windows carry it out, the monkey and the display test, which go
// through Help and Close again and again.
TEST(HelpWindowGoldenTest, HelpAndCloseSwitchWindowsAndBringBackAFreshMainWindow) {
  Program program;
  ProgramWindows windows(program, 7);
  DialogScript script;
  script.Type("100").Type("1000");
  windows.StartUp();
  ASSERT_TRUE(script.Finish());
  Button("Command4")->click();
  ASSERT_TRUE(Shown("Form2"));

  // Close before the help text is printed: a fresh main window asks for the settings again.
  script.Type("60").Type("5");
  Find<QPushButton>("Form2", "Command1")->click();
  ASSERT_TRUE(script.Finish());
  ASSERT_TRUE(Shown("Form1") && !Shown("Form2"));
  Button("Command4")->click();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Form2")));
  QTest::qWait(20);  // the activation's handler prints the text
  EXPECT_EQ(CompareWithGolden("help-window", *Shown("Form2")), "");
  EXPECT_EQ(Shown("Form2")->windowTitle(),
            "Experiment of Ombrix 2＿Help（Problem and Operation "
            "method）\u3000Ombrix project 2026");
  Shown("Form2")->close();  // through the window manager: no cue, no message, the end
  QTest::qWait(10);
  EXPECT_TRUE(Ended());
  EXPECT_EQ(script.seen.size(), 4);
}

}  // namespace
}  // namespace ombrix::testing
