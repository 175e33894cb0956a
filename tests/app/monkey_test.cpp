// SPDX-License-Identifier: GPL-3.0-or-later
// A user who never tires: seeded random clicks, dialog answers and window closings against the
// real windows, with the program's invariants checked after every action. The seed is printed;
// OMBRIX_MONKEY_SEED replays a run. It runs in the test language, en-XA, and finds no word on
// any window or dialog it meets that did not come from the catalogue.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <memory>
#include <random>

#include "dialog_script.h"
#include "program.h"
#include "program_windows.h"
#include "pseudo_language.h"
#include "settings_dialogs.h"

namespace ombrix::testing {
namespace {

class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : random_(seed) {
    script_.otherwise = [this](QWidget& dialog) { AnswerDialog(dialog); };
  }

  // Returns what went wrong first, or nothing.
  QString Run(int actions) {
    for (int i = 0; i < actions && failure_.isEmpty(); ++i) {
      if (!program_ || Ended()) {
        if (program_ && !ending_)
          Fail("the program ended, though nothing asked it to");
        windows_.reset();
        program_ = std::make_unique<Program>();
        windows_ = std::make_unique<ProgramWindows>(*program_, random_());
        windows_->StartUp();
        ending_ = false;
      }
      if (!WaitForRest())
        Fail("the program never came to rest");
      else if (!Ended() && ending_)
        Fail("the program goes on after it was asked to end");
      else if (!Ended()) {
        Check();
        Act();
      }
      log_ = log_.right(600);
    }
    return failure_;
  }

 private:
  int Pick(std::initializer_list<int> weights) {
    return std::discrete_distribution<int>(weights.begin(), weights.end())(random_);
  }
  QString Text(const char* label) { return Label(label)->text(); }
  // Every text of `window` and its shown controls that a user sees or a screen reader says.
  void CheckWords(const QWidget& window) {
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
      if (child->isVisibleTo(&window))
        widgets << child;
    for (const QWidget* widget : widgets) {
      const auto* label = qobject_cast<const QLabel*>(widget);
      const auto* button = qobject_cast<const QAbstractButton*>(widget);
      for (const QString& text : {widget->windowTitle(), widget->toolTip(),
                                  widget->accessibleName(), widget->accessibleDescription(),
                                  label ? label->text() : "", button ? button->text() : ""})
        if (!UnmarkedWords(text.toStdString()).empty())
          return Fail(widget->objectName() + " says words not from the catalogue: " + text);
    }
  }
  void Fail(const QString& what) {
    if (failure_.isEmpty())
      failure_ = what + "\nlast actions:" + log_;
  }
  // At rest the program has ended, or no dialog is open and a shown main window has its
  // settings: the experiments, asked last. Waits without sleeping, as QTest::qWaitFor would
  // between its polls.
  bool WaitForRest() {
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired();) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      if (Ended() ||
          (!QApplication::activeModalWidget() && (!Shown("Form1") || !Text("Label2").isEmpty())))
        return true;
    }
    return false;
  }

  void Act() {
    const bool main = Shown("Form1");
    const char* window = main ? "Form1" : "Form2";
    // The coins against the guests by their key, and their sweep when they are shown.
    const char* button = main ? std::array{"Command1", "Command3", "Command4",     "Command2",
                                           "",         "Ctrl+G",   "Ctrl+Shift+Z", "Sweep"}[Pick(
                                    {32, 24, 8, 4, 2, 6, 4, 4})]
                              : std::array{"Command1", ""}[Pick({88, 12})];
    log_ += QStringLiteral("\n%1 %2").arg(window, *button ? button : "closed");
    ending_ = !*button || (main && QString(button) == "Command2");  // closed, or Exit
    if (QString(button) == "Ctrl+G")
      Press(window, Qt::Key_G, Qt::ControlModifier);
    else if (QString(button) == "Ctrl+Shift+Z")
      Press(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else if (QString(button) == "Sweep")
      ClickIfShown(Find<QPushButton>("Chart", "Sweep"));
    else if (*button)
      QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
    else
      Shown(window)->close();
  }

  static void ClickIfShown(QPushButton* button) {
    if (button && button->isVisible())
      QTest::mouseClick(button, Qt::LeftButton);
  }

  void AnswerDialog(QWidget& dialog) {
    CheckWords(dialog);
    auto* input = qobject_cast<QInputDialog*>(&dialog);
    if (!input && !ending_)
      Fail("a message box, though nothing asked to end the program");
    if (!input)
      return QTest::keyClick(&dialog, Pick({1, 1}) ? Qt::Key_Escape : Qt::Key_Return);
    // Mostly counts, often just outside the bounds or not numbers at all, rarely nothing.
    const bool guests =
        dialog.windowTitle().toStdString() == kGuestsDialog.Title(SettingsVariant::Activation) ||
        dialog.windowTitle().toStdString() == kGuestsDialog.Title(SettingsVariant::Init);
    const CountDialog& asked = guests ? kGuestsDialog : kExperimentsDialog;
    const double low = asked.lower, high = asked.upper;
    // clang-format off
    const QString answers[] = {
        // At most 60 experiments, so that runs stay quick.
        QString::number(std::uniform_int_distribution(int(low), guests ? int(high) : 60)(random_)),
        QString::number(low - 0.001, 'f', 3), QString::number(high + 0.001, 'f', 3),
        QString::number(std::uniform_real_distribution(0.0, 1100.0)(random_)),
        QStringLiteral("&H3E8 1,5e+-x").left(std::uniform_int_distribution(0, 13)(random_)), ""};
    // clang-format on
    const QString answer = answers[Pick({40, 8, 8, 24, 16, 1})];
    const bool submit = Pick({95, 5}) == 0;
    log_ += QStringLiteral("\n  \"%1\" %2").arg(answer, submit ? "OK" : "Cancel");
    ending_ = ending_ || !submit || answer.isEmpty();
    input->setTextValue(answer);
    QTest::keyClick(&dialog, submit ? Qt::Key_Return : Qt::Key_Escape);
  }

  // One window shown, and the chart only beside the main window. On the main window, the
  // settings are whole numbers in their ranges and the table is empty or adds up to the
  // experiments shown; Experiment Start is enabled exactly over an empty table, the others
  // always are.
  void Check() {
    if (!Shown("Form1") == !Shown("Form2") || (Shown("Chart") && !Shown("Form1")))
      return Fail("not exactly one window shown, or the chart without the main window");
    for (const char* window : {"Form1", "Form2", "Chart"})
      if (Shown(window))
        CheckWords(*Shown(window));
    if (!Shown("Form1"))
      return;
    const int guests = Text("Label82").toInt(), experiments = Text("Label2").toInt();
    if (guests < kGuestsDialog.lower || guests > kGuestsDialog.upper ||
        experiments < kExperimentsDialog.lower || experiments > kExperimentsDialog.upper)
      Fail("settings shown: " + Text("Label82") + " and " + Text("Label2"));
    const QString table = Table();
    if (table != "empty" && table != Text("Label2"))
      Fail("the table shows " + table + " of " + Text("Label2") + " experiments");
    if (Buttons() != (table == "empty" ? "1111" : "0111"))
      Fail("buttons enabled: " + Buttons());
  }

  std::mt19937_64 random_;
  DialogScript script_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<ProgramWindows> windows_;
  bool ending_ = false;  // the last action asked to end the program
  QString log_;
  QString failure_;
};

TEST(MonkeyTest, TwoThousandRandomActionsKeepTheWindowsConsistent) {
  const QString seed = qEnvironmentVariable("OMBRIX_MONKEY_SEED", "20261206");
  std::printf("[ monkey   ] seed %s (replay with OMBRIX_MONKEY_SEED)\n", qPrintable(seed));
  const PseudoLanguage language;
  const QString failure = Monkey(seed.toULongLong()).Run(2000);
  EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
}

}  // namespace
}  // namespace ombrix::testing
