#include "ui/event_guard.h"

namespace peruka {

namespace {
TExceptionSink* sink = nullptr;
}  // namespace

TExceptionSink* ExceptionSink() { return sink; }

void SetExceptionSink(TExceptionSink* newSink) { sink = newSink; }

void DispatchEvent(const std::function<void()>& handler) {
  TExceptionSink* const guard = sink;
  if (!guard) {
    handler();
    return;
  }
  try {
    handler();
  } catch (...) {
    guard->HandleException(std::current_exception());
  }
}

}  // namespace peruka
