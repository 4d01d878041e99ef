#include <sys/mman.h>

#include "fit/large_block_allocator.h"

namespace peruka {

void* MapLargeBlock(std::size_t bytes) {
  // Map one huge page more than needed and cut the ends off, so the block
  // starts at a huge-page boundary.
  const std::size_t mapped = bytes + kHugePageSize;
  void* raw = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kHugePageSize - 1) & ~(std::uintptr_t{kHugePageSize} - 1);
  const std::size_t head = aligned - start;
  const std::size_t tail = mapped - head - bytes;
  if (head > 0) ::munmap(raw, head);
  if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + bytes), tail);
  void* block = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
  ::madvise(block, bytes, MADV_HUGEPAGE);  // a hint: without huge pages it fails harmlessly
#endif
  return block;
}

void UnmapLargeBlock(void* block, std::size_t bytes) { ::munmap(block, bytes); }

}  // namespace peruka
