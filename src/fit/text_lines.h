// A LineList over one text buffer: a compact store for large columns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fit/line_list.h"

namespace peruka {

class TextLines final : public LineList {
 public:
  TextLines() = default;
  // Splits at LF, dropping the CR of a CR LF; a text that ends with a line
  // break has no further (empty) line.
  static TextLines FromText(std::string text);

  void Append(std::string_view line);
  void Reserve(std::size_t lines, std::size_t bytes);

  std::size_t Count() const override { return offsets_.size(); }
  std::string Line(std::size_t i) const override { return std::string(View(i)); }
  std::string_view LineView(std::size_t i, std::string&) const override { return View(i); }
  void Replace(std::size_t i, std::string_view text) override;
  std::string_view View(std::size_t i) const;

 private:
  std::string buffer_;
  std::vector<std::uint64_t> offsets_;
  std::vector<std::uint32_t> lengths_;
};

}  // namespace peruka
