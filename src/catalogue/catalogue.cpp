// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <algorithm>

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

}  // namespace ombrix
