// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every word the program shows or says goes through Tr or TrN, or is marked with Msg where it
// is declared, so that the catalogue's template lists it (scripts/catalogues.sh update).
// A message names its values in braces, "{count} experiments", and the translation places
// them where its own grammar wants them.

namespace ombrix {

struct Catalogue;

// An English text marked for the catalogue where it is declared, translated where it is used.
struct Message {
  std::string_view id;
};
constexpr Message Msg(std::string_view id) {
  return {id};
}

// A named value of a message: {"count", 1000} fills "{count}".
struct MessageArg {
  MessageArg(std::string_view placeholder, std::string_view value)
      : name(placeholder), text(value) {}
  MessageArg(std::string_view placeholder, const char* value) : name(placeholder), text(value) {}
  MessageArg(std::string_view placeholder, long long value)
      : name(placeholder), text(std::to_string(value)) {}
  MessageArg(std::string_view placeholder, int value)
      : MessageArg(placeholder, static_cast<long long>(value)) {}

  std::string_view name;
  std::string text;
};
using MessageArgs = std::initializer_list<MessageArg>;

// `id` in the current catalogue's language, with its values filled in.
std::string Tr(std::string_view id, MessageArgs args = {});
std::string Tr(Message message, MessageArgs args = {});
// `message` in the language of `catalogue`, whichever is current: a language's own name.
std::string TrIn(const Catalogue& catalogue, Message message);
// The form for `count` of a message with a count, as the language's plural rule picks it.
std::string TrN(std::string_view id, std::string_view idPlural, long long count,
                MessageArgs args = {});

// `text` with each "{name}" of `args` replaced by its value; other braces stay as they are.
std::string FillPlaceholders(std::string_view text, MessageArgs args);

}  // namespace ombrix
