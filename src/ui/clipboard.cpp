#include "ui/clipboard.h"

#include <vector>

#include "text/lines.h"

namespace peruka {

std::string ClipboardTextOf(std::string_view caption) {
  // Blanks and line breaks are never the second byte of a Shift-JIS
  // character, so the bytes can be cut directly.
  std::vector<std::string_view> lines;
  ForEachTextLine(caption, [&](std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    lines.push_back(line);
    return true;
  });
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace peruka
