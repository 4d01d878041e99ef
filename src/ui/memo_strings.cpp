#include "ui/memo_strings.h"

#include <string>

namespace peruka {

namespace {
constexpr std::string_view kLineBreak = "\r\n";
}  // namespace

std::vector<std::string> EditLines::Lines(int count) const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) lines.push_back(Line(i));
  return lines;
}

int TMemoStrings::Count() const {
  const int lines = edit_.LineCount();
  return edit_.LineLength(edit_.LineIndex(lines - 1)) == 0 ? lines - 1 : lines;
}

std::string TMemoStrings::Get(int index) const { return index < 0 ? std::string() : edit_.Line(index); }

std::vector<std::string> TMemoStrings::GetAll() const { return edit_.Lines(Count()); }

void TMemoStrings::Put(int index, std::string_view text) {
  const int start = edit_.LineIndex(index);
  if (start < 0) return;
  edit_.Replace(start, edit_.LineLength(start), text);
}

void TMemoStrings::Insert(int index, std::string_view text) {
  if (index < 0) return;
  const int start = edit_.LineIndex(index);
  if (start >= 0) {
    edit_.Replace(start, 0, std::string(text).append(kLineBreak));
    return;
  }
  const int previous = edit_.LineIndex(index - 1);
  if (previous < 0) return;
  const int length = edit_.LineLength(previous);
  if (length == 0) return;
  edit_.Replace(previous + length, 0, std::string(kLineBreak).append(text));
}

void TMemoStrings::Clear() { edit_.SetText({}); }

}  // namespace peruka
