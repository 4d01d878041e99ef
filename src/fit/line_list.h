// A column of texts, one value per line, as the calculation sees it: the
// column boxes of the window implement it, and so do the command's files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace peruka {

class LineList {
 public:
  virtual ~LineList() = default;
  // Number of lines; an empty last line is not counted.
  virtual std::size_t Count() const = 0;
  // Line i, whole (Shift-JIS bytes, no line break); empty past the end.
  virtual std::string Line(std::size_t i) const = 0;
  // Line i as a view: into the list's own storage where it keeps the text
  // as bytes, otherwise into `scratch`. Valid until the list or `scratch`
  // changes.
  virtual std::string_view LineView(std::size_t i, std::string& scratch) const {
    scratch = Line(i);
    return scratch;
  }
  // Replaces the text of line i, keeping its line break; ignored past the end.
  virtual void Replace(std::size_t i, std::string_view text) = 0;
};

}  // namespace peruka
