// A user who never tires: a seeded random sequence of clicks, dialog answers and window
// closings against the whole program, in-process, with the windows' invariants checked after
// every action. The seed is printed; OMBRIX_MONKEY_SEED replays a run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "ask_settings.h"
#include "picture_box.h"
#include "program.h"
#include "windows.h"

namespace ombrix::testing {
namespace {

constexpr int kActions = 2000;
constexpr std::uint64_t kDefaultSeed = 20261206;
// How long the program may take to react (show a dialog, print the help text) before the
// monkey calls it stuck.
constexpr qint64 kReactionLimitMs = 10000;

// Texts whose number is known: what an answer typed as `text` stands for.
struct KnownText {
  const char* text;
  double value;
};
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr KnownText kNotations[] = {
    {"12abc", 12},
    {"  5", 5},
    {"1e3", 1000},
    {"-3", -3},
    {"10.7", 10.7},
    {"9.99", 9.99},
    {"1000.5", 1000.5},
    {"10001", 10001},
    {"0.5", 0.5},
    {"1,000", 1},
    {"1 000", 1000},
    {"&HFF", 255},
    {"&o17", 15},
    {"&H2710", 10000},
    {"+50", 50},
    {"5e-1", 0.5},
    {".5e1", 5},
    {"1.5.5", 1.5},
    {"0x10", 0},
    {"abc", 0},
    {"9.999", 9.999},
    {"1000.01", 1000.01},
    {"0.999", 0.999},
    {"10000.01", 10000.01},
    {"999.9", 999.9},
    {"1e999999", kInfinity},
    {"-0", 0},
    {"\xef\xbc\x95", 0},
    {"1\xef\xbc\x90", 1},
};

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the monkey expects the program to show next.
enum class Next {
  Nothing,
  Guests,
  Experiments,
  GuestsOrExperiments,
  ExperimentsOrNothing,
  Message
};

enum class Submit { OkButton, EnterKey, CancelButton, EscapeKey, CloseWindow };

struct Answer {
  QString text;
  Submit submit = Submit::OkButton;
  std::optional<double> value;  // the number the text stands for, when the monkey knows it
  std::string kind;
};

enum class EndCause { None, Exit, CancelledDialog, ClosedWindow };

// Drives one program after another until enough actions have been made. Like a user it waits
// for the program to respond before it acts on a window again: window actions are taken from
// Run(), between event-loop passes, when no handler runs. The settings dialogs and the exit
// message are modal and run their own loops inside a handler, so they are answered from a
// timer, which fires inside those loops. Run() spins processEvents() rather than an event
// loop of its own: ending the program quits every running loop.
class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : seed_(seed), random_(seed) {
    dialogTimer_.setInterval(1);
    QObject::connect(&dialogTimer_, &QTimer::timeout, &dialogTimer_, [this] { AnswerDialog(); });
  }

  ~Monkey() { StopProgram(); }

  // Acts until at least `target` user actions have been made and the program is at rest.
  void Run(int target) {
    dialogTimer_.start();
    StartProgram();
    while (failure_.isEmpty()) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      if (!failure_.isEmpty())
        break;
      if (program_->HasEnded()) {
        CheckEnding();
        if (actions_ >= target || !failure_.isEmpty())
          break;
        StopProgram();
        StartProgram();
        continue;
      }
      if (!AtRest())
        continue;
      if (endExpected_)
        Fail("the program goes on after its end: Exit, a cancelled dialog or a closed window");
      CheckInvariants(true);
      if (!failure_.isEmpty() || actions_ >= target)
        break;
      ActOnWindow();
    }
    dialogTimer_.stop();
    StopProgram();
  }

  const QString& Failure() const { return failure_; }
  int Actions() const { return actions_; }
  int Programs() const { return programs_; }
  const std::map<std::string, int>& Tally() const { return tally_; }

 private:
  // --- The program under test ------------------------------------------------------------

  void StartProgram() {
    program_ = std::make_unique<Program>();
    windows_ = std::make_unique<Windows>(*program_, seed_ + static_cast<std::uint64_t>(programs_));
    ++programs_;
    endCause_ = EndCause::None;
    endExpected_ = false;
    Log("start the program");
    windows_->StartUp();
    ExpectFreshMainWindow();
  }

  // An ended program swallows every event, the timer's too, until it is destroyed.
  void StopProgram() {
    // Windows unloaded by the program go first: they refer to their window objects.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows_.reset();
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  Form1& Main() { return windows_->MainWindow(); }
  bool HelpLoaded() const {
    return windows_->HelpWindowCreated() && windows_->HelpWindow().IsLoaded();
  }

  // The main window was shown afresh: it asks for both settings with empty labels.
  void ExpectFreshMainWindow() {
    variant_ = SettingsVariant::Activation;
    next_ = Next::Guests;
    expectedGuests_ = QString();
    expectedExperiments_ = QString();
    awaitingDialog_ = true;
    reactionClock_.start();
  }

  // Nothing runs that the monkey started or must wait for.
  bool AtRest() {
    if (QApplication::activeModalWidget() != nullptr) {
      if (reactionClock_.elapsed() > kReactionLimitMs)
        Fail("a dialog stays open and nobody answers it");
      return false;
    }
    if (awaitingHelpText_ && HelpLoaded() &&
        !windows_->HelpWindow().Picture1()->PrintedLines().isEmpty())
      awaitingHelpText_ = false;
    if (awaitingDialog_ || awaitingHelpText_) {
      if (reactionClock_.elapsed() > kReactionLimitMs)
        Fail(awaitingDialog_ ? "the main window was shown but never asked for the settings"
                             : "the help window was shown but never printed its text");
      return false;
    }
    return true;
  }

  // --- Actions on the windows ------------------------------------------------------------

  void ActOnWindow() {
    if (next_ != Next::Nothing && next_ != Next::ExperimentsOrNothing)
      return Fail("a dialog was expected but the program came to rest without one");
    next_ = Next::Nothing;
    reactionClock_.start();

    if (Main().IsLoaded()) {
      if (expectFilledTable_ && Main().dosu(1)->text().isEmpty())
        return Fail("Experiment Start left the table empty");
      expectFilledTable_ = false;
      switch (Pick({32, 24, 14, 5, 3})) {
        case 0: {
          QPushButton* start = Main().Command(1);
          const bool enabled = start->isEnabled();
          Count(enabled ? "click Experiment Start" : "click Experiment Start (disabled)");
          expectFilledTable_ = enabled;
          QTest::mouseClick(start, Qt::LeftButton);
          return;
        }
        case 1:
          Count("click Init");
          variant_ = SettingsVariant::Init;
          next_ = Next::Guests;
          expectedGuests_ = QString();
          expectedExperiments_ = QString();
          QTest::mouseClick(Main().Command(3), Qt::LeftButton);
          return;
        case 2:
          Count("click Help");
          awaitingHelpText_ = true;
          QTest::mouseClick(Main().Command(4), Qt::LeftButton);
          return;
        case 3:
          Count("click Exit");
          next_ = Next::Message;
          endCause_ = EndCause::Exit;
          QTest::mouseClick(Main().Command(2), Qt::LeftButton);
          return;
        default:
          Count("close the main window");
          endCause_ = EndCause::ClosedWindow;
          endExpected_ = true;
          Main().Window()->close();
          return;
      }
    }

    if (!HelpLoaded())
      return Fail("neither window is loaded");
    if (Pick({88, 12}) == 0) {
      Count("click Close");
      ExpectFreshMainWindow();
      QTest::mouseClick(windows_->HelpWindow().Find<QPushButton>("Command1"), Qt::LeftButton);
    } else {
      Count("close the help window");
      endCause_ = EndCause::ClosedWindow;
      endExpected_ = true;
      windows_->HelpWindow().Window()->close();
    }
  }

  // --- Answers to the dialogs ------------------------------------------------------------

  void AnswerDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    // Each dialog is answered once; one asked again is a new object.
    if (dialog == nullptr || !dialog->isVisible() || dialog->property("monkeySaw").toBool())
      return;
    dialog->setProperty("monkeySaw", true);
    reactionClock_.start();
    if (!failure_.isEmpty()) {
      dialog->close();  // wind the program down so that the run can stop
      return;
    }
    awaitingDialog_ = false;
    CheckInvariants(false);

    if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
      AnswerInput(*input);
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      AnswerMessage(*box);
    } else {
      Fail("an unknown modal window: " + dialog->windowTitle());
    }
    // A dialog left unanswered after a failure would hold the run forever.
    if (!failure_.isEmpty() && dialog->isVisible())
      dialog->close();
  }

  void AnswerInput(QInputDialog& dialog) {
    const bool guests = dialog.labelText() == ToQString(kGuestsDialog.prompt);
    const bool experiments = dialog.labelText() == ToQString(kExperimentsDialog.prompt);
    if (!guests && !experiments)
      return Fail("an input dialog with the prompt " + dialog.labelText());
    const bool expected = guests
                              ? (next_ == Next::Guests || next_ == Next::GuestsOrExperiments)
                              : (next_ == Next::Experiments || next_ == Next::GuestsOrExperiments ||
                                 next_ == Next::ExperimentsOrNothing);
    if (!expected)
      return Fail(QStringLiteral("the %1 dialog opened when it was not due")
                      .arg(guests ? "guests" : "experiments"));
    const CountDialog& shape = guests ? kGuestsDialog : kExperimentsDialog;
    const std::string_view title = guests ? GuestsTitle(variant_) : ExperimentsTitle(variant_);
    if (dialog.windowTitle() != ToQString(title))
      return Fail("a settings dialog titled " + dialog.windowTitle());
    auto* edit = dialog.findChild<QLineEdit*>();
    if (edit == nullptr || edit->text() != ToQString(shape.defaultText))
      return Fail("a settings dialog without its fixed default text");

    const Answer answer = MakeAnswer(guests);
    Count("answer: " + answer.kind,
          QStringLiteral(" \"%1\" to the %2 dialog")
              .arg(Shorten(answer.text), guests ? "guests" : "experiments"));
    ExpectAfterAnswer(guests, shape, answer);

    if (answer.submit == Submit::OkButton || answer.submit == Submit::EnterKey ||
        answer.submit == Submit::CancelButton) {
      Enter(*edit, answer.text);
    }
    switch (answer.submit) {
      case Submit::OkButton:
        ClickButton(dialog, QDialogButtonBox::Ok);
        break;
      case Submit::EnterKey:
        QTest::keyClick(edit, Qt::Key_Return);
        break;
      case Submit::CancelButton:
        ClickButton(dialog, QDialogButtonBox::Cancel);
        break;
      case Submit::EscapeKey:
        QTest::keyClick(edit, Qt::Key_Escape);
        break;
      case Submit::CloseWindow:
        dialog.close();
        break;
    }
  }

  // What the answer leads to: the same dialog again, the next one, the exit message, or rest.
  void ExpectAfterAnswer(bool guests, const CountDialog& shape, const Answer& answer) {
    const bool ends = answer.submit == Submit::CancelButton || answer.submit == Submit::EscapeKey ||
                      answer.submit == Submit::CloseWindow || answer.text.isEmpty();
    if (ends) {
      next_ = Next::Message;
      endCause_ = EndCause::CancelledDialog;
      return;
    }
    std::optional<QString>& label = guests ? expectedGuests_ : expectedExperiments_;
    if (!answer.value) {
      next_ = guests ? Next::GuestsOrExperiments : Next::ExperimentsOrNothing;
      label.reset();
      return;
    }
    const double value = *answer.value;
    if (value >= shape.lower && value <= shape.upper) {
      next_ = guests ? Next::Experiments : Next::Nothing;
      label = QString::number(static_cast<int>(std::floor(value)));
    } else {
      next_ = guests ? Next::Guests : Next::Experiments;
    }
  }

  void AnswerMessage(QMessageBox& box) {
    if (next_ != Next::Message || endCause_ == EndCause::None)
      return Fail("a message box nobody asked for: " + box.text());
    if (box.text() != ToQString(kExitPrompt) || box.windowTitle() != ToQString(kExitTitle))
      return Fail("a message box other than the exit message: " + box.text());
    next_ = Next::Nothing;
    endExpected_ = true;
    switch (Pick({40, 20, 20, 20})) {
      case 0:
        Count("exit message: OK");
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
        break;
      case 1:
        Count("exit message: Enter");
        QTest::keyClick(&box, Qt::Key_Return);
        break;
      case 2:
        Count("exit message: Esc");
        QTest::keyClick(&box, Qt::Key_Escape);
        break;
      default:
        Count("exit message: close");
        box.close();
        break;
    }
  }

  Answer MakeAnswer(bool guests) {
    const int lower = guests ? 10 : 1;
    const int upper = guests ? 1000 : 10000;
    Answer answer;
    switch (Pick({60, 16, 16, 16, 24, 8, 8, 20, 3, 4, 2, 2})) {
      case 0: {
        const int value = guests ? Uniform(lower, upper) : FewExperiments();
        answer = {QString::number(value), Submit::OkButton, value, "valid"};
        break;
      }
      case 1: {
        const int value = Pick({1, 1}) == 0 ? lower : upper;
        answer = {QString::number(value), Submit::OkButton, value, "bound"};
        break;
      }
      case 2: {
        static constexpr const char* kGuestsOutside[] = {"9", "1001", "9.999", "1000.01", "0"};
        static constexpr const char* kExperimentsOutside[] = {"0", "10001", "0.999", "10000.01",
                                                              "-1"};
        const char* text =
            guests ? kGuestsOutside[Uniform(0, 4)] : kExperimentsOutside[Uniform(0, 4)];
        answer = {text, Submit::OkButton, QString(text).toDouble(), "just outside"};
        break;
      }
      case 3: {
        const int whole = guests ? Uniform(lower, upper - 1) : FewExperiments() % upper;
        const QString digits = QString::number(Uniform(0, 999)).rightJustified(Uniform(1, 3), '0');
        const QString text = QString::number(whole) + '.' + digits;
        answer = {text, Submit::OkButton, text.toDouble(), "fraction"};
        break;
      }
      case 4: {
        const KnownText& known = kNotations[Uniform(0, int(std::size(kNotations)) - 1)];
        answer = {QString::fromUtf8(known.text), Submit::OkButton, known.value, "notation"};
        break;
      }
      case 5:
        answer = LongAnswer();
        break;
      case 6:
        answer = {QString(Uniform(1, 6), ' '), Submit::OkButton, 0.0, "blanks"};
        break;
      case 7: {
        QString text;
        for (int i = Uniform(1, 12); i > 0; --i)
          text += QChar(Uniform(0x21, 0x7e));
        answer = {text, Submit::OkButton, std::nullopt, "garbage"};
        break;
      }
      case 8:
        answer = {QString(), Submit::OkButton, std::nullopt, "empty"};
        break;
      case 9:
        answer = {QString::number(Uniform(lower, upper)), Submit::CancelButton, std::nullopt,
                  "Cancel"};
        break;
      case 10:
        answer = {QString(), Submit::EscapeKey, std::nullopt, "Esc"};
        break;
      default:
        answer = {QString(), Submit::CloseWindow, std::nullopt, "close"};
        break;
    }
    if (answer.submit == Submit::OkButton && Pick({7, 3}) == 1)
      answer.submit = Submit::EnterKey;
    return answer;
  }

  // Experiment counts are mostly small, so that the runs stay short.
  int FewExperiments() {
    switch (Pick({85, 12, 3})) {
      case 0:
        return Uniform(1, 50);
      case 1:
        return Uniform(51, 1000);
      default:
        return Uniform(1001, 10000);
    }
  }

  // 100k characters. The edit field keeps only its maximum length, so only texts whose number
  // does not depend on where they are cut are given a known value.
  Answer LongAnswer() {
    constexpr int kLength = 100000;
    switch (Pick({1, 1, 1, 1})) {
      case 0:
        return {'7' + QString(kLength - 1, 'x'), Submit::OkButton, 7.0, "long: 7 then letters"};
      case 1:
        return {QString(kLength, '1'), Submit::OkButton, kInfinity, "long: digits"};
      case 2:
        return {QString(kLength, ' '), Submit::OkButton, 0.0, "long: blanks"};
      default: {
        QString text(kLength, '0');
        text[kLength - 1] = '5';
        return {text, Submit::OkButton, std::nullopt, "long: zeros then 5"};
      }
    }
  }

  // Typed key by key where a keyboard would do; pasted (set at once) otherwise.
  static void Enter(QLineEdit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    bool typeable = text.size() <= 64;
    for (QChar c : text)
      typeable = typeable && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (typeable)
      QTest::keyClicks(&edit, text);
    else
      edit.setText(text);
  }

  static void ClickButton(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    QPushButton* button = box ? box->button(which) : nullptr;
    if (button == nullptr) {
      dialog.close();
      return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // --- Invariants ------------------------------------------------------------------------

  void CheckInvariants(bool atRest) {
    const bool mainLoaded = Main().IsLoaded();
    if (int(mainLoaded) + int(HelpLoaded()) != 1)
      return Fail(QStringLiteral("%1 windows loaded while the program runs")
                      .arg(int(mainLoaded) + int(HelpLoaded())));
    if (!mainLoaded)
      return;

    Form1& main = Main();
    CheckCountLabel(*main.Label(82), 10, 1000, main.Settings().GuestCount, expectedGuests_,
                    "guests");
    CheckCountLabel(*main.Label(2), 1, 10000, main.Settings().ExperimentCount, expectedExperiments_,
                    "experiments");

    int filled = 0;
    int sum = 0;
    for (int i = 1; i <= 63; ++i) {
      const QString text = main.dosu(i)->text();
      if (text.isEmpty())
        continue;
      bool number = false;
      const int count = text.toInt(&number);
      if (!number || count < 0)
        return Fail(QStringLiteral("cell %1 shows \"%2\"").arg(i).arg(Shorten(text)));
      ++filled;
      sum += count;
    }
    if (filled != 0 && filled != 63)
      return Fail(QStringLiteral("%1 of the 63 cells are filled").arg(filled));
    const QString experiments = main.Label(2)->text();
    if (filled == 63 && (experiments.isEmpty() || sum != experiments.toInt()))
      return Fail(QStringLiteral("the cells add up to %1 with \"%2\" experiments shown")
                      .arg(sum)
                      .arg(experiments));
    if (main.Label(3)->text().isEmpty() != (filled == 0))
      return Fail("the average and the table disagree about whether a run is shown");

    if (atRest) {
      if (main.Command(1)->isEnabled() != (filled == 0))
        return Fail("Experiment Start is enabled with a filled table, or disabled without one");
      for (int button : {2, 3, 4}) {
        if (!main.Command(button)->isEnabled())
          return Fail(QStringLiteral("Command%1 is disabled at rest").arg(button));
      }
    }
  }

  void CheckCountLabel(const QLabel& label, int lower, int upper, std::int16_t stored,
                       const std::optional<QString>& expected, const char* what) {
    const QString text = label.text();
    if (expected && text != *expected)
      return Fail(QStringLiteral("the %1 label shows \"%2\", expected \"%3\"")
                      .arg(what, Shorten(text), *expected));
    if (text.isEmpty())
      return;
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || QString::number(value) != text || value < lower || value > upper ||
        value != stored)
      return Fail(QStringLiteral("the %1 label shows \"%2\" with %3 stored")
                      .arg(what, Shorten(text))
                      .arg(stored));
  }

  // The program may only have ended through Exit, a cancelled dialog or the last window
  // closing, and then with no window left.
  void CheckEnding() {
    if (!endExpected_)
      return Fail("the program ended without Exit, a cancelled dialog or a closed window");
    if (Main().IsLoaded() || HelpLoaded())
      return Fail("the program ended with a window still loaded");
    if (endCause_ != EndCause::ClosedWindow && Main().Settings().ExitAnswer != 1)
      return Fail("the exit message stored an answer other than OK");
    static constexpr const char* kCauses[] = {"", "ended by Exit", "ended by a cancelled dialog",
                                              "ended by a closed window"};
    ++tally_[kCauses[static_cast<int>(endCause_)]];
    Log(kCauses[static_cast<int>(endCause_)]);
  }

  // --- Bookkeeping -----------------------------------------------------------------------

  int Uniform(int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(random_);
  }
  int Pick(std::initializer_list<int> weights) {
    return std::discrete_distribution<int>(weights.begin(), weights.end())(random_);
  }

  static QString Shorten(const QString& text) {
    return text.size() <= 24 ? text
                             : text.left(12) + QStringLiteral("...(%1 chars)").arg(text.size());
  }

  void Count(const std::string& kind, const QString& detail = QString()) {
    ++actions_;
    ++tally_[kind];
    Log(QString::fromStdString(kind) + detail);
  }

  void Log(const QString& line) {
    recent_.push_back(QStringLiteral("  #%1 %2").arg(actions_).arg(line));
    if (recent_.size() > 30)
      recent_.pop_front();
  }

  void Fail(const QString& what) {
    if (!failure_.isEmpty())
      return;
    failure_ = QStringLiteral("after action #%1 of program #%2 (seed %3): %4\nlast actions:\n")
                   .arg(actions_)
                   .arg(programs_)
                   .arg(seed_)
                   .arg(what);
    for (const QString& line : recent_)
      failure_ += line + '\n';
  }

  const std::uint64_t seed_;
  std::mt19937_64 random_;
  QTimer dialogTimer_;
  QElapsedTimer reactionClock_;

  std::unique_ptr<Program> program_;
  std::unique_ptr<Windows> windows_;

  // What the monkey did, and so what it may see next.
  SettingsVariant variant_ = SettingsVariant::Activation;
  Next next_ = Next::Nothing;
  std::optional<QString> expectedGuests_;
  std::optional<QString> expectedExperiments_;
  bool awaitingDialog_ = false;
  bool awaitingHelpText_ = false;
  bool expectFilledTable_ = false;
  EndCause endCause_ = EndCause::None;
  bool endExpected_ = false;

  int actions_ = 0;
  int programs_ = 0;
  std::map<std::string, int> tally_;
  std::deque<QString> recent_;
  QString failure_;
};

std::optional<std::uint64_t> SeedFromEnvironment() {
  const QByteArray text = qgetenv("OMBRIX_MONKEY_SEED");
  if (text.isEmpty())
    return kDefaultSeed;
  bool number = false;
  const qulonglong seed = text.toULongLong(&number);
  if (!number)
    return std::nullopt;
  return seed;
}

TEST(MonkeyTest, TwoThousandRandomActionsKeepTheWindowsConsistent) {
  const std::optional<std::uint64_t> seed = SeedFromEnvironment();
  ASSERT_TRUE(seed.has_value()) << "OMBRIX_MONKEY_SEED is not a number";
  std::printf("[ monkey   ] seed %llu (replay with OMBRIX_MONKEY_SEED=%llu)\n",
              static_cast<unsigned long long>(*seed), static_cast<unsigned long long>(*seed));
  std::fflush(stdout);
  RecordProperty("seed", std::to_string(*seed));

  QElapsedTimer clock;
  clock.start();
  Monkey monkey(*seed);
  monkey.Run(kActions);

  ASSERT_TRUE(monkey.Failure().isEmpty()) << monkey.Failure().toStdString();
  EXPECT_GE(monkey.Actions(), kActions);
  std::printf("[ monkey   ] %d actions, %d program starts, %lld ms\n", monkey.Actions(),
              monkey.Programs(), static_cast<long long>(clock.elapsed()));
  for (const auto& [kind, count] : monkey.Tally())
    std::printf("[ monkey   ]   %5d  %s\n", count, kind.c_str());
  std::fflush(stdout);

  // Every way of ending the program, and every kind of user action, must have been tried.
  for (const char* kind : {"ended by Exit",
                           "ended by a cancelled dialog",
                           "ended by a closed window",
                           "click Experiment Start",
                           "click Experiment Start (disabled)",
                           "click Init",
                           "click Help",
                           "click Close",
                           "close the main window",
                           "close the help window",
                           "exit message: OK",
                           "exit message: Enter",
                           "exit message: Esc",
                           "exit message: close",
                           "answer: valid",
                           "answer: bound",
                           "answer: just outside",
                           "answer: fraction",
                           "answer: notation",
                           "answer: long: digits",
                           "answer: blanks",
                           "answer: garbage",
                           "answer: empty",
                           "answer: Cancel",
                           "answer: Esc",
                           "answer: close"}) {
    EXPECT_GT(monkey.Tally().count(kind), 0u) << "never happened: " << kind;
  }
}

}  // namespace
}  // namespace ombrix::testing
