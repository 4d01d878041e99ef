// A LineList whose lines are views into one text that outlives it: the two
// columns of a pairs file share the file's bytes, and a column file is not
// copied at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "cli/large_block_allocator.h"
#include "fit/line_list.h"

namespace peruka::cli {

class ViewLines final : public LineList {
 public:
  ViewLines() = default;
  // Views every line of `text` (split at LF, the CR of a CR LF dropped, an
  // empty last line not counted). `text` must outlive the list.
  static ViewLines FromText(std::string_view text);

  void Reserve(std::size_t lines);
  // Adds a line; `line` must outlive the list.
  void Append(std::string_view line);

  std::size_t Count() const override { return lengths_.size(); }
  std::string Line(std::size_t i) const override { return std::string(View(i)); }
  std::string_view LineView(std::size_t i, std::string&) const override { return View(i); }
  // A text that lies inside the line it replaces (a trimmed line) is kept as
  // narrower bounds; any other text is copied into storage of the list's own.
  void Replace(std::size_t i, std::string_view text) override;
  std::string_view View(std::size_t i) const;

 private:
  std::vector<const char*, LargeBlockAllocator<const char*>> starts_;
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> lengths_;
  std::deque<std::string> ownTexts_;  // a deque never moves its elements
};

// Where a pairs line separates x from y: the first tab, or, when the line has
// no tab and the decimal mark is not a comma, the first comma. npos when
// neither.
std::size_t PairSeparator(std::string_view line, char decimalMark);

// Splits `text` into lines as ViewLines::FromText does and each line at its
// separator into the x text and the y text, which the columns view (NUL bytes
// and all). Returns 0, or the 1-based number of the first line without a
// separator (the columns then hold the lines before it).
std::size_t SplitPairs(std::string_view text, char decimalMark, ViewLines& xColumn, ViewLines& yColumn);

}  // namespace peruka::cli
