// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <vector>

namespace ombrix {

class LoadableWindow;

// The program's lifetime: which window objects exist, and ending the program at once, with
// every window unloaded and no event delivered after it.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Ends the program at once: every window is unloaded, no further event is delivered to
  // the program and the event loop returns with `status`: 0 for the user's own endings.
  void End(int status = 0);

  void Register(LoadableWindow& window);
  void Unregister(LoadableWindow& window);

 private:
  // Swallows every event once the program has ended, but the deletion of unloaded widgets.
  class EventBarrier : public QObject {
   public:
    bool eventFilter(QObject* watched, QEvent* event) override;
  };

  std::vector<LoadableWindow*> windows_;
  EventBarrier barrier_;
  bool ended_ = false;
};

// Lets the events pending at this moment run once, then returns.
void DoEvents();

}  // namespace ombrix
