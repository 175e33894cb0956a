// SPDX-License-Identifier: GPL-3.0-or-later
// The test language, en-XA: every line of every message of the catalogue lengthened and
// marked ⟦so⟧. A word on the screen outside the marks did not come from the catalogue.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "chart_keys.h"

namespace ombrix {
extern const Catalogue kCatalogue_en_XA;
}

namespace ombrix::testing {

// The test language for as long as it lives, English again after.
struct PseudoLanguage {
  PseudoLanguage() { UseCatalogue(kCatalogue_en_XA); }
  ~PseudoLanguage() { UseCatalogue(*BuiltCatalogues().front()); }
  PseudoLanguage(const PseudoLanguage&) = delete;
  PseudoLanguage& operator=(const PseudoLanguage&) = delete;
};

// What of `text` the test language did not mark, when that holds a letter: empty when every
// word came from the catalogue. Marks nest where a message fills in another; the keys' own
// names ("Ctrl+G", "Esc"), printed on the keys, stay as they are in every language.
inline std::string UnmarkedWords(std::string text) {
  const std::string open = "\u27E6", close = "\u27E7";
  for (std::size_t end; (end = text.find(close)) != std::string::npos;) {
    const std::size_t start = text.rfind(open, end);
    if (start == std::string::npos)
      break;
    text.replace(start, end + close.size() - start, " ");
  }
  for (const KeyBinding& binding : kKeyMap)
    for (std::size_t at; (at = text.find(KeyLabel(binding.key))) != std::string::npos;)
      text.replace(at, KeyLabel(binding.key).size(), " ");
  const bool letters =
      std::ranges::any_of(text, [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
  return letters ? text : "";
}

}  // namespace ombrix::testing
