#include "fit/text_lines.h"

#include <limits>
#include <stdexcept>

#include "text/trim.h"

namespace peruka {

TextLines TextLines::FromText(std::string text) {
  TextLines lines;
  lines.buffer_ = std::move(text);
  const std::string& b = lines.buffer_;
  std::size_t start = 0;
  while (start < b.size()) {
    std::size_t end = b.find('\n', start);
    const std::size_t next = end == std::string::npos ? b.size() : end + 1;
    if (end == std::string::npos) end = b.size();
    std::size_t stop = end;
    if (stop > start && b[stop - 1] == '\r' && end < b.size()) --stop;
    if (stop - start > std::numeric_limits<std::uint32_t>::max())
      throw std::length_error("line longer than 4 GiB");
    lines.offsets_.push_back(start);
    lines.lengths_.push_back(static_cast<std::uint32_t>(stop - start));
    start = next;
  }
  return lines;
}

void TextLines::Reserve(std::size_t lines, std::size_t bytes) {
  offsets_.reserve(lines);
  lengths_.reserve(lines);
  buffer_.reserve(bytes);
}

void TextLines::Append(std::string_view line) {
  if (line.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("line longer than 4 GiB");
  offsets_.push_back(buffer_.size());
  lengths_.push_back(static_cast<std::uint32_t>(line.size()));
  buffer_.append(line);
}

std::string_view TextLines::View(std::size_t i) const {
  if (i >= offsets_.size()) return {};
  return std::string_view(buffer_).substr(offsets_[i], lengths_[i]);
}

void TextLines::Replace(std::size_t i, std::string_view text) {
  if (i >= offsets_.size()) return;
  // The column check writes back trimmed lines: keep those as bounds into the
  // buffer instead of copying them.
  const std::string_view trimmed = TrimmedView(View(i));
  if (trimmed == text) {
    offsets_[i] = static_cast<std::uint64_t>(trimmed.data() - buffer_.data());
    lengths_[i] = static_cast<std::uint32_t>(trimmed.size());
    return;
  }
  const std::string copy(text);  // `text` may point into the buffer
  offsets_[i] = buffer_.size();
  lengths_[i] = static_cast<std::uint32_t>(copy.size());
  buffer_.append(copy);
}

}  // namespace peruka
