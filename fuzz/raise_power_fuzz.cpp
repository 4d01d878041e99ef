// The power function on any pair of extended values, and on small integral
// exponents, where it must agree with the running powers the fit uses.
#include <cmath>
#include <vector>

#include "fuzz_target.h"
#include "numeric/exceptions.h"
#include "numeric/raise_power.h"

using namespace peruka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Prepare();
  fuzz::Input input(data, size);
  const std::uint8_t mode = input.Byte();
  const Extended x = (mode & 1) ? static_cast<Extended>(input.Double()) : input.AnyExtended();
  // An integral exponent, as the fit raises its values, or any value.
  const bool integral = (mode & 2) != 0;
  int power = 0;
  Extended y = 0.0L;
  if (integral) {
    power =
        static_cast<int>(input.Bytes(2) % (2 * kMaxSquareAndMultiplyPower + 1)) - kMaxSquareAndMultiplyPower;
    y = static_cast<Extended>(power);
  } else {
    y = (mode & 4) ? static_cast<Extended>(input.Double()) : input.AnyExtended();
  }

  Extended result = 0.0L;
  try {
    result = RaisePower(x, y);
  } catch (const EOverflow&) {
    // Only y × ln x beyond the extended range: |ln x| is below 11357, so
    // |y| is above 10^4928 (2^16370 here).
    PERUKA_FUZZ_CHECK(fuzz::Magnitude(y) > FromBits(kExtendedExponentBias + 16370, std::uint64_t{1} << 63));
    PERUKA_FUZZ_CHECK(fuzz::Reports() == 0);
    return 0;
  } catch (...) {
    PERUKA_FUZZ_CHECK(!"RaisePower raises EOverflow only");
  }
  // At most one report, and a NaN only from a report or a NaN operand.
  PERUKA_FUZZ_CHECK(fuzz::Reports() <= 1);
  if (fuzz::IsNan(result)) PERUKA_FUZZ_CHECK(fuzz::Reports() == 1 || fuzz::IsNan(x) || fuzz::IsNan(y));

  const bool finiteNormalX = fuzz::IsNormal(x);
  if (finiteNormalX && y == 0.0L) PERUKA_FUZZ_CHECK(result == 1.0L && fuzz::Reports() == 0);
  if (finiteNormalX && fuzz::Reports() == 0 && !fuzz::IsNan(y) && !fuzz::IsInfinity(y)) {
    PERUKA_FUZZ_CHECK(!fuzz::IsNan(result));
    if (x > 0.0L) PERUKA_FUZZ_CHECK(!SignBit(result));
  }

  // An integral exponent that square-and-multiply covers: the running powers
  // give the same bits, the negative ones through their reciprocal.
  if (finiteNormalX && integral && power != 0) {
    const int magnitude = power < 0 ? -power : power;
    if (SquareAndMultiplyCovers(x, magnitude)) {
      std::vector<Extended> powers(static_cast<std::size_t>(magnitude) + 1);
      SquareAndMultiplyPowers(x, magnitude, powers.data());
      const Extended expected = power < 0 ? 1.0L / powers.back() : powers.back();
      PERUKA_FUZZ_CHECK(fuzz::SameBits(result, expected));
      PERUKA_FUZZ_CHECK(fuzz::Reports() == 0);
      // An even power of a negative base is not negative, an odd one is.
      if (x < 0.0L && result != 0.0L && !fuzz::IsInfinity(result))
        PERUKA_FUZZ_CHECK(SignBit(result) == ((magnitude & 1) != 0));
    }
  }
  return 0;
}
