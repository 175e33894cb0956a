// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the settings dialogs as a typed answer, through ReadNumber and the acceptance
// of both dialogs, and aborts on the first broken property, so that libFuzzer keeps the input.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "read_number.h"
#include "settings_dialogs.h"

namespace {

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "settings input: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const double value = ombrix::ReadNumber(input);
  Require(!std::isnan(value), "ReadNumber gave NaN");
  for (const ombrix::CountDialog& dialog : ombrix::kSettingsDialogs) {
    const auto count = dialog.Accepted(input);
    // Accepted exactly when the number read lies within the bounds, compared before rounding,
    // then as its floor.
    Require(count.has_value() == (value >= dialog.lower && value <= dialog.upper),
            "the bounds were not kept");
    Require(!count || *count == std::floor(value), "the count is not the floor of the number");
  }
  return 0;
}
