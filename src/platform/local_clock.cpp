// SPDX-License-Identifier: GPL-3.0-or-later
#include "local_clock.h"

#include <ctime>
#include <random>

namespace ombrix {

float SecondsSinceLocalMidnight() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);

  // Asking for the local time zone on every call would cost more than a whole experiment,
  // so its offset is cached and looked up again at every quarter hour, where daylight-saving
  // changes happen.
  static thread_local std::time_t offsetValidUntil = 0;
  static thread_local long utcOffset = 0;
  if (now.tv_sec >= offsetValidUntil) {
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    utcOffset = local.tm_gmtoff;
    offsetValidUntil = now.tv_sec - now.tv_sec % 900 + 900;
  }
  constexpr long kSecondsPerDay = 86400;
  const long secondOfDay =
      ((now.tv_sec + utcOffset) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
  return static_cast<float>(static_cast<double>(secondOfDay) + now.tv_nsec * 1e-9);
}

std::uint64_t FreshSeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

}  // namespace ombrix
