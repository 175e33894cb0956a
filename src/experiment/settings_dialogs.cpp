// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialogs.h"

#include <cmath>

#include "read_number.h"

namespace ombrix {

std::optional<std::int16_t> CountDialog::Accepted(std::string_view answer) const {
  // Compared before rounding: "1000.5" is above 1000 and asked again.
  const double value = ReadNumber(answer);
  if (value >= lower && value <= upper)
    return static_cast<std::int16_t>(std::floor(value));
  return std::nullopt;
}

}  // namespace ombrix
