// A user who never tires: seeded random clicks, dialog answers and window closings against the
// real windows, with the program's invariants checked after every action. The seed is printed;
// OMBRIX_MONKEY_SEED replays a run.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <memory>
#include <random>

#include "dialog_script.h"
#include "program.h"
#include "program_windows.h"
#include "read_number.h"

namespace ombrix::testing {
namespace {

class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : random_(seed) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerDialog(); });
    timer_.start(1);
  }

  // Returns what went wrong first, or nothing.
  QString Run(int actions) {
    for (int i = 0; i < actions && failure_.isEmpty(); ++i) {
      if (!program_ || program_->HasEnded()) {
        if (program_ && !ending_)
          Fail("the program ended, though nothing asked it to");
        windows_.reset(), program_ = std::make_unique<Program>();
        windows_ = std::make_unique<ProgramWindows>(*program_, random_());
        windows_->StartUp(), ending_ = false;
      }
      if (!WaitForRest())
        Fail("the program never came to rest");
      else if (!program_->HasEnded() && ending_)
        Fail("the program goes on after it was asked to end");
      else if (!program_->HasEnded())
        Judge(false), Check(), Act();
      log_ = log_.right(600);
    }
    windows_.reset(), program_.reset();
    return failure_;
  }

 private:
  int Pick(std::initializer_list<int> weights) {
    return std::discrete_distribution<int>(weights.begin(), weights.end())(random_);
  }
  QString Text(const char* label) { return Label(label)->text(); }
  void Fail(const QString& what) {
    if (failure_.isEmpty())
      failure_ = what + "\nlast actions:" + log_;
  }
  // At rest the program has ended, or no dialog is open and a shown main window has its
  // settings. Waits without sleeping, as QTest::qWaitFor would between its polls.
  bool WaitForRest() {
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired();) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      if (program_->HasEnded() ||
          (!QApplication::activeModalWidget() &&
           (!Shown("Form1") || (!Text("Label82").isEmpty() && !Text("Label2").isEmpty()))))
        return true;
    }
    return false;
  }

  void Act() {
    const bool main = Shown("Form1");
    const char* window = main ? "Form1" : "Form2";
    const char* button = main ? std::array{"Command1", "Command3", "Command4", "Command2",
                                           ""}[Pick({32, 24, 8, 4, 2})]
                              : std::array{"Command1", ""}[Pick({88, 12})];
    log_ += QStringLiteral("\n%1 %2").arg(window, *button ? button : "closed");
    ending_ = !*button || (main && QString(button) == "Command2");  // closed, or Exit
    if (*button)
      QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
    else
      Shown(window)->close();
  }

  void AnswerDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool())
      return;
    dialog->setProperty("answered", true);
    auto* input = qobject_cast<QInputDialog*>(dialog);
    Judge(input && input->windowTitle() == judged_.title);
    if (!input && !ending_)
      Fail("a message box, though nothing asked to end the program");
    if (!input)
      return QTest::keyClick(dialog, Pick({1, 1}) ? Qt::Key_Escape : Qt::Key_Return);
    const bool guests = dialog->windowTitle().contains("guests");
    const std::array<QString, 7> answers = {
        QString::number(
            std::uniform_int_distribution(guests ? 10 : 1, guests ? 1000 : 60)(random_)),
        guests ? "9.999" : "0.999",
        guests ? "1000.001" : "10000.001",
        guests ? "10" : "10000",
        QString::number(std::uniform_real_distribution(0.0, 1100.0)(random_)),
        QStringLiteral("&H3E8 1,5e+-x").left(std::uniform_int_distribution(0, 13)(random_)),
        ""};
    const QString answer = answers[Pick({40, 8, 8, 4, 20, 16, 1})];
    const bool submit = Pick({95, 5}) == 0;
    log_ += QStringLiteral("\n  \"%1\" %2").arg(answer, submit ? "OK" : "Cancel");
    ending_ = ending_ || !submit || answer.isEmpty();
    if (!ending_)
      judged_ = {answer, input->windowTitle(), guests};
    input->setTextValue(answer);
    QTest::keyClick(dialog, submit ? Qt::Key_Return : Qt::Key_Escape);
  }

  // The last answer given was accepted exactly when it was in range, and is then shown as its
  // whole part; otherwise the same dialog came back.
  void Judge(bool askedAgain) {
    if (judged_.answer.isNull())
      return;
    const auto [answer, title, guests] = std::exchange(judged_, {});
    const double value = ReadNumber(answer.toStdString());
    const bool accept = guests ? value >= 10 && value <= 1000 : value >= 1 && value <= 10000;
    const QString shown = Text(guests ? "Label82" : "Label2");
    if (accept == askedAgain || (accept && shown != QString::number(std::floor(value))))
      Fail(QStringLiteral("\"%1\" in range: %2, asked again: %3, shown: %4")
               .arg(answer)
               .arg(accept)
               .arg(askedAgain)
               .arg(shown));
  }

  // One window shown. On the main window, the table is empty or adds up to the experiments
  // shown; Experiment Start is enabled exactly over an empty table, the others always are.
  void Check() {
    if (!Shown("Form1") == !Shown("Form2"))
      return Fail("not exactly one window shown");
    if (!Shown("Form1"))
      return;
    const QString table = Table();
    if (table != "empty" && table != Text("Label2"))
      Fail("the table shows " + table + " of " + Text("Label2") + " experiments");
    if (Button("Command1")->isEnabled() != (table == "empty") || !Button("Command2")->isEnabled() ||
        !Button("Command3")->isEnabled() || !Button("Command4")->isEnabled())
      Fail("a button in the wrong state");
  }

  std::mt19937_64 random_;
  QTimer timer_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<ProgramWindows> windows_;
  bool ending_ = false;  // the last action asked to end the program
  struct {
    QString answer, title;
    bool guests = false;
  } judged_;  // an answer given to a settings dialog, not yet judged
  QString log_;
  QString failure_;
};

TEST(MonkeyTest, TwoThousandRandomActionsKeepTheWindowsConsistent) {
  const std::uint64_t seed = qEnvironmentVariableIsSet("OMBRIX_MONKEY_SEED")
                                 ? qEnvironmentVariable("OMBRIX_MONKEY_SEED").toULongLong()
                                 : 20261206;
  std::printf("[ monkey   ] seed %llu (replay with OMBRIX_MONKEY_SEED)\n",
              (unsigned long long)seed);
  const QString failure = Monkey(seed).Run(2000);
  EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
}

}  // namespace
}  // namespace ombrix::testing
