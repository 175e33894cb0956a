#pragma once

namespace ombrix {

// While it lives, a toolkit that cannot open a display makes the program print one clear
// line and exit with status 1, instead of the toolkit's own messages and an abort. Lives
// only around the construction of the application object.
class DisplayGuard {
 public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace ombrix
