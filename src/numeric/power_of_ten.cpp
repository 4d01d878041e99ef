#include "numeric/power_of_ten.h"

#include <cassert>
#include <iterator>
#include <limits>

namespace peruka {

// Each entry is the extended value nearest to the exact power of ten (ties to
// even), written with the hexadecimal digits of its 64-bit significand, so
// every constant is exact. 1e0 to 1e27 are the powers themselves; from 1e28 on
// the entries are rounded. power_of_ten_test rebuilds every entry from integer
// arithmetic and compares the bits.

// 10^i for i = 0 to 31.
constexpr Extended kPowersOfTenUnits[32] = {
    FromBits(0x3FFF, 0x8000000000000000ULL),  // 1e0
    FromBits(0x4002, 0xA000000000000000ULL),  // 1e1
    FromBits(0x4005, 0xC800000000000000ULL),  // 1e2
    FromBits(0x4008, 0xFA00000000000000ULL),  // 1e3
    FromBits(0x400C, 0x9C40000000000000ULL),  // 1e4
    FromBits(0x400F, 0xC350000000000000ULL),  // 1e5
    FromBits(0x4012, 0xF424000000000000ULL),  // 1e6
    FromBits(0x4016, 0x9896800000000000ULL),  // 1e7
    FromBits(0x4019, 0xBEBC200000000000ULL),  // 1e8
    FromBits(0x401C, 0xEE6B280000000000ULL),  // 1e9
    FromBits(0x4020, 0x9502F90000000000ULL),  // 1e10
    FromBits(0x4023, 0xBA43B74000000000ULL),  // 1e11
    FromBits(0x4026, 0xE8D4A51000000000ULL),  // 1e12
    FromBits(0x402A, 0x9184E72A00000000ULL),  // 1e13
    FromBits(0x402D, 0xB5E620F480000000ULL),  // 1e14
    FromBits(0x4030, 0xE35FA931A0000000ULL),  // 1e15
    FromBits(0x4034, 0x8E1BC9BF04000000ULL),  // 1e16
    FromBits(0x4037, 0xB1A2BC2EC5000000ULL),  // 1e17
    FromBits(0x403A, 0xDE0B6B3A76400000ULL),  // 1e18
    FromBits(0x403E, 0x8AC7230489E80000ULL),  // 1e19
    FromBits(0x4041, 0xAD78EBC5AC620000ULL),  // 1e20
    FromBits(0x4044, 0xD8D726B7177A8000ULL),  // 1e21
    FromBits(0x4048, 0x878678326EAC9000ULL),  // 1e22
    FromBits(0x404B, 0xA968163F0A57B400ULL),  // 1e23
    FromBits(0x404E, 0xD3C21BCECCEDA100ULL),  // 1e24
    FromBits(0x4052, 0x84595161401484A0ULL),  // 1e25
    FromBits(0x4055, 0xA56FA5B99019A5C8ULL),  // 1e26
    FromBits(0x4058, 0xCECB8F27F4200F3AULL),  // 1e27
    FromBits(0x405C, 0x813F3978F8940984ULL),  // 1e28
    FromBits(0x405F, 0xA18F07D736B90BE5ULL),  // 1e29
    FromBits(0x4062, 0xC9F2C9CD04674EDFULL),  // 1e30
    FromBits(0x4065, 0xFC6F7C4045812296ULL),  // 1e31
};

// 10^(32 j) for j = 1 to 15 (10^32 to 10^480).
constexpr Extended kPowersOfTenThirtyTwos[16] = {
    FromBits(0x3FFF, 0x8000000000000000ULL),  // 1e0, never used
    FromBits(0x4069, 0x9DC5ADA82B70B59EULL),  // 1e32
    FromBits(0x40D3, 0xC2781F49FFCFA6D5ULL),  // 1e64
    FromBits(0x413D, 0xEFB3AB16C59B14A3ULL),  // 1e96
    FromBits(0x41A8, 0x93BA47C980E98CE0ULL),  // 1e128
    FromBits(0x4212, 0xB616A12B7FE617AAULL),  // 1e160
    FromBits(0x427C, 0xE070F78D3927556BULL),  // 1e192
    FromBits(0x42E7, 0x8A5296FFE33CC930ULL),  // 1e224
    FromBits(0x4351, 0xAA7EEBFB9DF9DE8EULL),  // 1e256
    FromBits(0x43BB, 0xD226FC195C6A2F8CULL),  // 1e288
    FromBits(0x4426, 0x81842F29F2CCE376ULL),  // 1e320
    FromBits(0x4490, 0x9FA42700DB900AD2ULL),  // 1e352
    FromBits(0x44FA, 0xC4C5E310AEF8AA17ULL),  // 1e384
    FromBits(0x4564, 0xF28A9C07E9B09C59ULL),  // 1e416
    FromBits(0x45CF, 0x957A4AE1EBF7F3D4ULL),  // 1e448
    FromBits(0x4639, 0xB83ED8DC0795A262ULL),  // 1e480
};

// 10^(512 m) for m = 1 to 9 (10^512 to 10^4608).
constexpr Extended kPowersOfTenFiveTwelves[10] = {
    FromBits(0x3FFF, 0x8000000000000000ULL),  // 1e0, never used
    FromBits(0x46A3, 0xE319A0AEA60E91C7ULL),  // 1e512
    FromBits(0x4D48, 0xC976758681750C17ULL),  // 1e1024
    FromBits(0x53ED, 0xB2B8353B3993A7E4ULL),  // 1e1536
    FromBits(0x5A92, 0x9E8B3B5DC53D5DE5ULL),  // 1e2048
    FromBits(0x6137, 0x8CA554C020A1F0A6ULL),  // 1e2560
    FromBits(0x67DB, 0xF9895D25D88B5A8BULL),  // 1e3072
    FromBits(0x6E80, 0xDD5DC8A2BF27F3F8ULL),  // 1e3584
    FromBits(0x7525, 0xC46052028A20979BULL),  // 1e4096
    FromBits(0x7BCA, 0xAE3511626ED559F0ULL),  // 1e4608
};

// Below the limit |n| = i + 32 j + 512 m with i < 32, j < 16 and m < 10:
// every part has its entry.
static_assert(kPowerOfTenScaleLimit == 512 * std::size(kPowersOfTenFiveTwelves));
static_assert(512 == 32 * std::size(kPowersOfTenThirtyTwos));
static_assert(32 == std::size(kPowersOfTenUnits));

Extended ScaleByPowerOfTen(Extended value, std::int32_t n) {
  if (n == 0) return value;
  if (n <= -kPowerOfTenScaleLimit) return 0.0;
  if (n >= kPowerOfTenScaleLimit) return kExtendedInfinity;
  const bool divide = n < 0;
  const std::uint32_t m = divide ? static_cast<std::uint32_t>(-n) : static_cast<std::uint32_t>(n);
  assert(m / 512 < std::size(kPowersOfTenFiveTwelves));
  // Each step is rounded on its own, units first.
  auto apply = [&](Extended factor) { value = divide ? value / factor : value * factor; };
  apply(kPowersOfTenUnits[m % 32]);
  if ((m / 32) % 16 != 0) apply(kPowersOfTenThirtyTwos[(m / 32) % 16]);
  if (m / 512 != 0) apply(kPowersOfTenFiveTwelves[m / 512]);
  return value;
}

}  // namespace peruka
