// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include "shortage_run.h"

namespace ombrix {

// A finished run as the page shows it: the average's and the cells' texts, the tooltips with
// the exact law, and the table as the tab-separated text that Copy table puts on the
// clipboard.
emscripten::val RunRecord(const RunReport& report);

}  // namespace ombrix
