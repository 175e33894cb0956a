#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "ask_settings.h"
#include "read_number.h"

namespace ombrix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ReadNumberTest, ReadsTheNumberAtTheStartOfAnyText) {
  const std::string huge(4'000'000, '9');  // linear time, or the test times out

  // clang-format off
  const struct {
    std::string text;
    double value;
  } rows[] = {
      {"100", 100}, {"12abc", 12}, {"  5", 5}, {"1e3", 1000}, {"-3", -3}, {"10.7", 10.7},
      {"1,000", 1}, {"abc", 0}, {"", 0}, {"1 0\t0\n", 100}, {"- .5", -0.5}, {"1.2.3", 1.2},
      {"2.5E-1", 0.25}, {"1e", 1}, {"1d3", 1}, {"--5", 0}, {"&H3E8", 1000}, {"&hff", 255},
      {"&O17", 15}, {"&O8", 0}, {"-&H10", 0}, {"&H10064", 65636}, {"\uFF11\uFF10", 0},
      {"1\u3000000", 1}, {"1e309", kInf}, {"-1e99999999999", -kInf}, {"1e-400", 0},
      {huge, kInf}, {std::string(huge.size(), ' ') + "7", 7},
      {std::string("0.").append(500, '0') + "1e501", 1}};
  for (const auto& [text, value] : rows)
    EXPECT_EQ(ReadNumber(text), value) << text.substr(0, 30);
}

// Answers the input dialogs from a list; a refusal shows as a second dialog.
struct ScriptedDialogs : SettingsDialogs {
  std::string InputBox(std::string_view, std::string_view, std::string_view) override {
    return answers.at(next++);
  }
  std::int16_t MsgBox(std::string_view, std::string_view, int) override { return 1; }
  void ShowGuestCount(std::string_view) override {}
  void ShowExperimentCount(std::string_view) override {}
  std::vector<std::string> answers;
  std::size_t next = 0;
};

TEST(AskCountTest, AcceptsTheFloorOfAnAnswerWithinTheInclusiveBounds) {
  constexpr int kAgain = 77;
  // clang-format off
  const struct {
    const char* answer;
    int guests, experiments;
  } rows[] = {
      {"10", 10, 10}, {"1000", 1000, 1000}, {"9.999", kAgain, 9}, {"1000.01", kAgain, 1000},
      {"999.9", 999, 999}, {"1", kAgain, 1}, {"10000", kAgain, 10000}, {"0.999", kAgain, kAgain},
      {"10000.01", kAgain, kAgain}, {"-3", kAgain, kAgain}, {"&H3E9", kAgain, 1001},
      {"65636", kAgain, kAgain}, {"   ", kAgain, kAgain}};
  // clang-format on
  for (const auto& row : rows) {
    for (const auto& [dialog, accepted] :
         {std::pair{kGuestsDialog, row.guests}, std::pair{kExperimentsDialog, row.experiments}}) {
      ExperimentSettings settings;
      ScriptedDialogs dialogs;
      dialogs.answers = {row.answer, "77"};
      EXPECT_EQ(AskCount(dialogs, settings, dialog, "t"), accepted)
          << row.answer << " to " << dialog.prompt;
    }
  }
}

}  // namespace
}  // namespace ombrix
