// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "program.h"

namespace ombrix {
namespace {

// The event loop returns the status of the first ending, 70 for a run-time error.
TEST(ProgramTest, EndingLeavesTheEventLoopWithItsStatus) {
  Program program;
  QTimer::singleShot(0, [&] {
    program.End(Program::kRunTimeErrorStatus);
    program.End(0);
  });
  EXPECT_EQ(QApplication::exec(), 70);
}

}  // namespace
}  // namespace ombrix
