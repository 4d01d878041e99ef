// The lines of one input, read in blocks of a fixed size: only the line
// being read is kept whole, so memory does not grow with the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace peruka::cli {

inline constexpr std::size_t kReadBlockSize = std::size_t{1} << 18;
// The longest line taken (without its line break). A longer one, such as an
// endless line from a pipe, ends the reading before memory runs out.
inline constexpr std::size_t kMaxLineLength = std::size_t{1} << 30;

// An input that cannot be opened or read, with its errno, or with a reason
// of its own where no errno says what happened.
struct ReadError {
  std::string name;
  int error;
  std::string reason;
};

// A line longer than the reader's limit: its input, its number (from 1) and
// the limit.
struct LineTooLongError {
  std::string name;
  std::size_t line;
  std::size_t limit;
};

// "1 GiB", "64 KiB", "100 bytes": a size as the messages give it.
std::string SizeText(std::size_t bytes);

class LineReader {
 public:
  // Reads `stream`, which the caller keeps open; `name` is only for errors.
  // Its buffer stays below about maxLineLength + 2 * blockSize bytes.
  LineReader(std::FILE* stream, std::string name, std::size_t blockSize = kReadBlockSize,
             std::size_t maxLineLength = kMaxLineLength);

  // The next line, split as ForEachLine splits a text: at LF, the CR of a
  // CR LF dropped, a last line break starting no further line. The view
  // lives until the next call. False at the end. Throws ReadError, or
  // LineTooLongError as soon as the line is known to pass the limit.
  bool Next(std::string_view& line);

  const std::string& Name() const { return name_; }
  // Whether the line that Next gave last ended with a line break.
  bool EndedWithBreak() const { return endedWithBreak_; }

 private:
  // Reads one more block after the unread bytes; false at the end.
  bool Fill();
  // Makes the buffer hold `capacity` bytes, the unread ones kept.
  void Grow(std::size_t capacity);
  // Throws LineTooLongError when a line of `length` bytes passes the limit.
  void CheckLength(std::size_t length) const;

  std::FILE* stream_;
  std::string name_;
  std::size_t blockSize_;
  std::size_t maxLineLength_;
  std::size_t lines_ = 0;  // the lines given so far
  // A regular file's bytes from the start position, as it was opened: fewer
  // at the end means the file shrank while it was read, and the lines read
  // would silently be a part of it.
  std::optional<std::uint64_t> expectedBytes_;
  std::uint64_t readBytes_ = 0;
  // Grown with realloc, which moves a large block by remapping its pages:
  // a line near the limit never has two copies at once.
  struct Free {
    void operator()(char* bytes) const;
  };
  std::unique_ptr<char, Free> buffer_;
  std::size_t capacity_;
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
  ColumnLineReader(std::FILE* stream, std::string name, bool shiftJis, std::size_t blockSize = kReadBlockSize,
                   std::size_t maxLineLength = kMaxLineLength);

  bool Next(std::string_view& line);
  const std::string& Name() const { return reader_.Name(); }

 private:
  LineReader reader_;
  bool shiftJis_;
  bool first_ = true;
  std::string converted_;
};

}  // namespace peruka::cli
