// Storing an extended result into a double, with the fault it raises.
#pragma once

#include <cmath>

#include "numeric/extended.h"
#include "numeric/faults.h"

namespace peruka {

// Every operand of the fit's arithmetic is finite, so a stored result that is
// not finite marks the operation that faulted: an infinity is an overflow
// (EOverflow), a NaN is 0/0 (EInvalidOp).
inline double StoreChecked(Extended value) {
  const double stored = StoreDouble(value);
  if (!std::isfinite(stored))
    RaiseFault(std::isnan(stored) ? kFaultFloatInvalidOperation : kFaultFloatOverflow);
  return stored;
}

}  // namespace peruka
