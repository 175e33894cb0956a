// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ombrix {

// While it lives, a toolkit that cannot start makes the program print the toolkit's own
// reason in one line and exit with status 1, instead of pages of plugin messages and an abort.
// When the reason is that no display could be reached, one more line says where the program
// can run. Lives only around the construction of the application object.
class DisplayGuard {
 public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace ombrix
