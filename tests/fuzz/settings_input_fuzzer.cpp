// Feeds any bytes to the settings dialogs as a typed answer: through ReadNumber, and through
// AskCount for both dialogs. Every property is checked on every input and aborts on a
// violation, so libFuzzer reports the input that broke it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "ask_settings.h"
#include "experiment_settings.h"
#include "read_number.h"
#include "settings_dialogs.h"

namespace {

using ombrix::CountDialog;

[[noreturn]] void Violation(const char* what, std::string_view input, double value) {
  std::fprintf(stderr,
               "settings input property violated: %s (ReadNumber gave %.17g, input of %zu bytes)\n",
               what, value, input.size());
  std::abort();
}

// Answers the first input dialog with the fuzz input and every later one with the empty text,
// so AskCount either accepts the input or shows the exit message and gives up.
class OneAnswerDialogs final : public ombrix::SettingsDialogs {
 public:
  explicit OneAnswerDialogs(std::string_view answer) : answer_(answer) {}

  std::string InputBox(std::string_view, std::string_view, std::string_view) override {
    ++inputBoxes;
    return inputBoxes == 1 ? std::string(answer_) : std::string();
  }
  std::int16_t MsgBox(std::string_view, std::string_view, int) override {
    ++messageBoxes;
    return 1;
  }
  void ShowGuestCount(std::string_view) override { ++labelWrites; }
  void ShowExperimentCount(std::string_view) override { ++labelWrites; }

  int inputBoxes = 0;
  int messageBoxes = 0;
  int labelWrites = 0;

 private:
  std::string_view answer_;
};

void CheckDialog(const CountDialog& dialog, std::string_view input, double value) {
  OneAnswerDialogs dialogs(input);
  ombrix::ExperimentSettings settings;
  const std::optional<std::int16_t> count = ombrix::AskCount(dialogs, settings, dialog, "fuzz");

  // The acceptance rule, written out: a non-empty answer whose number lies within the bounds,
  // both inclusive, compared before any rounding.
  const bool acceptable = !input.empty() && value >= dialog.lower && value <= dialog.upper;
  if (count.has_value() != acceptable)
    Violation(acceptable ? "an answer within the bounds was refused"
                         : "an answer outside the bounds was accepted",
              input, value);

  if (count) {
    if (*count < dialog.lower || *count > dialog.upper)
      Violation("the accepted count lies outside the bounds", input, value);
    if (static_cast<double>(*count) != std::floor(value))
      Violation("the accepted count is not the floor of the number read", input, value);
    if (dialogs.inputBoxes != 1 || dialogs.messageBoxes != 0)
      Violation("an accepted answer asked again or showed the exit message", input, value);
  } else {
    // Refused: asked once more, got the empty text, showed the exit message once.
    const int expectedInputBoxes = input.empty() ? 1 : 2;
    if (dialogs.inputBoxes != expectedInputBoxes || dialogs.messageBoxes != 1 ||
        settings.ExitAnswer != 1)
      Violation("a refused answer did not end with one exit message", input, value);
  }
  if (dialogs.labelWrites != 0)
    Violation("AskCount wrote a label", input, value);
  if (settings.GuestCount != 0 || settings.ExperimentCount != 0)
    Violation("AskCount changed a stored count", input, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const double value = ombrix::ReadNumber(input);
  if (std::isnan(value))
    Violation("ReadNumber gave NaN", input, value);
  if (ombrix::ReadNumber(input) != value)
    Violation("ReadNumber gave two values for one text", input, value);

  CheckDialog(ombrix::kGuestsDialog, input, value);
  CheckDialog(ombrix::kExperimentsDialog, input, value);
  return 0;
}
