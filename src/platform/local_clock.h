// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ombrix {

// Seconds since local midnight, with their fraction, as the runtime's timer gives them. Read
// before every meeting, so it looks the time zone up only every quarter hour, which
// QTime::currentTime() would do on every call.
float SecondsSinceLocalMidnight();

// A seed that differs from one start of the program to the next.
std::uint64_t FreshSeed();

}  // namespace ombrix
