// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "experiment_settings.h"
#include "settings_dialogs.h"

namespace ombrix {

// Whether the program goes on after a step that may end it. A caller that receives
// EndProgram must return at once and let the window layer end the program.
enum class [[nodiscard]] Flow{Continue, EndProgram};

// The two sets of dialog titles: the one asked when the main window becomes active, and
// the one asked at the end of Init.
enum class SettingsVariant { Activation, Init };

// One settings dialog: what it asks, what it accepts, and where the accepted count goes.
struct CountDialog {
  std::string_view prompt;
  std::string_view defaultText;
  std::string_view activationTitle;
  std::string_view initTitle;
  std::int16_t lower;
  std::int16_t upper;
  std::int16_t ExperimentSettings::*setting;
  std::string_view label;  // object name of the main window's label that shows the count

  std::string_view Title(SettingsVariant variant) const {
    return variant == SettingsVariant::Init ? initTitle : activationTitle;
  }
};

inline constexpr CountDialog kGuestsDialog{
    .prompt = "Please enter an integer between 10 and 1000 ...",
    .defaultText = "100",
    .activationTitle = "Setting the number of guests",
    .initTitle = " Setting the number of guests",
    .lower = ExperimentSettings::MinGuests,
    .upper = ExperimentSettings::MaxGuests,
    .setting = &ExperimentSettings::GuestCount,
    .label = "Label82"};
inline constexpr CountDialog kExperimentsDialog{
    .prompt = "Please enter an integer between 1 and 10000 ...",
    .defaultText = "1000",
    .activationTitle = "Setting the number of experiments",
    .initTitle = " Setting the number of experiment",
    .lower = ExperimentSettings::MinExperiments,
    .upper = ExperimentSettings::MaxExperiments,
    .setting = &ExperimentSettings::ExperimentCount,
    .label = "Label2"};
// In the order they are asked.
inline constexpr std::array kSettingsDialogs{kGuestsDialog, kExperimentsDialog};

inline constexpr std::string_view kExitPrompt = "This software will exit.";
inline constexpr std::string_view kExitTitle = "Experiment of Ombrix";

// Shows the exit message box, stores the button code in ExitAnswer and returns it.
std::int16_t ShowExitMessage(SettingsDialogs& dialogs, ExperimentSettings& settings);

// One dialog with its re-ask loop. Yields the accepted count, or nothing when the answer was
// empty: the exit message has then been shown and the program must end.
[[nodiscard]] std::optional<std::int16_t> AskCount(SettingsDialogs& dialogs,
                                                   ExperimentSettings& settings,
                                                   const CountDialog& dialog,
                                                   std::string_view title);

// Asks each dialog of kSettingsDialogs in turn; stores and shows each accepted count at once.
Flow AskExperimentSettings(SettingsDialogs& dialogs, ExperimentSettings& settings,
                           SettingsVariant variant);

}  // namespace ombrix
