// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "translate.h"

namespace ombrix {

// The words the page's own files carry: its notices, which show when the module could not
// start or has ended, and the installed app's description. tools/page_texts fills each
// @KEY@ of those files with its message in one language.
struct PageText {
  std::string_view key;
  Message message;
};
inline constexpr PageText kPageTexts[] = {
    {"FAILED", Msg("Ombrix could not start.")},
    {"TRY_AGAIN", Msg("Try again")},
    {"ENDED", Msg("Ombrix has ended.")},
    {"HOW_TO_START_AGAIN", Msg("To start it again, reload this page, or:")},
    {"START_AGAIN", Msg("Start again")},
    {"DESCRIPTION", Msg("Learn probability by experiment: how many coins to prepare as change")},
};

}  // namespace ombrix
