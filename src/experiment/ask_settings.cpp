// SPDX-License-Identifier: GPL-3.0-or-later
#include "ask_settings.h"

#include <cmath>
#include <string>

#include "read_number.h"

namespace ombrix {
namespace {

std::string_view GuestsTitle(SettingsVariant variant) {
  return variant == SettingsVariant::Init ? " Setting the number of guests"
                                          : "Setting the number of guests";
}

std::string_view ExperimentsTitle(SettingsVariant variant) {
  return variant == SettingsVariant::Init ? " Setting the number of experiment"
                                          : "Setting the number of experiments";
}

}  // namespace

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
  const auto guests = AskCount(dialogs, settings, kGuestsDialog, GuestsTitle(variant));
  if (!guests)
    return Flow::EndProgram;
  settings.GuestCount = *guests;
  dialogs.ShowGuestCount(std::to_string(settings.GuestCount));

  const auto experiments =
      AskCount(dialogs, settings, kExperimentsDialog, ExperimentsTitle(variant));
  if (!experiments)
    return Flow::EndProgram;
  settings.ExperimentCount = *experiments;
  dialogs.ShowExperimentCount(std::to_string(settings.ExperimentCount));
  return Flow::Continue;
}

}  // namespace ombrix
