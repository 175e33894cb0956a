#include "ask_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "experiment_settings.h"
#include "settings_dialogs.h"

namespace ombrix {
namespace {

using Log = std::vector<std::string>;

// Every call the dialogs log, spelled out here so that a typo in the program shows up.
const std::string kAskGuests =
    "ask|Setting the number of guests|Please enter an integer between 10 and 1000 ...|100";
const std::string kAskExperiments =
    "ask|Setting the number of experiments|Please enter an integer between 1 and 10000 ...|1000";
const std::string kAskGuestsInit =
    "ask| Setting the number of guests|Please enter an integer between 10 and 1000 ...|100";
const std::string kAskExperimentsInit =
    "ask| Setting the number of experiment|Please enter an integer between 1 and 10000 ...|1000";
const std::string kExitMessage = "message|Experiment of Ombrix|This software will exit.|0";

// Answers the input dialogs from a script and logs every call as one line.
class ScriptedDialogs : public SettingsDialogs {
 public:
  explicit ScriptedDialogs(std::vector<std::string> answers) : answers_(std::move(answers)) {}

  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override {
    log.push_back("ask|" + std::string(title) + "|" + std::string(prompt) + "|" +
                  std::string(defaultText));
    if (next_ < answers_.size())
      return answers_[next_++];
    ADD_FAILURE() << "asked again after the scripted answers ran out";
    return "";  // Cancel, so that a re-ask loop cannot spin forever
  }
  std::int16_t MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) override {
    log.push_back("message|" + std::string(title) + "|" + std::string(prompt) + "|" +
                  std::to_string(buttonStyle));
    return messageBoxAnswer;
  }
  void ShowGuestCount(std::string_view text) override {
    log.push_back("guests|" + std::string(text));
  }
  void ShowExperimentCount(std::string_view text) override {
    log.push_back("experiments|" + std::string(text));
  }

  Log log;
  std::int16_t messageBoxAnswer = 1;

 private:
  std::vector<std::string> answers_;
  std::size_t next_ = 0;
};

TEST(AskExperimentSettingsTest, AsksGuestsThenExperimentsWithTheFixedDefaultsEveryTime) {
  for (const auto& [variant, askGuests, askExperiments] :
       {std::tuple{SettingsVariant::Activation, kAskGuests, kAskExperiments},
        std::tuple{SettingsVariant::Init, kAskGuestsInit, kAskExperimentsInit}}) {
    SCOPED_TRACE(askGuests);
    ExperimentSettings settings{.GuestCount = 300, .ExperimentCount = 40};
    ScriptedDialogs dialogs({"5", "abc", " ", "1000.01", "0999.9", "0", "20000", "-3", "1e4"});

    EXPECT_EQ(AskExperimentSettings(dialogs, settings, variant), Flow::Continue);

    // Refused answers bring back the fixed default, not the answer nor the current setting;
    // each count is shown as plain decimal as soon as it is accepted.
    const Log expected = {askGuests,      askGuests,      askGuests,          askGuests,
                          askGuests,      "guests|999",   askExperiments,     askExperiments,
                          askExperiments, askExperiments, "experiments|10000"};
    EXPECT_EQ(dialogs.log, expected);
    EXPECT_EQ(settings.GuestCount, 999);
    EXPECT_EQ(settings.ExperimentCount, 10000);
    EXPECT_EQ(settings.ExitAnswer, 0);
  }
}

TEST(AskExperimentSettingsTest, CancelShowsTheExitMessageOnceAndEndsTheProgram) {
  struct Cancel {
    SettingsVariant variant;
    std::vector<std::string> answers;
    Log log;
    std::int16_t guests;
  };
  const Cancel cancels[] = {
      {SettingsVariant::Activation, {""}, {kAskGuests, kExitMessage}, 300},
      {SettingsVariant::Init, {"abc", ""}, {kAskGuestsInit, kAskGuestsInit, kExitMessage}, 300},
      // In the experiments dialog the new guest count is already stored and shown.
      {SettingsVariant::Init,
       {"500", "abc", ""},
       {kAskGuestsInit, "guests|500", kAskExperimentsInit, kAskExperimentsInit, kExitMessage},
       500}};
  for (const Cancel& cancel : cancels) {
    SCOPED_TRACE(cancel.log.size());
    ExperimentSettings settings{.GuestCount = 300, .ExperimentCount = 40};
    ScriptedDialogs dialogs(cancel.answers);
    dialogs.messageBoxAnswer = 7;  // an unusual code, so that an assumed OK would show

    EXPECT_EQ(AskExperimentSettings(dialogs, settings, cancel.variant), Flow::EndProgram);

    EXPECT_EQ(dialogs.log, cancel.log);
    EXPECT_EQ(settings.GuestCount, cancel.guests);
    EXPECT_EQ(settings.ExperimentCount, 40);
    EXPECT_EQ(settings.ExitAnswer, 7);
  }
}

TEST(AskCountTest, AcceptsTheFloorOfAnAnswerWithinTheInclusiveBoundsAndAsksAgainOtherwise) {
  constexpr int kAgain = 0;  // never accepted by either dialog
  struct Answer {
    std::string text;
    int guests;
    int experiments;
  };
  const Answer answers[] = {
      // The settings dialogs' table.
      Answer{"100", 100, 100}, Answer{"12abc", 12, 12}, Answer{"  5", kAgain, 5},
      Answer{"1e3", 1000, 1000}, Answer{"-3", kAgain, kAgain}, Answer{"10.7", 10, 10},
      Answer{"9.99", kAgain, 9}, Answer{"1000.5", kAgain, 1000}, Answer{"10001", kAgain, kAgain},
      Answer{"0.5", kAgain, kAgain}, Answer{"1,000", kAgain, 1}, Answer{"abc", kAgain, kAgain},
      Answer{"   ", kAgain, kAgain}, Answer{"\t\n", kAgain, kAgain},
      // Both bounds are inclusive and compared before the fraction is dropped.
      Answer{"10", 10, 10}, Answer{"1000", 1000, 1000}, Answer{"9.999", kAgain, 9},
      Answer{"1000.01", kAgain, 1000}, Answer{"1", kAgain, 1}, Answer{"10000", kAgain, 10000},
      Answer{"0.999", kAgain, kAgain}, Answer{"10000.01", kAgain, kAgain},
      Answer{"999.9", 999, 999}, Answer{"9999.99", kAgain, 9999},
      // Forms that read far outside 16 bits are refused, never wrapped into range.
      Answer{"&H3E8", 1000, 1000}, Answer{"&H3E9", kAgain, 1001}, Answer{"&O12", 10, 10},
      Answer{"&HFFFF", kAgain, kAgain}, Answer{"&H10064", kAgain, kAgain},
      Answer{"65636", kAgain, kAgain}, Answer{"4294967396", kAgain, kAgain},
      Answer{"1e999999", kAgain, kAgain}, Answer{"-1e400", kAgain, kAgain},
      Answer{"1e-400", kAgain, kAgain}, Answer{"\uFF11\uFF10\uFF10", kAgain, kAgain}};
  for (const Answer& answer : answers) {
    for (const auto& [dialog, accepted] : {std::pair{kGuestsDialog, answer.guests},
                                           std::pair{kExperimentsDialog, answer.experiments}}) {
      SCOPED_TRACE("\"" + answer.text + "\" to " + std::string(dialog.prompt));
      ExperimentSettings settings;
      ScriptedDialogs dialogs({answer.text, "77"});  // a refusal shows as a second dialog
      EXPECT_EQ(AskCount(dialogs, settings, dialog, "t"), accepted == kAgain ? 77 : accepted);
      EXPECT_EQ(dialogs.log.size(), accepted == kAgain ? 2u : 1u);
    }
  }
}

TEST(ShowExitMessageTest, StoresAndReturnsTheCodeOfTheBox) {
  ExperimentSettings settings{.GuestCount = 300, .ExperimentCount = 40};
  ScriptedDialogs dialogs({});
  dialogs.messageBoxAnswer = 2;
  EXPECT_EQ(ShowExitMessage(dialogs, settings), 2);
  EXPECT_EQ(settings.ExitAnswer, 2);
  EXPECT_EQ(dialogs.log, Log{kExitMessage});
  EXPECT_EQ(settings.GuestCount, 300);
}

}  // namespace
}  // namespace ombrix
