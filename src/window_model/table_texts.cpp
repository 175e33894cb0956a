// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_texts.h"

#include <cstdlib>

#include "frequency_table.h"
#include "translate.h"

namespace ombrix {

std::string BinName(int bin) {
  const BinValues values = FrequencyTable::ValuesOf(bin);
  switch (values.extent) {
    case BinValues::Extent::OrLess:
      return Tr("{value} or less", {{"value", values.value}});
    case BinValues::Extent::OrMore:
      return Tr("{value} or more", {{"value", values.value}});
    case BinValues::Extent::Single:
      break;
  }
  return std::to_string(values.value);
}

std::string HeaderCaption(int bin) {
  const BinValues values = FrequencyTable::ValuesOf(bin);
  switch (values.extent) {
    case BinValues::Extent::OrLess:
      return "\uFF5E  " + std::to_string(values.value + 1);
    case BinValues::Extent::OrMore:
      return std::to_string(values.value - 1) + "  \uFF5E";
    case BinValues::Extent::Single:
      break;
  }
  return std::to_string(values.value);
}

std::string SpokenHeader(int bin) {
  return Tr("shortage {values}", {{"values", BinName(bin)}});
}

std::string SpokenCell(int bin, std::string_view text) {
  if (text.empty())
    return Tr("shortage {values}: no count", {{"values", BinName(bin)}});
  // The cell shows a count in plain digits.
  const long long count = std::strtoll(std::string(text).c_str(), nullptr, 10);
  return TrN("shortage {values}: {count} experiment", "shortage {values}: {count} experiments",
             count, {{"values", BinName(bin)}, {"count", text}});
}

}  // namespace ombrix
