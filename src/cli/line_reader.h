// The lines of one input, read in blocks of a fixed size: only the line
// being read is kept whole, so memory does not grow with the input.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace peruka::cli {

inline constexpr std::size_t kReadBlockSize = std::size_t{1} << 18;

// An input that cannot be opened or read, with its errno.
struct ReadError {
  std::string name;
  int error;
};

class LineReader {
 public:
  // Reads `stream`, which the caller keeps open; `name` is only for errors.
  LineReader(std::FILE* stream, std::string name, std::size_t blockSize = kReadBlockSize);

  // The next line, split as ForEachLine splits a text: at LF, the CR of a
  // CR LF dropped, a last line break starting no further line. The view
  // lives until the next call. False at the end. Throws ReadError.
  bool Next(std::string_view& line);

  const std::string& Name() const { return name_; }
  // Whether the line that Next gave last ended with a line break.
  bool EndedWithBreak() const { return endedWithBreak_; }

 private:
  // Reads one more block after the unread bytes; false at the end.
  bool Fill();

  std::FILE* stream_;
  std::string name_;
  std::size_t blockSize_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // the unread bytes are [begin_, end_)
  std::size_t end_ = 0;
  std::size_t scanned_ = 0;  // [begin_, scanned_) holds no LF
  bool atEnd_ = false;
  bool endedWithBreak_ = false;
};

// The lines of an input as the columns hold them: Shift-JIS. UTF-8 input
// loses a byte-order mark at the start of its first line and each line is
// converted as ToColumnText converts a whole text (line breaks are ASCII and
// never part of a character, so line by line gives the same bytes).
class ColumnLineReader {
 public:
  ColumnLineReader(std::FILE* stream, std::string name, bool shiftJis,
                   std::size_t blockSize = kReadBlockSize);

  bool Next(std::string_view& line);
  const std::string& Name() const { return reader_.Name(); }

 private:
  LineReader reader_;
  bool shiftJis_;
  bool first_ = true;
  std::string converted_;
};

}  // namespace peruka::cli
