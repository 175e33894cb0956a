// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_texts.h"

#include "frequency_table.h"

namespace ombrix {

std::string BinName(int bin) {
  const BinValues values = FrequencyTable::ValuesOf(bin);
  const std::string value = std::to_string(values.value);
  switch (values.extent) {
    case BinValues::Extent::OrLess:
      return value + " or less";
    case BinValues::Extent::OrMore:
      return value + " or more";
    case BinValues::Extent::Single:
      break;
  }
  return value;
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
  return "shortage " + BinName(bin);
}

std::string SpokenCell(int bin, std::string_view text) {
  if (text.empty())
    return SpokenHeader(bin) + ": no count";
  return SpokenHeader(bin) + ": " + std::string(text) +
         (text == "1" ? " experiment" : " experiments");
}

}  // namespace ombrix
