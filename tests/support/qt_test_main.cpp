// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the test programs that need Qt: an application on the platform the environment
// names, else on the offscreen one, set up as the program sets up its own.

#include <gtest/gtest.h>

#include <QApplication>

#include "program_windows.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ombrix::SetUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
