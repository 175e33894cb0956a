// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the test programs that need Qt: an application on the offscreen platform, set up
// as the program sets up its own.

#include <gtest/gtest.h>

#include <QApplication>

#include "program_windows.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ombrix::SetUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
