// The two extended backends against each other: the operations that the
// numeric code uses, on the x87 unit and in software, bit for bit. Built
// only where both exist: an x86-64 build on the x87 unit (see
// fuzz/CMakeLists.txt).
#include <cmath>

#include "fuzz_target.h"
#include "numeric/power_terms.h"
#include "numeric/raise_power.h"
#include "numeric/soft_extended.h"
#include "numeric/soft_power_terms.h"
#include "numeric/soft_term.h"

using namespace peruka;

namespace {

SoftExtended Soft(Extended value) {
  const ExtendedBits bits = BitsOf(value);
  return SoftExtended::FromBits(bits.signExponent, bits.significand);
}

// Equal bits; two NaNs count as equal whatever their payloads.
bool Same(Extended x87, SoftExtended soft) {
  const ExtendedBits bits = BitsOf(x87);
  const bool x87Nan = std::isnan(x87);
  const bool softNan = (soft.SignExponent() & 0x7FFF) == 0x7FFF && (soft.Significand() << 1) != 0;
  if (x87Nan || softNan) return x87Nan && softNan;
  return bits.signExponent == soft.SignExponent() && bits.significand == soft.Significand();
}

double AddAndStore(double d, Extended e) { return StoreDouble(static_cast<Extended>(d) + e); }

bool Same(double x87, double soft) {
  return (std::isnan(x87) && std::isnan(soft)) || fuzz::SameBits(x87, soft);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Prepare();
  fuzz::Input input(data, size);
  const std::uint8_t operation = input.Byte();
  const Extended a = (operation & 0x80) ? static_cast<Extended>(input.Double()) : input.AnyExtended();
  const Extended b = (operation & 0x40) ? static_cast<Extended>(input.Double()) : input.AnyExtended();
  unsigned status = 0;
  switch (operation % 9) {
    case 0:
      PERUKA_FUZZ_CHECK(Same(a + b, SoftExtended::Add(Soft(a), Soft(b), status)));
      break;
    case 1:
      PERUKA_FUZZ_CHECK(Same(a - b, SoftExtended::Sub(Soft(a), Soft(b), status)));
      break;
    case 2:
      PERUKA_FUZZ_CHECK(Same(a * b, SoftExtended::Mul(Soft(a), Soft(b), status)));
      break;
    case 3:
      PERUKA_FUZZ_CHECK(Same(a / b, SoftExtended::Div(Soft(a), Soft(b), status)));
      break;
    case 4:
      PERUKA_FUZZ_CHECK(Same(StoreDouble(a), SoftExtended::ToDouble(Soft(a), status)));
      break;
    case 5:
      PERUKA_FUZZ_CHECK(Same(RoundToNearestInteger(a),
                             SoftExtended::RoundToIntegral(Soft(a), SoftRounding::kNearest, status)));
      break;
    case 6: {
      const int n = static_cast<int>(input.Bytes(2) % 65536) - 32768;
      PERUKA_FUZZ_CHECK(Same(ScaleByPowerOfTwo(a, n), SoftExtended::Scale(Soft(a), n, status)));
      break;
    }
    case 7: {
      // A sum kept in a double taking an extended term.
      const double d = input.Double();
      PERUKA_FUZZ_CHECK(Same(AddAndStore(d, b), AddToDouble(d, Soft(b), status)));
      break;
    }
    default: {
      // One point's power-sum terms, from sums of any value.
      const int degree = static_cast<int>(input.Byte() % (kMaxPowerTermsDegree + 1));
      const double x = input.Double();
      const double y = input.Double();
      if (!std::isfinite(y) || !SquareAndMultiplyCovers(x, 2 * degree)) break;
      double x87Sums[2 * kMaxPowerTermsDegree + 1], softSums[2 * kMaxPowerTermsDegree + 1];
      double x87Rhs[kMaxPowerTermsDegree + 1], softRhs[kMaxPowerTermsDegree + 1];
      for (int i = 0; i <= 2 * degree; ++i) x87Sums[i] = softSums[i] = input.Double();
      for (int i = 0; i <= degree; ++i) x87Rhs[i] = softRhs[i] = input.Double();
      AddPowerTerms(degree, x, y, x87Sums, x87Rhs);
      SoftAddPowerTerms(degree, x, y, softSums, softRhs);
      for (int i = 0; i <= 2 * degree; ++i) PERUKA_FUZZ_CHECK(Same(x87Sums[i], softSums[i]));
      for (int i = 0; i <= degree; ++i) PERUKA_FUZZ_CHECK(Same(x87Rhs[i], softRhs[i]));
      break;
    }
  }
  return 0;
}
