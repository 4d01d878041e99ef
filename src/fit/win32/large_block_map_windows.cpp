#include <windows.h>

#include "fit/large_block_allocator.h"

namespace peruka {

void* MapLargeBlock(std::size_t bytes) {
  void* block = ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void UnmapLargeBlock(void* block, std::size_t) { ::VirtualFree(block, 0, MEM_RELEASE); }

}  // namespace peruka
