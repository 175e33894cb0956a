// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "program.h"

namespace ombrix {
namespace {

// The event loop returns the status the program ends with: 0 for the user's endings, 70 for
// a run-time error; a second ending changes nothing.
TEST(ProgramTest, EndingLeavesTheEventLoopWithItsStatus) {
  const struct {
    int first, second, returned;
  } rows[] = {{0, Program::kRunTimeErrorStatus, 0}, {Program::kRunTimeErrorStatus, 0, 70}};
  for (const auto& row : rows) {
    Program program;
    QTimer::singleShot(0, [&] {
      program.End(row.first);
      program.End(row.second);
    });
    EXPECT_EQ(QApplication::exec(), row.returned);
  }
}

}  // namespace
}  // namespace ombrix
