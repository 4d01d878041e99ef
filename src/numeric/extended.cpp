#include "numeric/extended.h"

#include <cfenv>

namespace peruka {

void EnsureExtendedPrecision() {
#if defined(__x86_64__) || defined(__i386__)
  std::uint16_t cw;
  asm volatile("fnstcw %0" : "=m"(cw));
  cw = static_cast<std::uint16_t>((cw & ~0x0F00) | 0x0300 | 0x003F);  // 64-bit, nearest, masked
  asm volatile("fldcw %0" : : "m"(cw));
#endif
  std::fesetround(FE_TONEAREST);
}

}  // namespace peruka
