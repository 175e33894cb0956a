// SPDX-License-Identifier: GPL-3.0-or-later
#include "translate.h"

#include <algorithm>

#include "catalogue.h"

namespace ombrix {

// Hand-written rather than fmt's named arguments, which the WebAssembly build would have to
// carry: a single pass that replaces the names it is given.
std::string FillPlaceholders(std::string_view text, MessageArgs args) {
  std::string filled;
  filled.reserve(text.size());
  while (!text.empty()) {
    const std::size_t open = text.find('{');
    filled += text.substr(0, open);
    if (open == std::string_view::npos)
      break;
    text.remove_prefix(open);
    const std::size_t close = text.find('}');
    const std::string_view name =
        close == std::string_view::npos ? std::string_view{} : text.substr(1, close - 1);
    const auto arg = std::find_if(args.begin(), args.end(),
                                  [name](const MessageArg& given) { return given.name == name; });
    if (arg == args.end()) {
      filled += '{';
      text.remove_prefix(1);
    } else {
      filled += arg->text;
      text.remove_prefix(close + 1);
    }
  }
  return filled;
}

namespace {

std::string_view Translated(const Catalogue& catalogue, std::string_view id) {
  const CatalogueEntry* entry = catalogue.Find(id);
  return entry && !entry->forms.empty() ? entry->forms.front() : id;
}

}  // namespace

std::string Tr(std::string_view id, MessageArgs args) {
  return FillPlaceholders(Translated(CurrentCatalogue(), id), args);
}

std::string TrIn(const Catalogue& catalogue, Message message) {
  return std::string(Translated(catalogue, message.id));
}

std::string Tr(Message message, MessageArgs args) {
  return Tr(message.id, args);
}

std::string TrN(std::string_view id, std::string_view idPlural, long long count, MessageArgs args) {
  const Catalogue& catalogue = CurrentCatalogue();
  // As gettext takes it: a negative count is no "one".
  const auto n = static_cast<unsigned long>(count);
  const CatalogueEntry* entry = catalogue.Find(id);
  if (!entry || entry->forms.empty())
    return FillPlaceholders(n == 1 ? id : idPlural, args);
  const auto form = static_cast<std::size_t>(catalogue.pluralForm(n));
  return FillPlaceholders(entry->forms[std::min(form, entry->forms.size() - 1)], args);
}

}  // namespace ombrix
