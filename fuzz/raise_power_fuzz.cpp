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
  Extended y;
  if (mode & 2)  // an integral exponent, as the fit raises its values
    y = static_cast<Extended>(static_cast<int>(input.Bytes(2) % (2 * kMaxSquareAndMultiplyPower + 1)) -
                              kMaxSquareAndMultiplyPower);
  else
    y = (mode & 4) ? static_cast<Extended>(input.Double()) : input.AnyExtended();

  Extended result = 0.0L;
  try {
    result = RaisePower(x, y);
  } catch (const EOverflow&) {
    // Only y × ln x beyond the extended range: |ln x| is below 11357.
    PERUKA_FUZZ_CHECK(std::fabs(y) > 1e4927L);
    PERUKA_FUZZ_CHECK(fuzz::Reports() == 0);
    return 0;
  } catch (...) {
    PERUKA_FUZZ_CHECK(!"RaisePower raises EOverflow only");
  }
  // At most one report, and a NaN only from a report or a NaN operand.
  PERUKA_FUZZ_CHECK(fuzz::Reports() <= 1);
  if (std::isnan(result)) PERUKA_FUZZ_CHECK(fuzz::Reports() == 1 || std::isnan(x) || std::isnan(y));

  const bool finiteNormalX = std::isnormal(x);
  if (finiteNormalX && y == 0.0L) PERUKA_FUZZ_CHECK(result == 1.0L && fuzz::Reports() == 0);
  if (finiteNormalX && fuzz::Reports() == 0 && std::isfinite(y)) {
    PERUKA_FUZZ_CHECK(!std::isnan(result));
    if (x > 0.0L) PERUKA_FUZZ_CHECK(!SignBit(result));
  }

  // An integral exponent that square-and-multiply covers: the running powers
  // give the same bits, the negative ones through their reciprocal.
  if (finiteNormalX && y == std::trunc(y) && std::fabs(y) <= kMaxSquareAndMultiplyPower) {
    const int power = static_cast<int>(std::fabs(y));
    if (power > 0 && SquareAndMultiplyCovers(x, power)) {
      std::vector<Extended> powers(static_cast<std::size_t>(power) + 1);
      SquareAndMultiplyPowers(x, power, powers.data());
      const Extended expected = y < 0.0L ? 1.0L / powers.back() : powers.back();
      PERUKA_FUZZ_CHECK(fuzz::SameBits(result, expected));
      PERUKA_FUZZ_CHECK(fuzz::Reports() == 0);
      // An even power of a negative base is not negative, an odd one is.
      if (x < 0.0L && result != 0.0L && !std::isinf(result))
        PERUKA_FUZZ_CHECK(SignBit(result) == ((power & 1) != 0));
    }
  }
  return 0;
}
