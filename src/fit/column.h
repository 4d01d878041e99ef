// The lines of one column, one value per line, as the check and the fit see
// them. A column is a snapshot: it views bytes that it owns (a copy of a
// column box) or borrows (an input the command has read), and the check's
// trimming only narrows a line's bounds, so the count never changes and no
// byte is copied after the column is built.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fit/large_block_allocator.h"
#include "text/lines.h"

namespace peruka {

class Column {
 public:
  Column() = default;
  Column(Column&&) noexcept = default;
  Column& operator=(Column&&) noexcept = default;
  Column(const Column&) = delete;
  Column& operator=(const Column&) = delete;

  // Every line of `text`, which must outlive the column (and its moves).
  static Column Viewing(std::string_view text);
  // Every line of `text`, copied into the column's own storage.
  static Column Copying(std::string_view text);
  // The given lines, copied as they are (no splitting).
  static Column FromLines(const std::vector<std::string>& lines);

  // Room for this many lines.
  void Reserve(std::size_t lines);
  // Adds a line that lives in storage outliving the column.
  void AppendView(std::string_view line);

  std::size_t Count() const { return lengths_.size(); }
  // Line i, whole (Shift-JIS bytes, no line break); empty past the end.
  std::string_view operator[](std::size_t i) const {
    return i < lengths_.size() ? std::string_view(starts_[i], lengths_[i]) : std::string_view();
  }

  // Narrows line i to its text without blanks and control bytes at the ends
  // (TrimmedView). Returns true when that changed the line, which then is
  // listed in TrimmedLines.
  bool Trim(std::size_t i);
  // The lines that Trim changed, in the order it changed them.
  const std::vector<std::size_t>& TrimmedLines() const { return trimmed_; }

 private:
  std::vector<char> own_;  // a vector's bytes stay put when the column moves
  std::vector<const char*, LargeBlockAllocator<const char*>> starts_;
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> lengths_;
  std::vector<std::size_t> trimmed_;
};

}  // namespace peruka
