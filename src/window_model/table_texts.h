// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "translate.h"

namespace ombrix {

// The words for a bin of the frequency table, all made from FrequencyTable::ValuesOf.

// Its values: "-7", "-58 or less", "4 or more".
std::string BinName(int bin);

// The caption of the header over its cell: "-7"; the open ends name the first and the last
// value with a bin of its own, after or before a fullwidth tilde: "～  -57", "3  ～".
std::string HeaderCaption(int bin);

// What a screen reader says of its header: "shortage -58 or less".
std::string SpokenHeader(int bin);

// Where the table's extras are found: a count cell's tooltip before a run, and the end of its
// tooltip after one.
inline constexpr Message kTableHint =
    Msg("After a run: right-click (or Menu) for the chart and the copy");
inline constexpr Message kTableHintAfterRun = Msg("Right-click (or Menu): the chart, the copy");

// What a screen reader says of its cell showing `text`: "shortage -3: 120 experiments", or
// "shortage -3: no count" before a run.
std::string SpokenCell(int bin, std::string_view text);

}  // namespace ombrix
