#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "text/shift_jis.h"

namespace peruka::cli {

namespace {
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
}

LineReader::LineReader(std::FILE* stream, std::string name, std::size_t blockSize)
    : stream_(stream), name_(std::move(name)), blockSize_(blockSize), buffer_(2 * blockSize) {}

bool LineReader::Fill() {
  if (atEnd_) return false;
  // Keep the unread bytes (a part of a line) and make room for a block.
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    scanned_ -= begin_;
    begin_ = 0;
  }
  if (buffer_.size() - end_ < blockSize_) buffer_.resize(end_ + blockSize_);
  errno = 0;
  const std::size_t got = std::fread(buffer_.data() + end_, 1, blockSize_, stream_);
  end_ += got;
  if (got < blockSize_) {
    if (std::ferror(stream_)) throw ReadError{name_, errno != 0 ? errno : EIO};
    atEnd_ = true;
  }
  return got > 0;
}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_.data();
    const void* found = std::memchr(data + scanned_, '\n', end_ - scanned_);
    if (found != nullptr) {
      const auto lineFeed = static_cast<std::size_t>(static_cast<const char*>(found) - data);
      std::size_t stop = lineFeed;
      if (stop > begin_ && data[stop - 1] == '\r') --stop;
      line = std::string_view(data + begin_, stop - begin_);
      begin_ = scanned_ = lineFeed + 1;
      endedWithBreak_ = true;
      return true;
    }
    scanned_ = end_;
    if (!Fill()) {
      if (begin_ == end_) return false;
      // The last line, without a line break (so a CR at its end stays).
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = scanned_ = end_;
      endedWithBreak_ = false;
      return true;
    }
  }
}

ColumnLineReader::ColumnLineReader(std::FILE* stream, std::string name, bool shiftJis, std::size_t blockSize)
    : reader_(stream, std::move(name), blockSize), shiftJis_(shiftJis) {}

bool ColumnLineReader::Next(std::string_view& line) {
  if (!reader_.Next(line)) return false;
  if (shiftJis_) return true;
  if (first_ && line.starts_with(kUtf8ByteOrderMark)) {
    line.remove_prefix(kUtf8ByteOrderMark.size());
    // The mark is taken off the text before it is cut into lines: a text
    // of the mark alone has no line at all.
    if (line.empty() && !reader_.EndedWithBreak()) return false;
  }
  first_ = false;
  if (!IsAscii(line)) {
    converted_ = Utf8ToShiftJis(line);
    line = converted_;
  }
  return true;
}

}  // namespace peruka::cli
