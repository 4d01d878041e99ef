#include "numeric/soft_term.h"

namespace peruka {

double soft_term::AddToDoubleGeneral(double d, SoftTerm t, unsigned& status) {
  return SoftExtended::ToDouble(SoftExtended::Add(SoftExtended::FromDouble(d, status), Pack(t), status),
                                status);
}

double AddToDouble(double d, SoftExtended e, unsigned& status) {
  const bool normal =
      static_cast<unsigned>((e.SignExponent() & 0x7FFF) - 1) < 0x7FFE && (e.Significand() >> 63) != 0;
  if (normal) return AddTermToDouble(d, TermOf(e), status);
  return SoftExtended::ToDouble(SoftExtended::Add(SoftExtended::FromDouble(d, status), e, status), status);
}

}  // namespace peruka
