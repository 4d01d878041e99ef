#include "cli/pairs.h"

#include <algorithm>

namespace peruka::cli {

std::size_t SplitPairs(std::string_view text, char decimalMark, Column& xColumn, Column& yColumn) {
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  xColumn.Reserve(lines);
  yColumn.Reserve(lines);
  bool bad = false;
  const std::size_t visited = ForEachLine(text, [&](std::string_view line) {
    const std::size_t separator = PairSeparator(line, decimalMark);
    if (separator == std::string_view::npos) {
      bad = true;
      return false;
    }
    xColumn.AppendView(line.substr(0, separator));
    yColumn.AppendView(line.substr(separator + 1));
    return true;
  });
  return bad ? visited : 0;
}

}  // namespace peruka::cli
