// A table of one function per degree, from a template instantiated for each,
// so that loops over the powers have constant bounds.
#pragma once

#include <array>
#include <utility>

namespace peruka {

// {pick.operator()<0>(), ..., pick.operator()<Count - 1>()}, where pick is a
// lambda such as []<int N>() { return &Kernel<N>; }.
template <int Count, typename Pick>
constexpr auto DegreeTable(Pick pick) {
  return [pick]<int... N>(std::integer_sequence<int, N...>) {
    return std::array{pick.template operator()<N>()...};
  }
  (std::make_integer_sequence<int, Count>{});
}

}  // namespace peruka
