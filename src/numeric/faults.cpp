#include "numeric/faults.h"

#include <cstdio>

#include "numeric/runtime_messages.h"

namespace peruka {

namespace messages {
// Each text ends at the end of its literal, so data() is NUL-terminated.
const char* const kInvalidOp = RuntimeMessageText(RuntimeMessage::InvalidOp).data();
const char* const kZeroDivide = RuntimeMessageText(RuntimeMessage::ZeroDivide).data();
const char* const kOverflow = RuntimeMessageText(RuntimeMessage::Overflow).data();
const char* const kUnderflow = RuntimeMessageText(RuntimeMessage::Underflow).data();
}  // namespace messages

void RaiseFault(std::uint32_t code) {
  switch (code) {
    case kFaultFloatDivideByZero:
      RaiseRuntimeMessage(RuntimeMessage::ZeroDivide);
    case kFaultFloatInvalidOperation:
    case kFaultFloatStackCheck:
    case kFaultFloatInexactResult:
      RaiseRuntimeMessage(RuntimeMessage::InvalidOp);
    case kFaultFloatOverflow:
      RaiseRuntimeMessage(RuntimeMessage::Overflow);
    case kFaultFloatUnderflow:
    case kFaultFloatDenormalOperand:
      RaiseRuntimeMessage(RuntimeMessage::Underflow);
    case kFaultIntDivideByZero:
      RaiseRuntimeMessage(RuntimeMessage::IntDivideByZero);
    case kFaultIntOverflow:
      RaiseRuntimeMessage(RuntimeMessage::IntOverflow);
    case kFaultArrayBoundsExceeded:
      RaiseRuntimeMessage(RuntimeMessage::RangeCheck);
    case kFaultPrivilegedInstruction:
      RaiseRuntimeMessage(RuntimeMessage::Privilege);
    case kFaultStackOverflow:
      RaiseRuntimeMessage(RuntimeMessage::StackOverflow);
    case kFaultControlCExit:
      RaiseRuntimeMessage(RuntimeMessage::ControlC);
    default: {
      char text[64];
      std::snprintf(text, sizeof text, RuntimeMessageText(RuntimeMessage::ExternalException).data(),
                    static_cast<unsigned>(code));
      throw EExternalException(text, code);
    }
  }
}

}  // namespace peruka
