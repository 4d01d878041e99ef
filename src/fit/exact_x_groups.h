// Points of the exact sums held back by their x value: the sums need only,
// for each distinct x, how many points have it and the sum of their y, so
// the powers of an x that comes again are formed once for all its points.
// A bounded table: memory stays constant, and a full table is added to the
// sums and emptied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace peruka {

class ExactXGroups {
 public:
  struct Group {
    std::int64_t x = 0;  // at the sums' scale
    std::uint64_t count = 0;
    __int128 ySum = 0;  // at the sums' scale
    bool used = false;
  };

  // Sums of the y values of one group stay below 2^126 and so do the
  // counts' products with them: a group ends at 2^62 points.
  static constexpr std::uint64_t kMaxCount = std::uint64_t{1} << 62;

  ExactXGroups() : slots_(kSlots) {}

  // The group of x, created when new; null when the table is full (then
  // the caller empties it first).
  Group* Find(std::int64_t x) {
    auto slot = static_cast<std::size_t>(Hash(x)) & (kSlots - 1);
    for (;; slot = (slot + 1) & (kSlots - 1)) {
      Group& group = slots_[slot];
      if (group.used && group.x == x) return group.count < kMaxCount ? &group : nullptr;
      if (group.used) continue;
      if (used_ >= kMaxUsed) return nullptr;
      group.used = true;
      group.x = x;
      ++used_;
      return &group;
    }
  }

  bool Empty() const { return used_ == 0; }
  // Every group, then the table is empty.
  template <typename Visit>
  void Drain(Visit visit) {
    for (Group& group : slots_) {
      if (!group.used) continue;
      visit(group);
      group = Group();
    }
    used_ = 0;
  }

 private:
  static constexpr std::size_t kSlots = std::size_t{1} << 14;
  static constexpr std::size_t kMaxUsed = kSlots / 2;

  static std::uint64_t Hash(std::int64_t x) {
    auto h = static_cast<std::uint64_t>(x);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 29;
    return h;
  }

  std::vector<Group> slots_;
  std::size_t used_ = 0;
};

}  // namespace peruka
