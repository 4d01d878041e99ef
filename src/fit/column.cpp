#include "fit/column.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "text/trim.h"

namespace peruka {

namespace {

constexpr std::size_t kMaxLineLength = std::numeric_limits<std::uint32_t>::max();

std::size_t LineBreaks(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

Column Column::Viewing(std::string_view text) {
  Column column;
  column.Reserve(LineBreaks(text) + 1);
  ForEachLine(text, [&column](std::string_view line) {
    column.AppendView(line);
    return true;
  });
  return column;
}

Column Column::Copying(std::string_view text) {
  Column column;
  column.own_.assign(text.begin(), text.end());
  Column lines = Viewing(std::string_view(column.own_.data(), column.own_.size()));
  column.starts_ = std::move(lines.starts_);
  column.lengths_ = std::move(lines.lengths_);
  return column;
}

Column Column::FromLines(const std::vector<std::string>& lines) {
  Column column;
  std::size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size();
  column.own_.reserve(bytes);  // no reallocation below: the views stay valid
  column.Reserve(lines.size());
  for (const std::string& line : lines) {
    const char* start = column.own_.data() + column.own_.size();
    column.own_.insert(column.own_.end(), line.begin(), line.end());
    column.AppendView(std::string_view(start, line.size()));
  }
  return column;
}

void Column::Reserve(std::size_t lines) {
  starts_.reserve(lines);
  lengths_.reserve(lines);
}

void Column::AppendView(std::string_view line) {
  if (line.size() > kMaxLineLength) throw std::length_error("line longer than 4 GiB");
  starts_.push_back(line.data());
  lengths_.push_back(static_cast<std::uint32_t>(line.size()));
}

bool Column::Trim(std::size_t i) {
  if (i >= Count()) return false;
  const std::string_view line = (*this)[i];
  const std::string_view trimmed = TrimmedView(line);
  if (trimmed.size() == line.size()) return false;
  starts_[i] = trimmed.data();
  lengths_[i] = static_cast<std::uint32_t>(trimmed.size());
  trimmed_.push_back(i);
  return true;
}

}  // namespace peruka
