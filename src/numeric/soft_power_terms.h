// AddPowerTerms (numeric/power_terms.h) computed in software: the powers
// kept taken apart (SoftTerm), so that neither the multiplications nor the
// additions pack and unpack the format. Built on every target, so that on
// x86 it can be compared with the x87 route.
#pragma once

namespace peruka {

inline constexpr int kSoftPowerTermsMaxDegree = 20;

// Precondition as AddPowerTerms (degree up to kSoftPowerTermsMaxDegree);
// the same sums, bit for bit.
void SoftAddPowerTerms(int degree, double x, double y, double* sums, double* rhs);

}  // namespace peruka
