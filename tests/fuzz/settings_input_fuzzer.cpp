// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the settings dialogs as a typed answer, through ReadNumber and AskCount for
// both dialogs, and aborts on the first broken property, so that libFuzzer keeps the input.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ask_settings.h"
#include "read_number.h"

namespace {

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "settings input: %s\n", what);
    std::abort();
  }
}

// Gives the fuzz input to the first dialog and the empty text, which ends, to any later one.
struct OneAnswer final : ombrix::SettingsDialogs {
  explicit OneAnswer(std::string_view text) : answer(text) {}
  std::string InputBox(std::string_view, std::string_view, std::string_view) override {
    return ++asked == 1 ? std::string(answer) : std::string();
  }
  std::int16_t MsgBox(std::string_view, std::string_view, int) override {
    ++messages;
    return 1;
  }
  void ShowCount(std::string_view, std::string_view) override { Require(false, "a count shown"); }
  std::string_view answer;
  int asked = 0, messages = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const double value = ombrix::ReadNumber(input);
  Require(!std::isnan(value), "ReadNumber gave NaN");
  for (const ombrix::CountDialog& dialog : ombrix::kSettingsDialogs) {
    OneAnswer dialogs(input);
    ombrix::ExperimentSettings settings;
    const auto count = ombrix::AskCount(dialogs, settings, dialog, "fuzz");
    // Accepted exactly when the number read lies within the bounds, compared before rounding,
    // then as its floor; refused, the dialog comes back and its empty answer ends the program.
    const bool inRange = !input.empty() && value >= dialog.lower && value <= dialog.upper;
    Require(count.has_value() == inRange, "the bounds were not kept");
    Require(!count || *count == std::floor(value), "the count is not the floor of the number");
    Require(dialogs.asked == (count || input.empty() ? 1 : 2), "asked too often");
    Require(dialogs.messages == (count ? 0 : 1) && settings.ExitAnswer == (count ? 0 : 1),
            "not one exit message for a refused answer");
  }
  return 0;
}
