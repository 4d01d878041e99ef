// The program's two ways of cutting a text into lines, each written once.
//
// Files and pipes (the command's inputs, the column texts it views): a line
// ends at LF, the CR of a CR LF is dropped and a lone CR is part of the
// line, as in the text files of POSIX tools.
//
// Texts of the window (box texts, the clipboard, dropped files, captions):
// CR LF, a lone CR and a lone LF each end a line, as a text box shows them.
//
// In both, a line break at the very end starts no further line. Shift-JIS
// needs no care: CR and LF are never the second byte of a character.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace peruka {

// Calls visit(line) for every line of `text` by the files' rule; stops early
// when visit returns false. Returns the number of lines visited.
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

template <typename Char>
constexpr bool IsLineBreakCharacter(Char c) {
  return c == Char('\r') || c == Char('\n');
}

// Calls visit(line) for every line of `text` by the window's rule, in bytes
// or in UTF-16 code units alike; stops early when visit returns false.
// Returns the number of lines visited.
template <typename Char, typename Visit>
std::size_t ForEachTextLine(std::basic_string_view<Char> text, Visit visit) {
  std::size_t number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsLineBreakCharacter(text[end])) ++end;
    ++number;
    if (!visit(text.substr(start, end - start))) break;
    if (end < text.size() && text[end] == Char('\r') && end + 1 < text.size() && text[end + 1] == Char('\n'))
      ++end;
    start = end + 1;
  }
  return number;
}

template <typename Visit>
std::size_t ForEachTextLine(std::string_view text, Visit visit) {
  return ForEachTextLine<char>(text, visit);
}

}  // namespace peruka
