#include "ui/message_loop.h"

namespace peruka {

namespace {
TMessageLoop* current = nullptr;
}  // namespace

TMessageLoop* MessageLoop() { return current; }

void SetMessageLoop(TMessageLoop* loop) { current = loop; }

}  // namespace peruka
