// A user who never tires: a seeded random sequence of clicks, dialog answers and window
// closings against the real windows, in-process, with the program's invariants checked after
// every action. The seed is printed; OMBRIX_MONKEY_SEED replays a run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <utility>

#include "program.h"
#include "read_number.h"
#include "windows.h"

namespace ombrix::testing {
namespace {

constexpr int kActions = 2000;
constexpr std::uint64_t kDefaultSeed = 20261206;

// What each settings dialog accepts, stated here rather than taken from the code under test.
bool Accepts(bool guestsDialog, double value) {
  return guestsDialog ? value >= 10 && value <= 1000 : value >= 1 && value <= 10000;
}

// The bounds, and a thousandth beside each.
constexpr const char* kGuestsEdges[] = {"10", "1000", "9.999", "10.001", "999.999", "1000.001"};
constexpr const char* kExperimentsEdges[] = {"1",     "10000",    "0.999",
                                             "1.001", "9999.999", "10000.001"};
// Characters of numbers in all their notations, and a few that are not.
const QString kGarbage = QStringLiteral("0123456789 +-.,eE&HhOo#xyz");

QString Shorten(const QString& text) {
  return text.size() <= 24 ? text
                           : text.left(12) + QStringLiteral("...(%1 chars)").arg(text.size());
}

// Answers a dialog one way: "OK", "Enter", "Cancel", "Esc" or "close" (through its title bar).
void Submit(QWidget& dialog, const QString& way) {
  if (way == "close")
    dialog.close();
  else if (way == "Enter" || way == "Esc")
    QTest::keyClick(&dialog, way == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
  else
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(
                          way == "OK" ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                      Qt::LeftButton);
}

// Runs one program after another until enough actions have been made. Window actions are taken
// between event-loop passes, once the program is at rest; the modal dialogs run their own loops
// inside a handler, so they are answered from a timer that fires inside those loops.
class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : seed_(seed), random_(seed) {
    dialogTimer_.setInterval(1);
    QObject::connect(&dialogTimer_, &QTimer::timeout, &dialogTimer_, [this] { AnswerDialog(); });
  }
  ~Monkey() { StopProgram(); }

  // Returns what went wrong, or nothing.
  QString Run() {
    dialogTimer_.start();
    StartProgram();
    while (failure_.isEmpty()) {
      if (!WaitForRest())
        Fail("the program never came to rest");
      else if (program_->HasEnded())
        StartAgainAfterEnd();
      else if (CheckAtRest() && actions_ < kActions)
        ActOnWindow();
      else
        break;
    }
    dialogTimer_.stop();
    StopProgram();
    std::printf("[ monkey   ] %d actions, %d programs\n", actions_, programs_);
    for (const auto& [kind, count] : tally_)
      std::printf("[ monkey   ]   %5d  %s\n", count, qPrintable(kind));
    return failure_;
  }

 private:
  void StartProgram() {
    program_ = std::make_unique<Program>();
    windows_ = std::make_unique<Windows>(*program_, seed_ + static_cast<std::uint64_t>(programs_));
    ++programs_;
    endCause_ = nullptr;
    lastAnswer_.clear();
    Log("start the program");
    windows_->StartUp();
  }

  // An ended program swallows every event, the dialog timer's too, until it is destroyed.
  void StopProgram() {
    // Windows the program unloaded go first: they refer to their window objects.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows_.reset();
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void StartAgainAfterEnd() {
    if (endCause_ == nullptr)
      return Fail("the program ended, though nothing asked it to");
    ++tally_[QStringLiteral("ended by %1").arg(endCause_)];
    StopProgram();
    StartProgram();
  }

  // At rest the program has ended or waits for the user: no dialog is open, and a loaded main
  // window shows both settings, which it asks for once it has become active.
  bool WaitForRest() {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      Form1& main = windows_->MainWindow();
      if (program_->HasEnded() || (QApplication::activeModalWidget() == nullptr &&
                                   (!main.IsLoaded() || (!main.Label(82)->text().isEmpty() &&
                                                         !main.Label(2)->text().isEmpty()))))
        return true;
    }
    return false;
  }

  bool CheckAtRest() {
    if (endCause_ != nullptr)
      Fail(QStringLiteral("the program goes on after %1").arg(endCause_));
    CheckLastAnswer(false);
    CheckInvariants();
    return failure_.isEmpty();
  }

  void ActOnWindow() {
    Form1& main = windows_->MainWindow();
    QPushButton* button = nullptr;  // none: close the window through the window manager
    if (!main.IsLoaded()) {
      if (Pick({88, 12}) == 0)
        button = windows_->HelpWindow().Find<QPushButton>("Command1");
    } else if (const int pick = Pick({32, 24, 8, 4, 2}); pick < 4) {
      button = main.Command(std::array{1, 3, 4, 2}[pick]);  // Start, Init, Help, Exit
    }
    if (button == nullptr) {
      endCause_ = "closing the last window";
      Count(main.IsLoaded() ? "close the main window" : "close the help window");
      (main.IsLoaded() ? main.Window() : windows_->HelpWindow().Window())->close();
      return;
    }
    if (button->text() == "Exit")
      endCause_ = "Exit";
    Count("click " + button->text() + (button->isEnabled() ? "" : " (disabled)"));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Answers the dialog that has just opened, once; a dialog asked again is a new one.
  void AnswerDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible() || dialog->property("answered").toBool())
      return;
    dialog->setProperty("answered", true);
    auto* input = qobject_cast<QInputDialog*>(dialog);
    const bool guests = dialog->windowTitle().contains("guests");
    if (input != nullptr)
      CheckLastAnswer(lastAnswerToGuests_ == guests);
    else if (endCause_ == nullptr)
      Fail("a message box while nothing asked to end the program");
    CheckInvariants();
    if (!failure_.isEmpty()) {
      dialog->close();  // winds the program down so that the run can stop
    } else if (input != nullptr) {
      AnswerSettingsDialog(*input, guests);
    } else {
      const QString way = std::array{"OK", "Enter", "Esc", "close"}[Uniform(0, 3)];
      Count("exit message: " + way);
      Submit(*dialog, way);
    }
  }

  void AnswerSettingsDialog(QInputDialog& dialog, bool guests) {
    auto [kind, text] = AnswerText(guests);
    auto* edit = dialog.findChild<QLineEdit*>();
    edit->clear();
    if (text.size() <= 20)
      QTest::keyClicks(edit, text);
    else
      edit->setText(text);  // pasted
    text = edit->text();    // what OK returns: the field keeps at most 32767 characters
    const QString way =
        std::array{"OK", "Enter", "Cancel", "Esc", "close"}[Pick({60, 25, 2, 1, 1})];
    const bool submitted = way == "OK" || way == "Enter";
    Count("answer: " + (submitted ? kind : way),
          QStringLiteral(" \"%1\" to the %2 dialog, %3")
              .arg(Shorten(text), guests ? "guests" : "experiments", way));
    if (!submitted || text.isEmpty()) {
      endCause_ = "a cancelled dialog";
    } else {
      lastAnswer_ = text;
      lastAnswerToGuests_ = guests;
    }
    Submit(dialog, way);
  }

  std::pair<QString, QString> AnswerText(bool guests) {
    switch (Pick({60, 32, 16, 30, 6, 8, 2})) {
      case 0:  // experiment counts are mostly small, so that the runs stay short
        return {"count", QString::number(guests ? Uniform(10, 1000)
                                                : Uniform(1, Pick({85, 15}) == 0 ? 50 : 2000))};
      case 1:
        return {"bound or beside it", (guests ? kGuestsEdges : kExperimentsEdges)[Uniform(0, 5)]};
      case 2:
        return {"fraction", QStringLiteral("%1.%2")
                                .arg(guests ? Uniform(10, 999) : Uniform(1, 50))
                                .arg(Uniform(0, 999))};
      case 3: {
        QString garbage;
        for (int i = Uniform(1, 10); i > 0; --i)
          garbage += kGarbage[Uniform(0, int(kGarbage.size()) - 1)];
        return {"garbage", garbage};
      }
      case 4:
        return {"very long text", QString::number(Uniform(1, 999)).leftJustified(100000, ' ')};
      case 5:
        return {"blanks", QString(Uniform(1, 3), ' ')};
      default:
        return {"empty", QString()};
    }
  }

  // The last answer typed into a settings dialog was refused exactly when the same dialog came
  // back; an accepted one shows as the whole part of the number it starts with.
  void CheckLastAnswer(bool askedAgain) {
    if (lastAnswer_.isEmpty())
      return;
    const QString text = std::exchange(lastAnswer_, QString());
    const bool guests = lastAnswerToGuests_;
    const double value = ReadNumber(text.toStdString());
    const bool accept = Accepts(guests, value);
    QLabel* label = windows_->MainWindow().Label(guests ? 82 : 2);
    const QString shown = label ? label->text() : QStringLiteral("<no window>");
    if (askedAgain == accept ||
        (accept && shown != QString::number(static_cast<int>(std::floor(value)))))
      Fail(QStringLiteral("the %1 dialog %2 \"%3\", then shows \"%4\"")
               .arg(guests ? "guests" : "experiments", askedAgain ? "refused" : "accepted",
                    Shorten(text), shown));
  }

  // Exactly one window is loaded while the program runs. On the main window the settings shown
  // are empty or within their ranges; the table and the average are either all empty, or all 63
  // cells are filled and add up to the experiments shown; Experiment Start is enabled exactly
  // when the table is empty, and Exit, Init and Help always are.
  void CheckInvariants() {
    Form1& main = windows_->MainWindow();
    const bool helpLoaded = windows_->HelpWindowCreated() && windows_->HelpWindow().IsLoaded();
    if (int(main.IsLoaded()) + int(helpLoaded) != 1)
      return Fail(QStringLiteral("%1 windows loaded").arg(int(main.IsLoaded()) + int(helpLoaded)));
    if (!main.IsLoaded())
      return;
    for (const auto& [number, guests] : {std::pair{82, true}, std::pair{2, false}}) {
      const QString text = main.Label(number)->text();
      if (!text.isEmpty() &&
          (QString::number(text.toInt()) != text || !Accepts(guests, text.toInt())))
        Fail(QStringLiteral("Label%1 shows the setting \"%2\"").arg(number).arg(Shorten(text)));
    }
    int filled = 0;
    int sum = 0;
    for (int i = 1; i <= 63; ++i) {
      filled += main.dosu(i)->text().isEmpty() ? 0 : 1;
      sum += main.dosu(i)->text().toInt();
    }
    const QString average = main.Label(3)->text();
    const bool empty = filled == 0 && average.isEmpty();
    if (!empty && (filled != 63 || average.isEmpty() || sum != main.Label(2)->text().toInt()))
      Fail(QStringLiteral("%1 cells add up to %2, average \"%3\", experiments \"%4\"")
               .arg(QString::number(filled), QString::number(sum), average, main.Label(2)->text()));
    if (main.Command(1)->isEnabled() != empty)
      Fail("Experiment Start enabled over a run, or disabled over an empty table");
    if (!main.Command(2)->isEnabled() || !main.Command(3)->isEnabled() ||
        !main.Command(4)->isEnabled())
      Fail("Exit, Init or Help disabled");
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
  int Pick(std::initializer_list<int> weights) {
    return std::discrete_distribution<int>(weights.begin(), weights.end())(random_);
  }

  void Count(const QString& kind, const QString& detail = QString()) {
    ++actions_;
    ++tally_[kind];
    Log(kind + detail);
  }

  void Log(const QString& line) {
    recent_.append(QStringLiteral("  #%1 %2").arg(actions_).arg(line));
    if (recent_.size() > 12)
      recent_.removeFirst();
  }

  void Fail(const QString& what) {
    if (failure_.isEmpty())
      failure_ = QStringLiteral("seed %1, action #%2, program #%3: %4\nlast actions:\n%5")
                     .arg(QString::number(seed_), QString::number(actions_),
                          QString::number(programs_), what, recent_.join('\n'));
  }

  const std::uint64_t seed_;
  std::mt19937_64 random_;
  QTimer dialogTimer_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<Windows> windows_;
  const char* endCause_ = nullptr;  // set by an action that must end the program
  QString lastAnswer_;              // submitted to a settings dialog and not yet judged, or empty
  bool lastAnswerToGuests_ = false;
  int actions_ = 0;
  int programs_ = 0;
  std::map<QString, int> tally_;
  QStringList recent_;
  QString failure_;
};

TEST(MonkeyTest, TwoThousandRandomActionsKeepTheWindowsConsistent) {
  const QByteArray fromEnvironment = qgetenv("OMBRIX_MONKEY_SEED");
  bool number = true;
  const std::uint64_t seed =
      fromEnvironment.isEmpty() ? kDefaultSeed : fromEnvironment.toULongLong(&number);
  ASSERT_TRUE(number) << "OMBRIX_MONKEY_SEED is not a number";
  std::printf("[ monkey   ] seed %llu (replay with OMBRIX_MONKEY_SEED=%llu)\n",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
  std::fflush(stdout);

  const QString failure = Monkey(seed).Run();
  EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
}

}  // namespace
}  // namespace ombrix::testing
