// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows on an X display, sized and managed as tests/system/on_virtual_display.sh
// sets it up: where they open, and what loading them again and again costs in memory. Only a
// real windowing platform gives windows a frame and renders their icon.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QScreen>
#include <QWindow>
#include <fstream>

#include "dialog_script.h"
#include "program.h"
#include "program_windows.h"

namespace ombrix::testing {
namespace {

class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() {
    script_.otherwise = [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); };
    windows_.StartUp();
  }

  // Waits until `window` is shown on the screen with no dialog open; the main window has its
  // settings by then.
  static bool AtRest(const char* window) {
    return QTest::qWaitFor([window] {
      QWidget* shown = Shown(window);
      return shown && shown->windowHandle()->isExposed() && !QApplication::activeModalWidget() &&
             (shown->objectName() != "Form1" || !Label("Label2")->text().isEmpty());
    });
  }

  DialogScript script_;  // accepts every settings dialog's default
  Program program_;
  ProgramWindows windows_{program_};
};

// On any screen each window stands where its fixed place puts it, moved in just enough to lie
// on the available area, frame and title bar included, or, larger than the area, with its
// top-left corner there. Its button at the top or bottom right is on the area too.
TEST_F(DisplayTest, WindowsLieOnTheScreenFromTheirFixedPlace) {
  const auto check = [](const char* window, const QRect& place) {
    ASSERT_TRUE(AtRest(window));
    QWidget& shown = *Shown(window);
    const QRect area = shown.screen()->availableGeometry();
    QRect fitted = place.marginsAdded(shown.windowHandle()->frameMargins());
    fitted.moveRight(std::min(fitted.right(), area.right()));
    fitted.moveBottom(std::min(fitted.bottom(), area.bottom()));
    fitted.moveTopLeft({std::max(fitted.left(), area.left()), std::max(fitted.top(), area.top())});
    // A window manager answers a move in its own time.
    (void)QTest::qWaitFor([&] { return shown.frameGeometry() == fitted; }, 2000);
    EXPECT_EQ(shown.frameGeometry(), fitted) << window << " on " << ::testing::PrintToString(area);
    const QWidget& button = *Find(window, "Command1");
    EXPECT_TRUE(area.contains(QRect(button.mapToGlobal(QPoint()), button.size()))) << window;
  };
  check("Form1", QRect(244, 99, 613, 512));
  QTest::mouseClick(Find<QPushButton>("Form1", "Command4"), Qt::LeftButton);  // Help
  check("Form2", QRect(206, 136, 634, 581));
}

// Under a window manager the chart, opened over part of the main window, stays above it when
// the main window is raised: at a point they share, the screen shows the chart.
TEST_F(DisplayTest, ChartStaysAboveTheMainWindow) {
  ASSERT_TRUE(AtRest("Form1"));
  Button("Command1")->click();
  Press("Form1", Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(AtRest("Chart") && Shown("Chart")->geometry().intersects(Shown("Form1")->geometry()));
  Shown("Form1")->raise();
  QTest::qWait(300);  // the window manager restacks in its own time
  EXPECT_EQ(QGuiApplication::topLevelAt(Shown("Chart")->geometry().center()),
            Shown("Chart")->windowHandle());
}

// The resident memory of this process, in bytes.
long ResidentBytes() {
  long size = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// Help and Close unload one window and load the other afresh: after a few rounds, what a load
// takes an unload gives back, icon included.
TEST_F(DisplayTest, HelpAndCloseCostNoMemoryOnceSettled) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer's quarantine holds on to freed memory by design";
#endif
  long settled = 0;
  for (int round = 1; round <= 100; ++round) {
    ASSERT_TRUE(AtRest("Form1"));
    QTest::mouseClick(Find<QPushButton>("Form1", "Command4"), Qt::LeftButton);  // Help
    ASSERT_TRUE(AtRest("Form2"));
    QTest::mouseClick(Find<QPushButton>("Form2", "Command1"), Qt::LeftButton);  // Close
    if (round == 10)
      settled = ResidentBytes();
  }
  ASSERT_TRUE(AtRest("Form1"));
  EXPECT_LT(ResidentBytes() - settled, 2 << 20);
}

}  // namespace
}  // namespace ombrix::testing
