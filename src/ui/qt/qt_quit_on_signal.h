// Ends the program cleanly when the session asks it to: SIGTERM, SIGINT or
// SIGHUP ends the message loop (and any box's loop) as closing the window
// does, instead of killing the process mid-event.
#pragma once

#include <memory>

class QSocketNotifier;

namespace peruka {

class QuitOnSignal {
 public:
  // Installs the handlers; the message loop must run for them to act.
  QuitOnSignal();
  ~QuitOnSignal();
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace peruka
