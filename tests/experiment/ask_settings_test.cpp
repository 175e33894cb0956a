#include "ask_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "experiment_settings.h"
#include "settings_dialogs.h"

namespace ombrix {
namespace {

// The fixed texts, spelled out here so that a typo in the program shows up as a failure.
constexpr char kGuestsPrompt[] = "Please enter an integer between 10 and 1000 ...";
constexpr char kExperimentsPrompt[] = "Please enter an integer between 1 and 10000 ...";
constexpr char kGuestsTitle[] = "Setting the number of guests";
constexpr char kExperimentsTitle[] = "Setting the number of experiments";
constexpr char kInitGuestsTitle[] = " Setting the number of guests";
constexpr char kInitExperimentsTitle[] = " Setting the number of experiment";

enum class Kind { Input, Message, ShowGuests, ShowExperiments };

struct Call {
  Kind kind;
  std::string prompt;  // the shown text for the two labels
  std::string title;
  std::string defaultText;
  int buttonStyle = -1;
  ExperimentSettings settingsAtCall;  // what the settings held when the call was made
};

// Answers input dialogs from a script and records every call in order, together with the
// settings as they stood at that moment.
class ScriptedDialogs : public SettingsDialogs {
 public:
  ScriptedDialogs(const ExperimentSettings& settings, std::vector<std::string> answers)
      : settings_(settings), answers_(answers.begin(), answers.end()) {}

  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override {
    calls.push_back({Kind::Input, std::string(prompt), std::string(title), std::string(defaultText),
                     -1, settings_});
    if (answers_.empty()) {
      ADD_FAILURE() << "an input dialog was shown after the scripted answers ran out";
      return "";  // Cancel, so that a re-ask loop cannot spin forever
    }
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::int16_t MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) override {
    calls.push_back(
        {Kind::Message, std::string(prompt), std::string(title), "", buttonStyle, settings_});
    return messageBoxAnswer;
  }

  void ShowGuestCount(std::string_view text) override {
    calls.push_back({Kind::ShowGuests, std::string(text), "", "", -1, settings_});
  }

  void ShowExperimentCount(std::string_view text) override {
    calls.push_back({Kind::ShowExperiments, std::string(text), "", "", -1, settings_});
  }

  std::size_t AnswersLeft() const { return answers_.size(); }
  int CountOf(Kind kind) const {
    int count = 0;
    for (const Call& call : calls)
      count += call.kind == kind;
    return count;
  }

  std::vector<Call> calls;
  std::int16_t messageBoxAnswer = 1;

 private:
  const ExperimentSettings& settings_;
  std::deque<std::string> answers_;
};

void ExpectInput(const Call& call, const char* prompt, const char* title, const char* defaultText) {
  EXPECT_EQ(call.kind, Kind::Input);
  EXPECT_EQ(call.prompt, prompt);
  EXPECT_EQ(call.title, title);
  EXPECT_EQ(call.defaultText, defaultText);
}

void ExpectExitMessage(const Call& call) {
  EXPECT_EQ(call.kind, Kind::Message);
  EXPECT_EQ(call.prompt, "This software will exit.");
  EXPECT_EQ(call.title, "Experiment of Ombrix");
  EXPECT_EQ(call.buttonStyle, 0);
}

ExperimentSettings SettingsOf(std::int16_t guests, std::int16_t experiments) {
  ExperimentSettings settings;
  settings.GuestCount = guests;
  settings.ExperimentCount = experiments;
  return settings;
}

// --- AskExperimentSettings ------------------------------------------------------------------

TEST(AskExperimentSettingsTest, ActivationAsksGuestsThenExperimentsAndShowsEach) {
  ExperimentSettings settings;
  ScriptedDialogs dialogs(settings, {"100", "1000"});

  EXPECT_EQ(AskExperimentSettings(dialogs, settings, SettingsVariant::Activation), Flow::Continue);

  EXPECT_EQ(settings.GuestCount, 100);
  EXPECT_EQ(settings.ExperimentCount, 1000);
  EXPECT_EQ(settings.ExitAnswer, 0);
  ASSERT_EQ(dialogs.calls.size(), 4u);
  ExpectInput(dialogs.calls[0], kGuestsPrompt, kGuestsTitle, "100");
  EXPECT_EQ(dialogs.calls[1].kind, Kind::ShowGuests);
  EXPECT_EQ(dialogs.calls[1].prompt, "100");
  ExpectInput(dialogs.calls[2], kExperimentsPrompt, kExperimentsTitle, "1000");
  // The guest count is stored before the experiments dialog opens.
  EXPECT_EQ(dialogs.calls[2].settingsAtCall.GuestCount, 100);
  EXPECT_EQ(dialogs.calls[3].kind, Kind::ShowExperiments);
  EXPECT_EQ(dialogs.calls[3].prompt, "1000");
}

TEST(AskExperimentSettingsTest, InitVariantDiffersOnlyInTheTitles) {
  ExperimentSettings settings = SettingsOf(300, 40);
  ScriptedDialogs dialogs(settings, {"20", "5"});

  EXPECT_EQ(AskExperimentSettings(dialogs, settings, SettingsVariant::Init), Flow::Continue);

  ASSERT_EQ(dialogs.calls.size(), 4u);
  // The defaults are the fixed texts, not the current settings.
  ExpectInput(dialogs.calls[0], kGuestsPrompt, kInitGuestsTitle, "100");
  ExpectInput(dialogs.calls[2], kExperimentsPrompt, kInitExperimentsTitle, "1000");
  EXPECT_EQ(dialogs.calls[1].prompt, "20");
  EXPECT_EQ(dialogs.calls[3].prompt, "5");
  EXPECT_EQ(settings.GuestCount, 20);
  EXPECT_EQ(settings.ExperimentCount, 5);
}

TEST(AskExperimentSettingsTest, TitlesOfBothVariants) {
  EXPECT_EQ(GuestsTitle(SettingsVariant::Activation), kGuestsTitle);
  EXPECT_EQ(ExperimentsTitle(SettingsVariant::Activation), kExperimentsTitle);
  EXPECT_EQ(GuestsTitle(SettingsVariant::Init), kInitGuestsTitle);
  EXPECT_EQ(ExperimentsTitle(SettingsVariant::Init), kInitExperimentsTitle);
}

TEST(AskExperimentSettingsTest, RefusedAnswersChangeNothingAndBringBackTheFixedDefault) {
  ExperimentSettings settings = SettingsOf(300, 40);
  ScriptedDialogs dialogs(settings, {"5", "abc", " ", "1000.01", "250",  // guests
                                     "0", "20000", "-3", "7"});          // experiments

  EXPECT_EQ(AskExperimentSettings(dialogs, settings, SettingsVariant::Init), Flow::Continue);

  EXPECT_EQ(dialogs.AnswersLeft(), 0u);
  EXPECT_EQ(dialogs.CountOf(Kind::Message), 0);
  ASSERT_EQ(dialogs.calls.size(), 11u);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    ExpectInput(dialogs.calls[i], kGuestsPrompt, kInitGuestsTitle, "100");
    EXPECT_EQ(dialogs.calls[i].settingsAtCall.GuestCount, 300);
    EXPECT_EQ(dialogs.calls[i].settingsAtCall.ExperimentCount, 40);
  }
  EXPECT_EQ(dialogs.calls[5].kind, Kind::ShowGuests);
  EXPECT_EQ(dialogs.calls[5].prompt, "250");
  for (int i = 6; i < 10; ++i) {
    SCOPED_TRACE(i);
    ExpectInput(dialogs.calls[i], kExperimentsPrompt, kInitExperimentsTitle, "1000");
    EXPECT_EQ(dialogs.calls[i].settingsAtCall.GuestCount, 250);
    EXPECT_EQ(dialogs.calls[i].settingsAtCall.ExperimentCount, 40);
  }
  EXPECT_EQ(dialogs.calls[10].kind, Kind::ShowExperiments);
  EXPECT_EQ(dialogs.calls[10].prompt, "7");
  EXPECT_EQ(settings.GuestCount, 250);
  EXPECT_EQ(settings.ExperimentCount, 7);
  EXPECT_EQ(settings.ExitAnswer, 0);
}

TEST(AskExperimentSettingsTest, CancelInGuestsDialogShowsExitMessageOnceAndShowsNothing) {
  for (SettingsVariant variant : {SettingsVariant::Activation, SettingsVariant::Init}) {
    ExperimentSettings settings;
    ScriptedDialogs dialogs(settings, {""});

    EXPECT_EQ(AskExperimentSettings(dialogs, settings, variant), Flow::EndProgram);

    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::Input);
    ExpectExitMessage(dialogs.calls[1]);  // and nothing after it
    EXPECT_EQ(settings.GuestCount, 0);
    EXPECT_EQ(settings.ExperimentCount, 0);
    EXPECT_EQ(settings.ExitAnswer, 1);
  }
}

TEST(AskExperimentSettingsTest, CancelInExperimentsDialogKeepsTheNewGuestCountShown) {
  ExperimentSettings settings = SettingsOf(300, 40);
  ScriptedDialogs dialogs(settings, {"500", "abc", ""});

  EXPECT_EQ(AskExperimentSettings(dialogs, settings, SettingsVariant::Init), Flow::EndProgram);

  ASSERT_EQ(dialogs.calls.size(), 5u);
  EXPECT_EQ(dialogs.calls[1].kind, Kind::ShowGuests);
  EXPECT_EQ(dialogs.calls[1].prompt, "500");
  ExpectInput(dialogs.calls[2], kExperimentsPrompt, kInitExperimentsTitle, "1000");
  ExpectInput(dialogs.calls[3], kExperimentsPrompt, kInitExperimentsTitle, "1000");
  ExpectExitMessage(dialogs.calls[4]);
  EXPECT_EQ(dialogs.CountOf(Kind::Message), 1);
  EXPECT_EQ(dialogs.CountOf(Kind::ShowExperiments), 0);
  EXPECT_EQ(settings.GuestCount, 500);
  EXPECT_EQ(settings.ExperimentCount, 40);
  EXPECT_EQ(settings.ExitAnswer, 1);
}

TEST(AskExperimentSettingsTest, ShownValuesArePlainDecimal) {
  ExperimentSettings settings;
  ScriptedDialogs dialogs(settings, {"0999.9", "1e4"});

  EXPECT_EQ(AskExperimentSettings(dialogs, settings, SettingsVariant::Activation), Flow::Continue);

  ASSERT_EQ(dialogs.calls.size(), 4u);
  EXPECT_EQ(dialogs.calls[1].prompt, "999");
  EXPECT_EQ(dialogs.calls[3].prompt, "10000");
}

// --- AskCount -------------------------------------------------------------------------------

struct Answer {
  std::string text;
  std::optional<int> guests;       // nothing: the guests dialog asks again
  std::optional<int> experiments;  // nothing: the experiments dialog asks again
};

void PrintTo(const Answer& answer, std::ostream* os) {
  *os << '"' << answer.text << '"';
}

// A refused answer is followed by a valid one, so a refusal shows as a second dialog.
std::optional<std::int16_t> AskOnce(const CountDialog& dialog, const std::string& answer,
                                    const char* followUp, int& dialogsShown,
                                    ExperimentSettings& settings) {
  ScriptedDialogs dialogs(settings, {answer, followUp});
  const std::optional<std::int16_t> result = AskCount(dialogs, settings, dialog, "title");
  dialogsShown = dialogs.CountOf(Kind::Input);
  EXPECT_EQ(dialogs.CountOf(Kind::Message), 0);
  for (const Call& call : dialogs.calls) {
    EXPECT_EQ(call.title, "title");
    EXPECT_EQ(call.defaultText, dialog.defaultText);
  }
  return result;
}

class AskCountAnswers : public testing::TestWithParam<Answer> {};

TEST_P(AskCountAnswers, GuestsDialog) {
  const Answer& answer = GetParam();
  ExperimentSettings settings = SettingsOf(300, 40);
  int dialogsShown = 0;
  const auto result = AskOnce(kGuestsDialog, answer.text, "77", dialogsShown, settings);
  ASSERT_TRUE(result.has_value());
  if (answer.guests) {
    EXPECT_EQ(*result, *answer.guests);
    EXPECT_EQ(dialogsShown, 1);
  } else {
    EXPECT_EQ(*result, 77);
    EXPECT_EQ(dialogsShown, 2);
  }
  EXPECT_EQ(settings.ExitAnswer, 0);
}

TEST_P(AskCountAnswers, ExperimentsDialog) {
  const Answer& answer = GetParam();
  ExperimentSettings settings = SettingsOf(300, 40);
  int dialogsShown = 0;
  const auto result = AskOnce(kExperimentsDialog, answer.text, "77", dialogsShown, settings);
  ASSERT_TRUE(result.has_value());
  if (answer.experiments) {
    EXPECT_EQ(*result, *answer.experiments);
    EXPECT_EQ(dialogsShown, 1);
  } else {
    EXPECT_EQ(*result, 77);
    EXPECT_EQ(dialogsShown, 2);
  }
  EXPECT_EQ(settings.ExitAnswer, 0);
}

constexpr std::nullopt_t kAskedAgain = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    DialogTable, AskCountAnswers,
    testing::Values(Answer{"100", 100, 100}, Answer{"12abc", 12, 12}, Answer{"  5", kAskedAgain, 5},
                    Answer{"1e3", 1000, 1000}, Answer{"-3", kAskedAgain, kAskedAgain},
                    Answer{"10.7", 10, 10}, Answer{"9.99", kAskedAgain, 9},
                    Answer{"1000.5", kAskedAgain, 1000}, Answer{"10001", kAskedAgain, kAskedAgain},
                    Answer{"0.5", kAskedAgain, kAskedAgain}, Answer{"1,000", kAskedAgain, 1},
                    Answer{"abc", kAskedAgain, kAskedAgain},
                    Answer{"   ", kAskedAgain, kAskedAgain}));

// Both bounds are inclusive and compared before the fraction is dropped.
INSTANTIATE_TEST_SUITE_P(
    Bounds, AskCountAnswers,
    testing::Values(Answer{"10", 10, 10}, Answer{"1000", 1000, 1000},
                    Answer{"9.999", kAskedAgain, 9}, Answer{"1000.01", kAskedAgain, 1000},
                    Answer{"1", kAskedAgain, 1}, Answer{"10000", kAskedAgain, 10000},
                    Answer{"0.999", kAskedAgain, kAskedAgain},
                    Answer{"10000.01", kAskedAgain, kAskedAgain}, Answer{"999.9", 999, 999},
                    Answer{"10.0000001", 10, 10}, Answer{"9999.99", kAskedAgain, 9999},
                    Answer{"1 000", 1000, 1000}));

// Forms that read far outside 16 bits are refused, never wrapped into range.
INSTANTIATE_TEST_SUITE_P(
    HugeAndOddForms, AskCountAnswers,
    testing::Values(
        Answer{"&H3E8", 1000, 1000}, Answer{"&H3E9", kAskedAgain, 1001}, Answer{"&O12", 10, 10},
        Answer{"&HFFFF", kAskedAgain, kAskedAgain}, Answer{"&H10064", kAskedAgain, kAskedAgain},
        Answer{"&H10000000000000064", kAskedAgain, kAskedAgain},
        Answer{"&H" + std::string(300, 'F'), kAskedAgain, kAskedAgain},
        Answer{"65636", kAskedAgain, kAskedAgain}, Answer{"4294967396", kAskedAgain, kAskedAgain},
        Answer{"1e999999", kAskedAgain, kAskedAgain}, Answer{"-1e400", kAskedAgain, kAskedAgain},
        Answer{"1e-400", kAskedAgain, kAskedAgain},
        Answer{"\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\x90", kAskedAgain, kAskedAgain},
        Answer{"\xE3\x80\x80"
               "100",
               kAskedAgain, kAskedAgain}));

TEST(AskCountTest, EmptyAnswerShowsTheExitMessageOnceAndYieldsNothing) {
  ExperimentSettings settings = SettingsOf(300, 40);
  ScriptedDialogs dialogs(settings, {"3", "   ", ""});

  EXPECT_FALSE(AskCount(dialogs, settings, kGuestsDialog, "t").has_value());

  ASSERT_EQ(dialogs.calls.size(), 4u);
  ExpectExitMessage(dialogs.calls[3]);
  EXPECT_EQ(settings.ExitAnswer, 1);
  EXPECT_EQ(settings.GuestCount, 300);
  EXPECT_EQ(settings.ExperimentCount, 40);
}

TEST(AskCountTest, BlanksOnlyAreAskedAgainNotAnExit) {
  ExperimentSettings settings;
  ScriptedDialogs dialogs(settings, {" ", "\t", "\n", "  ", "12"});

  EXPECT_EQ(AskCount(dialogs, settings, kGuestsDialog, "t"), std::optional<std::int16_t>(12));

  EXPECT_EQ(dialogs.CountOf(Kind::Input), 5);
  EXPECT_EQ(dialogs.CountOf(Kind::Message), 0);
  EXPECT_EQ(settings.ExitAnswer, 0);
}

TEST(AskCountTest, DialogsCarryTheirOwnPromptDefaultAndRange) {
  EXPECT_EQ(kGuestsDialog.prompt, kGuestsPrompt);
  EXPECT_EQ(kGuestsDialog.defaultText, "100");
  EXPECT_EQ(kExperimentsDialog.prompt, kExperimentsPrompt);
  EXPECT_EQ(kExperimentsDialog.defaultText, "1000");
}

// --- ShowExitMessage ------------------------------------------------------------------------

TEST(ShowExitMessageTest, StoresAndReturnsTheButtonCodeOfTheBox) {
  ExperimentSettings settings = SettingsOf(300, 40);
  ScriptedDialogs dialogs(settings, {});

  EXPECT_EQ(ShowExitMessage(dialogs, settings), 1);
  EXPECT_EQ(settings.ExitAnswer, 1);

  // Whatever the box answers is what gets stored, not an assumed OK.
  dialogs.messageBoxAnswer = 2;
  EXPECT_EQ(ShowExitMessage(dialogs, settings), 2);
  EXPECT_EQ(settings.ExitAnswer, 2);

  ASSERT_EQ(dialogs.calls.size(), 2u);
  ExpectExitMessage(dialogs.calls[0]);
  ExpectExitMessage(dialogs.calls[1]);
  EXPECT_EQ(settings.GuestCount, 300);
  EXPECT_EQ(settings.ExperimentCount, 40);
}

}  // namespace
}  // namespace ombrix
