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
  // Each innermost ⟦…⟧ and each key's name gives way to a blank, until none is left.
  const auto blank = [&text](std::size_t from, std::size_t to) {
    text = text.substr(0, from) + " " + text.substr(to);
  };
  const std::string open = "\u27E6", close = "\u27E7";
  for (std::size_t end, start; (end = text.find(close)) != std::string::npos &&
                               (start = text.rfind(open, end)) != std::string::npos;)
    blank(start, end + close.size());
  for (const KeyBinding& binding : kKeyMap)
    for (std::size_t at; (at = text.find(KeyLabel(binding.key))) != std::string::npos;)
      blank(at, at + KeyLabel(binding.key).size());
  const bool letters = std::any_of(text.begin(), text.end(), [](char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
  });
  return letters ? text : "";
}

}  // namespace ombrix::testing
