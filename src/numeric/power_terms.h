// One point's terms of the power sums of the normal equations, added to
// sums kept in doubles. The fit spends nearly all its time here, so each
// arithmetic backend has its own route; both give StoreDouble of the
// extended sum, bit for bit.
#pragma once

namespace peruka {

inline constexpr int kMaxPowerTermsDegree = 20;

// For i = 0..2n: sums[i] = StoreDouble(sums[i] + x^i); for i = 0..n:
// rhs[i] = StoreDouble(y * x^i + rhs[i]). x^i is RaisePower(x, i) bit for
// bit, which needs SquareAndMultiplyCovers(x, 2n); y is finite. Each sum is
// written once, so the order of the additions does not show; a sum that
// overflows becomes infinite (or NaN) and stays so.
// 0 <= degree <= kMaxPowerTermsDegree.
void AddPowerTerms(int degree, double x, double y, double* sums, double* rhs);

}  // namespace peruka
