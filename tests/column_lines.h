// A column's lines as strings, for comparing with a table's expectation.
#pragma once

#include <string>
#include <vector>

#include "fit/column.h"

namespace peruka::testing {

inline std::vector<std::string> AllLines(const Column& column) {
  std::vector<std::string> all;
  for (std::size_t i = 0; i < column.Count(); ++i) all.emplace_back(column[i]);
  return all;
}

}  // namespace peruka::testing
