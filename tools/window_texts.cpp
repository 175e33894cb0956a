// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every text that the windows, the dialogs and the chart can show in one language of
// the catalogues, one a line, so that a font can be cut down to the glyphs it needs.
//
//   window_texts LANGUAGE

#include <iostream>
#include <string_view>

#include "catalogue.h"
#include "main_window_layout.h"

int main(int argc, char** argv) {
  using namespace ombrix;
  const Catalogue* chosen = BuiltCatalogue(argc == 2 ? argv[1] : "");
  if (!chosen) {
    std::cerr << "usage: window_texts LANGUAGE, a language a catalogue is built for\n";
    return 2;
  }
  for (const CatalogueEntry& entry : chosen->entries) {
    // A message without a translation shows in English, the catalogue's own language's.
    if (entry.forms.empty())
      std::cout << entry.id << '\n' << entry.idPlural << '\n';
    for (std::string_view form : entry.forms)
      std::cout << form << '\n';
  }
  // The table's menu names the language it switches to in that language's own words.
  UseCatalogue(*chosen);
  for (const TableMenuCommand& command : MainWindowLayout::kMenuCommands)
    std::cout << command.Caption() << '\n';
  // The numbers of the counts, the averages and the chart, the table's headers, and the
  // answers typed into the settings dialogs.
  std::cout << "0123456789-.+&HhOoEe%\uFF5E \n";
}
