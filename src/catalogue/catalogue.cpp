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

const Catalogue* BuiltCatalogue(std::string_view language) {
  const auto built = BuiltCatalogues();
  const auto found = std::find_if(
      built.begin(), built.end(),
      [language](const Catalogue* catalogue) { return catalogue->language == language; });
  return found == built.end() ? nullptr : *found;
}

const Catalogue& PreferredCatalogue(std::span<const std::string_view> languages) {
  const auto same = [](std::string_view a, std::string_view b) {
    const auto letter = [](char c) {
      return c == '_' ? '-' : std::tolower(static_cast<unsigned char>(c));
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return letter(x) == letter(y); });
  };
  for (std::string_view language : languages) {
    language = language.substr(0, language.find_first_of(".@"));
    // The catalogue in use stays when it is the very one asked for, such as a regional one.
    if (same(language, CurrentCatalogue().language))
      return CurrentCatalogue();
    const std::string_view primary = language.substr(0, language.find_first_of("-_"));
    for (const Catalogue* catalogue : BuiltCatalogues()) {
      if (same(primary, catalogue->language))
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
