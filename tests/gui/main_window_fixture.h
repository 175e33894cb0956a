#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialog_script.h"
#include "form1.h"
#include "program.h"

namespace ombrix::testing {

inline constexpr std::uint64_t kSeed = 20261206;

// A program with its main window, driven through its real dialogs.
class MainWindowTest : public ::testing::Test {
 protected:
  // Shows the main window and answers its settings dialogs.
  void StartWith(const QString& guests, const QString& experiments) {
    script.Type(guests).Type(experiments);
    form.Show();
    ASSERT_TRUE(script.WaitUntilFinished());
  }

  QString Text(QLabel* label) const { return label ? label->text() : QStringLiteral("<none>"); }

  int SumOfCells() const {
    int sum = 0;
    for (int i = 1; i <= 63; ++i)
      sum += form.dosu(i)->text().toInt();
    return sum;
  }

  bool AllCellsEmpty() const {
    for (int i = 1; i <= 63; ++i) {
      if (!form.dosu(i)->text().isEmpty())
        return false;
    }
    return true;
  }

  Program program;
  Form1 form{program, kSeed};
  DialogScript script;
};

}  // namespace ombrix::testing
