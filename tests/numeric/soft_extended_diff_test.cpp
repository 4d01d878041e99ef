// SoftExtended against the x87 unit: the same operands, drawn from every
// class of encoding, through both; result bits and exception flags must be
// equal. The x87 runs with every exception masked, a 64-bit significand and
// the rounding the operation names. The case count is PERUKA_DIFF_CASES from
// the environment, else 10^6 (about 0.3 s, 0.6 s under the sanitizers),
// shared out over the operation families.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>

#include "numeric/soft_extended.h"
#include "numeric/soft_log2.h"
#include "numeric/soft_term.h"

namespace peruka {
namespace {

using soft_status::kInvalid;

constexpr unsigned kFlagMask = 0x3D;  // IE ZE OE UE PE (not DE)
constexpr std::uint16_t kControlNearest = 0x037F;
constexpr std::uint16_t kControlTowardZero = 0x0F7F;

std::uint64_t TotalCases() {
  if (const char* text = std::getenv("PERUKA_DIFF_CASES")) return std::strtoull(text, nullptr, 10);
  return 1000000;
}

// splitmix64: fast, and the same stream on every run.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  unsigned Below(unsigned n) { return static_cast<unsigned>(Next() % n); }

 private:
  std::uint64_t state_;
};

struct Bits {
  std::uint16_t se;
  std::uint64_t sig;
};

long double ToHardware(Bits b) {
  long double v = 0;
  std::memcpy(&v, &b.sig, 8);
  std::memcpy(reinterpret_cast<char*>(&v) + 8, &b.se, 2);
  return v;
}
Bits FromHardware(long double v) {
  Bits b;
  std::memcpy(&b.sig, &v, 8);
  std::memcpy(&b.se, reinterpret_cast<const char*>(&v) + 8, 2);
  return b;
}
SoftExtended ToSoft(Bits b) { return SoftExtended::FromBits(b.se, b.sig); }
Bits FromSoft(SoftExtended v) { return {v.SignExponent(), v.Significand()}; }

// A double of every class: the raw bits of `raw`'s significand, or (when
// `rounded`) the double that `value` rounds to.
double SomeDouble(Bits raw, Bits value, bool rounded) {
  if (!rounded) return std::bit_cast<double>(raw.sig);
  unsigned ignored = 0;
  return SoftExtended::ToDouble(ToSoft(value), ignored);
}

// A significand with structure: random, few bits, runs of ones, the ends.
std::uint64_t Significand(Random& r) {
  const std::uint64_t x = r.Next();
  switch (r.Below(6)) {
    case 0:
      return x << r.Below(64) >> r.Below(64) << r.Below(64);  // a short run of random bits
    case 1:
      return ~(x << r.Below(64));  // ones above random low bits
    case 2:
      return (x & 0xF000000000000000ULL) | (r.Below(2) ? 1 : 0);
    case 3:
      return ~std::uint64_t{0} >> r.Below(64);
    default:
      return x;
  }
}

// One operand from every class of encoding, the exponent near the edges of
// the range or near `near` (to make cancellations, ties and range edges).
Bits Operand(Random& r, int near) {
  const auto sign = static_cast<std::uint16_t>(r.Below(2) << 15);
  constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
  std::uint64_t sig = Significand(r);
  int field;
  switch (r.Below(16)) {
    case 0:
      return {sign, 0};  // zero
    case 1:
      return {sign, sig & ~kTop};  // denormal
    case 2:
      return {sign, sig | kTop};  // pseudo-denormal
    case 3:
      return {static_cast<std::uint16_t>(sign | (1 + r.Below(0x7FFE))), sig & ~kTop};  // unnormal
    case 4: {
      static constexpr std::uint64_t kSpecial[] = {kTop, 0, kTop | 1, 0xC000000000000000ULL,
                                                   0x4000000000000000ULL};
      const std::uint64_t s = r.Below(2) ? kSpecial[r.Below(5)] : sig;  // inf, NaNs, pseudo-NaN/inf
      return {static_cast<std::uint16_t>(sign | 0x7FFF), s};
    }
    case 5:
      field = 0x7FFE - static_cast<int>(r.Below(70));  // near overflow
      break;
    case 6:
      field = 1 + static_cast<int>(r.Below(70));  // near underflow
      break;
    case 7:
      field = 16383 + static_cast<int>(r.Below(128)) - 64;  // around one
      break;
    case 8:
    case 9:
    case 10:
      field = near + static_cast<int>(r.Below(140)) - 70;
      break;
    default:
      field = 1 + static_cast<int>(r.Below(0x7FFE));
  }
  if (field < 1) field = 1;
  if (field > 0x7FFE) field = 0x7FFE;
  return {static_cast<std::uint16_t>(sign | field), sig | kTop};
}

// Runs `asm` with the control word `control`, flags cleared before and read
// after, all inside one statement so nothing moves across it.
#define HW(control, body, ...)                                                 \
  do {                                                                         \
    std::uint16_t saved_, cw_ = (control);                                     \
    asm volatile("fnstcw %0\n\tfldcw %1\n\tfnclex" : "=m"(saved_) : "m"(cw_)); \
    asm volatile(body __VA_ARGS__);                                            \
    asm volatile("fnstsw %0\n\tfldcw %1" : "=m"(sw) : "m"(saved_));            \
  } while (0)

struct Outcome {
  Bits bits{};
  std::uint64_t integer = 0;
  unsigned flags = 0;
  bool operator==(const Outcome& o) const {
    return bits.se == o.bits.se && bits.sig == o.bits.sig && integer == o.integer && flags == o.flags;
  }
};

std::string Show(const Outcome& o) {
  char text[96];
  std::snprintf(text, sizeof text, "%04X %016" PRIX64 " int %016" PRIX64 " flags %02X", o.bits.se, o.bits.sig,
                o.integer, o.flags);
  return text;
}

using Operation = std::function<void(Bits a, Bits b, Outcome& hw, Outcome& sw)>;

struct Family {
  const char* name;
  unsigned share;  // of every 100 cases
  Operation run;
};

template <typename Asm>
Outcome Binary(Asm op, Bits a, Bits b) {
  const long double x = ToHardware(a), y = ToHardware(b);
  long double r;
  std::uint16_t sw;
  op(x, y, r, sw);
  return {FromHardware(r), 0, sw & kFlagMask};
}

#define BINARY_FAMILY(NAME, INSN, SOFT)                                             \
  Family {                                                                          \
    NAME, 12, [](Bits a, Bits b, Outcome& hw, Outcome& so) {                        \
      hw = Binary(                                                                  \
          [](long double x, long double y, long double& r, std::uint16_t& sw) {     \
            HW(kControlNearest, INSN " %%st(1), %%st", : "=t"(r) : "0"(x), "u"(y)); \
          },                                                                        \
          a, b);                                                                    \
      so.bits = FromSoft(SoftExtended::SOFT(ToSoft(a), ToSoft(b), so.flags));       \
    }                                                                               \
  }

const Family kFamilies[] = {
    BINARY_FAMILY("add", "fadd", Add),
    BINARY_FAMILY("subtract", "fsub", Sub),
    BINARY_FAMILY("multiply", "fmul", Mul),
    BINARY_FAMILY("divide", "fdiv", Div),
    {"multiply at the underflow edge", 4,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       // (2^63 + k)(2^64 - 2k) = 2^127 - 2k^2: just below a power of two, so
       // the product rounds up to it; placed around the smallest normal.
       const std::uint64_t k = 1 + (b.sig & 0xFFFF);
       const std::uint64_t jitter = (b.sig >> 16) & 3;
       const auto field = static_cast<std::uint16_t>(16383 - 1 - static_cast<int>((b.sig >> 20) % 130));
       const Bits x{static_cast<std::uint16_t>((a.se & 0x8000) | field), (std::uint64_t{1} << 63) + k};
       const Bits y{static_cast<std::uint16_t>((b.se & 0x8000) |
                                               (16382 - field + static_cast<int>((b.sig >> 28) % 3))),
                    0 - 2 * k + jitter};
       hw = Binary(
           [](long double p, long double q, long double& r, std::uint16_t& sw) {
             HW(kControlNearest, "fmul %%st(1), %%st", : "=t"(r) : "0"(p), "u"(q));
           },
           x, y);
       so.bits = FromSoft(SoftExtended::Mul(ToSoft(x), ToSoft(y), so.flags));
     }},
    {"store double", 10,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       // Every class, and on purpose values whose top 53 bits are all ones
       // around the double's smallest normal and largest finite value.
       if ((b.se & 7) == 0) {
         static constexpr int kEdges[] = {16383 - 1023, 16383 - 1022, 16383 - 1024, 16383 + 1023};
         a.se = static_cast<std::uint16_t>((a.se & 0x8000) | kEdges[b.sig & 3]);
         a.sig = ~std::uint64_t{0} << ((b.sig >> 2) % 13);
       }
       const long double x = ToHardware(a);
       double d;
       std::uint16_t sw;
       HW(kControlNearest, "fstl %0", : "=m"(d) : "t"(x));
       hw = {{}, std::bit_cast<std::uint64_t>(d), sw & kFlagMask};
       so.integer = std::bit_cast<std::uint64_t>(SoftExtended::ToDouble(ToSoft(a), so.flags));
     }},
    {"add to double", 8,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       // A sum kept in a double takes an extended term: d + e rounded to
       // extended, then stored. d of every class (often a's value stored
       // as a double, so that d and e are close), and on purpose e whose
       // low 11 bits make the double-rounding ties.
       double d = SomeDouble(a, a, b.sig & 2);
       if ((b.sig & 0x1C) == 0) b.sig = (b.sig & ~std::uint64_t{0x7FF}) | 0x400 | ((b.sig >> 8) & 1);
       if ((b.sig & 0x1C) == 4) {
         // d 1 to 3 places above a normal e whose bits below d's last one
         // are a tie at 64 bits, and whose next 11 bits are (nearly) a tie
         // at 53: each rounding step shows.
         const int s = 1 + static_cast<int>((b.sig >> 5) % 3);
         const std::uint64_t low = (std::uint64_t{0x400} << s) | (std::uint64_t{1} << (s - 1));
         const std::uint64_t jitter = ((b.sig >> 7) % 3) << s;
         b.sig =
             ((b.sig | (std::uint64_t{1} << 63)) & ~((std::uint64_t{1} << (s + 11)) - 1)) | (low + jitter);
         const int exponent = static_cast<int>(a.sig % 2000) - 1000;
         b.se = static_cast<std::uint16_t>((b.se & 0x8000) | (16383 + exponent));
         d = std::bit_cast<double>((a.sig & 0x800FFFFFFFFFFFFFULL) |
                                   (static_cast<std::uint64_t>(1023 + exponent + s) << 52));
       }
       const long double e = ToHardware(b);
       double r;
       std::uint16_t sw;
       HW(kControlNearest, "fldl %1\n\tfaddp %%st, %%st(1)\n\tfstpl %0", : "=m"(r) : "m"(d), "t"(e) : "st");
       hw = {{}, std::bit_cast<std::uint64_t>(r), sw & kFlagMask};
       so.integer = std::bit_cast<std::uint64_t>(AddToDouble(d, ToSoft(b), so.flags));
     }},
    {"load double", 4,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       const double d = SomeDouble(a, b, b.se & 1);
       long double r;
       std::uint16_t sw;
       HW(kControlNearest, "fldl %1", : "=t"(r) : "m"(d));
       hw = {FromHardware(r), 0, sw & kFlagMask};
       so.bits = FromSoft(SoftExtended::FromDouble(d, so.flags));
     }},
    {"load integer", 2,
     [](Bits a, Bits, Outcome& hw, Outcome& so) {
       const auto i = static_cast<std::int64_t>(a.sig >> (a.se & 63));
       long double r;
       std::uint16_t sw;
       HW(kControlNearest, "fildll %1", : "=t"(r) : "m"(i));
       hw = {FromHardware(r), 0, sw & kFlagMask};
       so.bits = FromSoft(SoftExtended(i));
     }},
    {"round to integer", 8,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       const bool truncate = b.se & 1;
       long double r;
       std::uint16_t sw;
       HW(truncate ? kControlTowardZero : kControlNearest, "frndint", : "=t"(r) : "0"(ToHardware(a)));
       hw = {FromHardware(r), 0, sw & kFlagMask};
       const auto mode = truncate ? SoftRounding::kTowardZero : SoftRounding::kNearest;
       so.bits = FromSoft(SoftExtended::RoundToIntegral(ToSoft(a), mode, so.flags));
     }},
    {"store integer", 8,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       const bool truncate = b.se & 1;
       std::int64_t i;
       std::uint16_t sw;
       HW(truncate ? kControlTowardZero : kControlNearest, "fistpll %0",
          : "=m"(i)
          : "t"(ToHardware(a))
          : "st");
       hw = {{}, static_cast<std::uint64_t>(i), sw & kFlagMask};
       const auto mode = truncate ? SoftRounding::kTowardZero : SoftRounding::kNearest;
       so.integer = static_cast<std::uint64_t>(SoftExtended::ToInt64(ToSoft(a), mode, so.flags));
     }},
    {"square root", 4,
     [](Bits a, Bits, Outcome& hw, Outcome& so) {
       long double r;
       std::uint16_t sw;
       HW(kControlNearest, "fsqrt", : "=t"(r) : "0"(ToHardware(a)));
       hw = {FromHardware(r), 0, sw & kFlagMask};
       so.bits = FromSoft(SoftExtended::Sqrt(ToSoft(a), so.flags));
     }},
    {"scale", 8,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       // Integral scales, mostly small, sometimes across the whole range.
       const auto n = static_cast<std::int32_t>(b.sig >> 40) % ((b.se & 1) ? 70 : 40000);
       const long double scale = n;
       long double r;
       std::uint16_t sw;
       HW(kControlNearest, "fscale", : "=t"(r) : "0"(ToHardware(a)), "u"(scale));
       hw = {FromHardware(r), 0, sw & kFlagMask};
       so.bits = FromSoft(SoftExtended::Scale(ToSoft(a), n, so.flags));
     }},
    {"compare", 12,
     [](Bits a, Bits b, Outcome& hw, Outcome& so) {
       // C0, C2 and C3 of FCOM (signalling) or FUCOM (quiet).
       const bool signalling = b.sig & 1;
       if (b.se & 2) b = a;
       std::uint16_t sw;
       if (signalling)
         HW(kControlNearest, "fcom %%st(1)", : : "t"(ToHardware(a)), "u"(ToHardware(b)));
       else
         HW(kControlNearest, "fucom %%st(1)", : : "t"(ToHardware(a)), "u"(ToHardware(b)));
       hw = {{}, static_cast<std::uint64_t>(sw & 0x4500), sw & kFlagMask};
       const auto order = SoftExtended::Compare(ToSoft(a), ToSoft(b), signalling, so.flags);
       so.integer = order == std::partial_ordering::less         ? 0x0100
                    : order == std::partial_ordering::equivalent ? 0x4000
                    : order == std::partial_ordering::greater    ? 0x0000
                                                                 : 0x4500;
     }},
};

void PrintTo(const Family& family, std::ostream* os) { *os << family.name; }

class SoftExtendedDifferential : public ::testing::TestWithParam<Family> {};

TEST_P(SoftExtendedDifferential, MatchesTheX87) {
  const Family& family = GetParam();
  const std::uint64_t cases = TotalCases() * family.share / 100;
  Random random(0x5EED5EED12345678ULL ^ cases ^ std::hash<std::string>()(family.name));
  std::uint64_t mismatches = 0;
  for (std::uint64_t i = 0; i < cases; ++i) {
    const Bits a = Operand(random, 16383);
    // The second operand often close in exponent to the first, for
    // cancellation and ties, or placed so that a product or quotient lands
    // near one or near the underflow edge.
    int near = a.se & 0x7FFF;
    switch (random.Below(4)) {
      case 0:
        near = 16383 - (near - 16383) - static_cast<int>(random.Below(3));
        break;
      case 1:
        near = 1 - (near - 16383);
        break;
      case 2:
        near = near - 64;
        break;
      default:
        break;
    }
    const Bits b = Operand(random, near);
    Outcome hw, so;
    family.run(a, b, hw, so);
    if (!(hw == so) && ++mismatches <= 5) {
      ADD_FAILURE() << family.name << " of " << Show({a, 0, 0}) << " and " << Show({b, 0, 0}) << ":\n  x87  "
                    << Show(hw) << "\n  soft " << Show(so);
    }
  }
  EXPECT_EQ(mismatches, 0u) << cases << " cases";
  std::printf("%-16s %12" PRIu64 " cases, %" PRIu64 " mismatches\n", family.name, cases, mismatches);
}

INSTANTIATE_TEST_SUITE_P(Operations, SoftExtendedDifferential, ::testing::ValuesIn(kFamilies),
                         [](const ::testing::TestParamInfo<Family>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

// FYL2X and F2XM1 are not exactly rounded: the software versions must stay
// within 1 ulp of them (see soft_log2.h).
TEST(SoftExtendedTranscendentals, StayWithinOneUlpOfTheX87) {
  Random random(0x10621062);
  const std::uint64_t cases = TotalCases() / 20;
  auto ulps = [](long double hw, SoftExtended so) {
    const Bits h = FromHardware(hw);
    if ((h.se & 0x8000) != (so.SignExponent() & 0x8000)) return std::uint64_t{1} << 62;
    auto key = [](std::uint16_t se, std::uint64_t sig) {
      return (static_cast<unsigned __int128>(se & 0x7FFF) << 63) + (sig & ~(std::uint64_t{1} << 63));
    };
    const auto kh = key(h.se, h.sig), ks = key(so.SignExponent(), so.Significand());
    return static_cast<std::uint64_t>(kh > ks ? kh - ks : ks - kh);
  };
  std::uint64_t worstLog = 0, worstExp = 0;
  for (std::uint64_t i = 0; i < cases; ++i) {
    // log2: x positive finite over the whole range, y like the power
    // function's ln 2 or any finite value.
    Bits x = Operand(random, 16383);
    x.se &= 0x7FFF;
    if (x.se == 0x7FFF || x.sig == 0 || (x.se != 0 && !(x.sig >> 63))) continue;
    Bits y = Operand(random, 16383);
    if ((y.se & 0x7FFF) == 0x7FFF || ((y.se & 0x7FFF) != 0 && !(y.sig >> 63)))
      y = {0x3FFE, 0xB17217F7D1CF79ACULL};
    long double r;
    std::uint16_t sw;
    HW(kControlNearest, "fyl2x", : "=t"(r) : "0"(ToHardware(x)), "u"(ToHardware(y)) : "st(1)");
    const std::uint64_t d = ulps(r, SoftYLog2X(ToSoft(y), ToSoft(x)));
    EXPECT_LE(d, 1u) << "fyl2x " << Show({x, 0, 0}) << " " << Show({y, 0, 0});
    worstLog = std::max(worstLog, d);

    // 2^x - 1 for |x| <= 1.
    Bits e = Operand(random, 16383 - static_cast<int>(random.Below(80)));
    if ((e.se & 0x7FFF) >= 16383 || ((e.se & 0x7FFF) != 0 && !(e.sig >> 63))) e.se = (e.se & 0x8000) | 0x3FFE;
    if (!(e.sig >> 63) && (e.se & 0x7FFF) != 0) continue;
    HW(kControlNearest, "f2xm1", : "=t"(r) : "0"(ToHardware(e)));
    const std::uint64_t d2 = ulps(r, SoftTwoToXMinusOne(ToSoft(e)));
    EXPECT_LE(d2, 1u) << "f2xm1 " << Show({e, 0, 0});
    worstExp = std::max(worstExp, d2);
  }
  std::printf("fyl2x worst %" PRIu64 " ulp, f2xm1 worst %" PRIu64 " ulp over %" PRIu64 " cases\n", worstLog,
              worstExp, cases);
}

}  // namespace
}  // namespace peruka
