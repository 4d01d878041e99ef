#include "text/trim.h"

namespace peruka {

namespace {
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

std::string_view TrimmedView(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && IsBlankOrControl(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string TrimBlanks(std::string_view text) { return std::string(TrimmedView(text)); }

}  // namespace peruka
