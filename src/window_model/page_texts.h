// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "translate.h"

namespace ombrix {

// The words the page's own files carry: its notices, which show when the module could not
// start or has ended. tools/page_texts writes them in every built language into the page's
// page_words.js, whose keys index.html names. The installed app's description is the
// package's summary, from its AppStream data (scripts/web.sh).
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
