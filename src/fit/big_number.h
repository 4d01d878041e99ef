// The exact fit's integers: GMP where the build has it (through
// Boost.Multiprecision's GMP backend), Boost's own integers elsewhere (the
// cross builds). Both give the same values; only the speed differs. Only
// the exact fit's sources include this header.
#pragma once

#if PERUKA_BIG_INTEGER_GMP
#include <boost/multiprecision/gmp.hpp>
#else
#include <boost/multiprecision/cpp_int.hpp>
#endif

namespace peruka {

#if PERUKA_BIG_INTEGER_GMP
using BigInteger = boost::multiprecision::mpz_int;
#else
using BigInteger = boost::multiprecision::cpp_int;
#endif

// 10^n, n >= 0.
inline BigInteger PowerOfTen(unsigned n) { return boost::multiprecision::pow(BigInteger(10), n); }

// The rational numerator / denominator, denominator > 0, never reduced:
// every use either rounds it or compares it.
struct Fraction {
  BigInteger numerator;
  BigInteger denominator = 1;
};

}  // namespace peruka
