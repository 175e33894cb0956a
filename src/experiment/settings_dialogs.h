// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "experiment_settings.h"
#include "translate.h"

namespace ombrix {

// The two sets of dialog titles: the one asked when the main window becomes active, and
// the one asked at the end of Init.
enum class SettingsVariant { Activation, Init };

// One settings dialog: what it asks, what it accepts, and where the accepted count goes.
struct CountDialog {
  std::string_view defaultText;
  Message activationTitle;
  Message initTitle;
  std::int16_t lower;
  std::int16_t upper;
  std::int16_t ExperimentSettings::*setting;
  std::string_view label;  // object name of the main window's label that shows the count

  std::string Title(SettingsVariant variant) const {
    return Tr(variant == SettingsVariant::Init ? initTitle : activationTitle);
  }
  // "Please enter an integer between 10 and 1000 ...", from the bounds it keeps.
  std::string Prompt() const {
    return Tr("Please enter an integer between {lower} and {upper} ...",
              {{"lower", lower}, {"upper", upper}});
  }
  // The count an answer gives: the floor of the number it starts with, when that number lies
  // within the bounds; nothing for an answer to ask again.
  std::optional<std::int16_t> Accepted(std::string_view answer) const;
};

inline constexpr CountDialog kGuestsDialog{.defaultText = "100",
                                           .activationTitle = Msg("Setting the number of guests"),
                                           .initTitle = Msg(" Setting the number of guests"),
                                           .lower = ExperimentSettings::MinGuests,
                                           .upper = ExperimentSettings::MaxGuests,
                                           .setting = &ExperimentSettings::GuestCount,
                                           .label = "Label82"};
inline constexpr CountDialog kExperimentsDialog{
    .defaultText = "1000",
    .activationTitle = Msg("Setting the number of experiments"),
    .initTitle = Msg(" Setting the number of experiment"),
    .lower = ExperimentSettings::MinExperiments,
    .upper = ExperimentSettings::MaxExperiments,
    .setting = &ExperimentSettings::ExperimentCount,
    .label = "Label2"};
// In the order they are asked.
inline constexpr std::array kSettingsDialogs{kGuestsDialog, kExperimentsDialog};

// The exit message box: OK alone, whose button code is 1.
inline constexpr Message kExitPrompt = Msg("This software will exit.");
inline constexpr Message kExitTitle = Msg("Experiment of Ombrix");
inline constexpr std::int16_t kButtonOk = 1;

}  // namespace ombrix
