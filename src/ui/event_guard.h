// The guard around every event handler: an exception that escapes a handler
// abandons it and goes to the error display, and the program goes on. The
// application object installs its error display here while it exists.
#pragma once

#include <exception>
#include <functional>

namespace peruka {

// Takes the exceptions that escape event handlers.
class TExceptionSink {
 public:
  virtual void HandleException(std::exception_ptr error) = 0;

 protected:
  ~TExceptionSink() = default;
};

// The installed sink, or null.
TExceptionSink* ExceptionSink();
void SetExceptionSink(TExceptionSink* sink);

// Runs an event handler under the guard (or plainly while no sink is
// installed).
void DispatchEvent(const std::function<void()>& handler);

}  // namespace peruka
