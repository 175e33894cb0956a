// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

struct CountDialog {
  std::string_view prompt;
  std::string_view defaultText;
  double lower;
  double upper;
};

inline constexpr CountDialog kGuestsDialog{"Please enter an integer between 10 and 1000 ...", "100",
                                           10, 1000};
inline constexpr CountDialog kExperimentsDialog{"Please enter an integer between 1 and 10000 ...",
                                                "1000", 1, 10000};

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

// Asks for the guests, then the experiments; stores and shows each accepted count at once.
Flow AskExperimentSettings(SettingsDialogs& dialogs, ExperimentSettings& settings,
                           SettingsVariant variant);

}  // namespace ombrix
