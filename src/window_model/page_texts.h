// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "translate.h"

namespace ombrix {

// The words the page's own files carry: its notices, which show when the module could not
// start or has ended. tools/page_texts fills each @KEY@ of those files with its message in
// one language. The installed app's description is the package's summary, from its AppStream
// data (scripts/web.sh).
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
};

}  // namespace ombrix
