#include "cli/input_text.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/shift_jis.h"

namespace peruka::cli {

namespace {

constexpr std::size_t kReadChunk = std::size_t{1} << 20;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int ReadAll(std::FILE* stream, std::string& text) {
  text.clear();
  // A regular file tells its size: one allocation, one read.
  struct stat info;
  const int fd = fileno(stream);
  std::size_t expected = 0;
  if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
    expected = static_cast<std::size_t>(info.st_size);

  std::size_t used = 0;
  text.resize(std::max(expected + 1, kReadChunk));
  for (;;) {
    if (used == text.size()) text.resize(text.size() * 2);
    errno = 0;
    const std::size_t got = std::fread(text.data() + used, 1, text.size() - used, stream);
    used += got;
    if (got > 0) continue;
    if (std::ferror(stream)) {
      const int error = errno != 0 ? errno : EIO;
      text.clear();
      return error;
    }
    break;  // end of file
  }
  text.resize(used);
  if (text.capacity() > used + used / 4 + kReadChunk) text.shrink_to_fit();
  return 0;
}

int ReadFile(const std::string& path, std::string& text) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return errno != 0 ? errno : EIO;
  const int error = ReadAll(file, text);
  std::fclose(file);
  return error;
}

std::string ToColumnText(std::string input, bool inputIsShiftJis) {
  if (inputIsShiftJis || IsAscii(input)) return input;
  std::string_view view(input);
  if (view.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    view.remove_prefix(kUtf8ByteOrderMark.size());
  return Utf8ToShiftJis(view);
}

std::size_t PairSeparator(std::string_view line, char decimalMark) {
  const std::size_t tab = line.find('\t');
  if (tab != std::string_view::npos || decimalMark == ',') return tab;
  return line.find(',');
}

PairsResult SplitPairs(std::string_view text, char decimalMark, TextLines& xColumn, TextLines& yColumn) {
  const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  // Either column may take nearly all the bytes. The pages of a large
  // reservation that stay unused are never touched and cost no memory.
  xColumn.Reserve(lines, text.size());
  yColumn.Reserve(lines, text.size());

  PairsResult result;
  std::size_t number = 0;
  std::size_t start = 0;
  const char* const data = text.data();
  while (start < text.size()) {
    ++number;
    const void* found = std::memchr(data + start, '\n', text.size() - start);
    const std::size_t end =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : text.size();
    std::size_t stop = end;
    if (stop > start && data[stop - 1] == '\r' && end < text.size()) --stop;
    const std::string_view line = text.substr(start, stop - start);
    const std::size_t separator = PairSeparator(line, decimalMark);
    if (separator == std::string_view::npos) {
      result.badLine = number;
      return result;
    }
    xColumn.Append(line.substr(0, separator));
    yColumn.Append(line.substr(separator + 1));
    start = end + 1;
  }
  return result;
}

}  // namespace peruka::cli
