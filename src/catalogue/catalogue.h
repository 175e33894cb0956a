// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace ombrix {

// One message of a catalogue: its English text (and English plural, for a message with a
// count), and its translations, one for each plural form of the catalogue's language. English
// itself has no translations: its messages are their own words.
struct CatalogueEntry {
  std::string_view id;
  std::string_view idPlural;
  std::span<const std::string_view> forms;
};

// A language's messages, sorted by id, as the build makes them from its PO file, with the
// PO file's own plural rule: which form a count takes.
struct Catalogue {
  std::string_view language;  // a BCP 47 tag: "en", "ja"
  std::span<const CatalogueEntry> entries;
  int (*pluralForm)(unsigned long count);

  // The entry of `id`, or null when the catalogue has none.
  const CatalogueEntry* Find(std::string_view id) const;
};

// The languages built into the program, English first.
std::span<const Catalogue* const> BuiltCatalogues();
// The built catalogue of `language`, named exactly as it is built ("ja"); null for none.
const Catalogue* BuiltCatalogue(std::string_view language);

// The catalogue the words come from: English until another is chosen.
const Catalogue& CurrentCatalogue();
void UseCatalogue(const Catalogue& catalogue);

// The catalogue of the first of the user's languages that one is built for, English when
// none is. A language is named as a locale ("ja_JP.UTF-8") or as a BCP 47 tag ("ja-JP"); its
// first part decides, but that the catalogue in use stays when it is the one named whole.
const Catalogue& PreferredCatalogue(std::span<const std::string_view> languages);

// The catalogue after the current one, in the built order: where switching the language
// leads.
const Catalogue& NextCatalogue();

}  // namespace ombrix
