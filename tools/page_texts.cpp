// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a file of the page with the words of one language: each @KEY@ of kPageTexts, and
// @LANGUAGE@, replaced by its text, escaped for HTML or for JSON; then each further
// KEY=TEXT given, as "@SUMMARY@" from the package's summary.
//
//   page_texts LANGUAGE html|json [KEY=TEXT...] < TEMPLATE > FILE

#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "page_texts.h"

namespace {

using namespace ombrix;

std::string Escaped(std::string_view text, bool json) {
  std::string escaped;
  for (const char c : text) {
    if (json && (c == '"' || c == '\\'))
      escaped += std::string("\\") + c;
    else if (!json && c == '&')
      escaped += "&amp;";
    else if (!json && c == '<')
      escaped += "&lt;";
    else if (!json && c == '>')
      escaped += "&gt;";
    else if (!json && c == '"')
      escaped += "&quot;";
    else
      escaped += c;
  }
  return escaped;
}

void Replace(std::string& text, std::string_view key, std::string_view value) {
  std::string marker = "@";  // appended: GCC 12 wrongly warns of "@" + std::string at -O3
  marker.append(key).append("@");
  std::string replaced;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(marker, from)) != std::string::npos;
       from = at + marker.size())
    replaced.append(text, from, at - from).append(value);
  text = replaced.append(text, from);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view format = argc >= 3 ? argv[2] : "";
  if (format != "html" && format != "json") {
    std::cerr << "usage: page_texts LANGUAGE html|json [KEY=TEXT...] < TEMPLATE > FILE\n";
    return 2;
  }
  const std::string_view language = argv[1];
  const Catalogue* chosen = nullptr;
  for (const Catalogue* catalogue : BuiltCatalogues())
    if (catalogue->language == language)
      chosen = catalogue;
  if (!chosen) {
    std::cerr << "page_texts: no catalogue for " << language << '\n';
    return 1;
  }
  UseCatalogue(*chosen);
  std::string text{std::istreambuf_iterator<char>(std::cin), {}};
  for (const PageText& page : kPageTexts)
    Replace(text, page.key, Escaped(Tr(page.message), format == "json"));
  Replace(text, "LANGUAGE", language);
  for (int k = 3; k < argc; ++k) {
    const std::string_view given = argv[k];
    const std::size_t equals = given.find('=');
    if (equals != std::string_view::npos)
      Replace(text, given.substr(0, equals), Escaped(given.substr(equals + 1), format == "json"));
  }
  std::cout << text;
  return 0;
}
