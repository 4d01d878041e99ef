#include "ui/message_loop.h"

#include "ui/classes.h"

namespace peruka {

TMessageLoop* MessageLoopOf(const TComponent* component) {
  for (const TComponent* c = component; c; c = c->Owner())
    if (auto* loop = dynamic_cast<TMessageLoop*>(const_cast<TComponent*>(c))) return loop;
  return nullptr;
}

}  // namespace peruka
