// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every text that the windows, the dialogs and the chart can show, in every language
// of the catalogues, one a line, so that a font can be cut down to the glyphs they need.
//
//   window_texts

#include <iostream>
#include <string_view>

#include "catalogue.h"

int main() {
  using namespace ombrix;
  for (const Catalogue* catalogue : BuiltCatalogues()) {
    for (const CatalogueEntry& entry : catalogue->entries) {
      std::cout << entry.id << '\n' << entry.idPlural << '\n';
      for (std::string_view form : entry.forms)
        std::cout << form << '\n';
    }
  }
  // The numbers of the counts, the averages and the chart, the table's headers, and the
  // answers typed into the settings dialogs.
  std::cout << "0123456789-.+&HhOoEe%\uFF5E \n";
}
