// SPDX-License-Identifier: GPL-3.0-or-later
#include "ask_settings.h"

#include <cmath>
#include <string>

#include "read_number.h"

namespace ombrix {

std::int16_t ShowExitMessage(SettingsDialogs& dialogs, ExperimentSettings& settings) {
  constexpr int kOkOnly = 0;
  settings.ExitAnswer = dialogs.MsgBox(kExitPrompt, kExitTitle, kOkOnly);
  return settings.ExitAnswer;
}

std::optional<std::int16_t> AskCount(SettingsDialogs& dialogs, ExperimentSettings& settings,
                                     const CountDialog& dialog, std::string_view title) {
  for (;;) {
    const std::string answer = dialogs.InputBox(dialog.prompt, title, dialog.defaultText);
    if (answer.empty()) {
      // The box has only OK, so whatever it returns the program ends.
      (void)ShowExitMessage(dialogs, settings);
      return std::nullopt;
    }
    const double value = ReadNumber(answer);
    if (value >= dialog.lower && value <= dialog.upper) {
      return static_cast<std::int16_t>(std::floor(value));
    }
  }
}

Flow AskExperimentSettings(SettingsDialogs& dialogs, ExperimentSettings& settings,
                           SettingsVariant variant) {
  for (const CountDialog& dialog : kSettingsDialogs) {
    const auto count = AskCount(dialogs, settings, dialog, dialog.Title(variant));
    if (!count)
      return Flow::EndProgram;
    settings.*dialog.setting = *count;
    dialogs.ShowCount(dialog.label, std::to_string(*count));
  }
  return Flow::Continue;
}

}  // namespace ombrix
