// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <optional>

#include "chart_keys.h"

namespace ombrix {

// The model's name of a pressed key; none for a key the windows do not act on.
std::optional<Key> KeyOf(const QKeyEvent& event);

}  // namespace ombrix
