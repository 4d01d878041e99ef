#include "numeric/runtime_messages.h"

#include <cassert>
#include <exception>

namespace peruka {

void RaiseRuntimeMessage(RuntimeMessage name) {
  RaiseRuntimeMessage(name, std::string(RuntimeMessageText(name)));
}

void RaiseRuntimeMessage(RuntimeMessage name, std::string text) {
  const RuntimeMessageEntry& entry = RuntimeMessageEntryOf(name);
  assert(entry.raise != nullptr && "ExternalException is raised by RaiseFault with its code");
  if (entry.raise != nullptr) entry.raise(std::move(text));
  std::terminate();
}

}  // namespace peruka
