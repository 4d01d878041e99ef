#include "cli/view_lines.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

namespace peruka::cli {

namespace {

constexpr std::size_t kMaxLineLength = std::numeric_limits<std::uint32_t>::max();

// Calls visit(line) for every line of `text`; stops early when it returns
// false. Returns the number of lines visited.
template <typename Visit>
std::size_t ForEachLine(std::string_view text, Visit visit) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t number = 0;
  std::size_t start = 0;
  while (start < size) {
    const void* found = std::memchr(data + start, '\n', size - start);
    const std::size_t end = found ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : size;
    std::size_t stop = end;
    if (stop > start && data[stop - 1] == '\r' && end < size) --stop;
    ++number;
    if (!visit(text.substr(start, stop - start))) break;
    start = end + 1;
  }
  return number;
}

std::size_t LineBreaks(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

ViewLines ViewLines::FromText(std::string_view text) {
  ViewLines lines;
  lines.Reserve(LineBreaks(text) + 1);
  ForEachLine(text, [&lines](std::string_view line) {
    lines.Append(line);
    return true;
  });
  return lines;
}

void ViewLines::Reserve(std::size_t lines) {
  starts_.reserve(lines);
  lengths_.reserve(lines);
}

void ViewLines::Append(std::string_view line) {
  if (line.size() > kMaxLineLength) throw std::length_error("line longer than 4 GiB");
  starts_.push_back(line.data());
  lengths_.push_back(static_cast<std::uint32_t>(line.size()));
}

std::string_view ViewLines::View(std::size_t i) const {
  if (i >= lengths_.size()) return {};
  return std::string_view(starts_[i], lengths_[i]);
}

void ViewLines::Replace(std::size_t i, std::string_view text) {
  if (i >= lengths_.size()) return;
  if (text.empty()) {
    lengths_[i] = 0;
    return;
  }
  const std::string_view line = View(i);
  const std::less_equal<const char*> notAfter;
  if (notAfter(line.data(), text.data()) && notAfter(text.data() + text.size(), line.data() + line.size())) {
    starts_[i] = text.data();
    lengths_[i] = static_cast<std::uint32_t>(text.size());
    return;
  }
  if (text.size() > kMaxLineLength) throw std::length_error("line longer than 4 GiB");
  ownTexts_.emplace_back(text);
  starts_[i] = ownTexts_.back().data();
  lengths_[i] = static_cast<std::uint32_t>(text.size());
}

std::size_t PairSeparator(std::string_view line, char decimalMark) {
  const std::size_t tab = line.find('\t');
  if (tab != std::string_view::npos || decimalMark == ',') return tab;
  return line.find(',');
}

std::size_t SplitPairs(std::string_view text, char decimalMark, ViewLines& xColumn, ViewLines& yColumn) {
  const std::size_t lines = LineBreaks(text) + 1;
  xColumn.Reserve(lines);
  yColumn.Reserve(lines);
  std::size_t badLine = 0;
  const std::size_t visited = ForEachLine(text, [&](std::string_view line) {
    const std::size_t separator = PairSeparator(line, decimalMark);
    if (separator == std::string_view::npos) {
      badLine = 1;
      return false;
    }
    xColumn.Append(line.substr(0, separator));
    yColumn.Append(line.substr(separator + 1));
    return true;
  });
  return badLine != 0 ? visited : 0;
}

}  // namespace peruka::cli
