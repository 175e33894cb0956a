// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <algorithm>
#include <cctype>

namespace ombrix {
namespace {

const Catalogue* current = nullptr;

}  // namespace

const CatalogueEntry* Catalogue::Find(std::string_view id) const {
  const auto found = std::lower_bound(
      entries.begin(), entries.end(), id,
      [](const CatalogueEntry& entry, std::string_view wanted) { return entry.id < wanted; });
  return found != entries.end() && found->id == id ? &*found : nullptr;
}

const Catalogue& CurrentCatalogue() {
  return current ? *current : *BuiltCatalogues().front();
}

void UseCatalogue(const Catalogue& catalogue) {
  current = &catalogue;
}

const Catalogue& PreferredCatalogue(std::span<const std::string_view> languages) {
  const auto sameLetters = [](std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) ==
             std::tolower(static_cast<unsigned char>(y));
    });
  };
  for (std::string_view language : languages) {
    language = language.substr(0, language.find_first_of("-_.@"));
    for (const Catalogue* catalogue : BuiltCatalogues()) {
      if (sameLetters(language, catalogue->language))
        return *catalogue;
    }
  }
  return *BuiltCatalogues().front();
}

const Catalogue& NextCatalogue() {
  const auto built = BuiltCatalogues();
  const auto found = std::find(built.begin(), built.end(), &CurrentCatalogue());
  return found == built.end() || found + 1 == built.end() ? *built.front() : **(found + 1);
}

}  // namespace ombrix
