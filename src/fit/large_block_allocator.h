// An allocator for the big index arrays of a large input. Fresh memory is
// the dearest part of reading a million lines: every 4 KiB page costs a
// fault. Blocks of a few megabytes are therefore mapped on their own,
// aligned to 2 MiB and offered to the kernel for transparent huge pages (one
// fault per 2 MiB where the kernel has them; plain pages otherwise). Small
// blocks come from the ordinary heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace peruka {

inline constexpr std::size_t kHugePageSize = std::size_t{2} << 20;
inline constexpr std::size_t kLargeBlockThreshold = 2 * kHugePageSize;

// Maps `bytes` (a multiple of kHugePageSize) at a kHugePageSize boundary
// (large_block_map_posix.cpp; on Windows, large_block_map_windows.cpp maps
// them at the system's allocation granularity, without huge pages).
void* MapLargeBlock(std::size_t bytes);
void UnmapLargeBlock(void* block, std::size_t bytes);

inline std::size_t LargeBlockBytes(std::size_t bytes) {
  return (bytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
}

template <typename T>
class LargeBlockAllocator {
 public:
  using value_type = T;

  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kLargeBlockThreshold) return std::allocator<T>().allocate(n);
    return static_cast<T*>(MapLargeBlock(LargeBlockBytes(bytes)));
  }

  void deallocate(T* block, std::size_t n) noexcept {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kLargeBlockThreshold) {
      std::allocator<T>().deallocate(block, n);
      return;
    }
    UnmapLargeBlock(block, LargeBlockBytes(bytes));
  }

  template <typename U>
  bool operator==(const LargeBlockAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace peruka
