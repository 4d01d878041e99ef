#include "cli/line_reader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>
#include <utility>

#include "text/byte_order_mark.h"
#include "text/shift_jis.h"

namespace peruka::cli {

std::string SizeText(std::size_t bytes) {
  static constexpr const char* kUnits[] = {"bytes", "KiB", "MiB", "GiB"};
  std::size_t unit = 0;
  while (unit + 1 < std::size(kUnits) && bytes >= 1024 && bytes % 1024 == 0) {
    bytes /= 1024;
    ++unit;
  }
  return std::to_string(bytes) + " " + (unit == 0 && bytes == 1 ? "byte" : kUnits[unit]);
}

LineReader::LineReader(std::FILE* stream, std::string name, std::size_t blockSize, std::size_t maxLineLength)
    : stream_(stream),
      name_(std::move(name)),
      blockSize_(blockSize),
      maxLineLength_(maxLineLength),
      capacity_(2 * blockSize) {
  Grow(capacity_);
  const int descriptor = fileno(stream);
  struct stat status;
  if (descriptor >= 0 && fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
    const off_t start = lseek(descriptor, 0, SEEK_CUR);
    if (start >= 0 && start <= status.st_size)
      expectedBytes_ = static_cast<std::uint64_t>(status.st_size - start);
  }
}

void LineReader::Free::operator()(char* bytes) const { std::free(bytes); }

void LineReader::Grow(std::size_t capacity) {
  auto* grown = static_cast<char*>(std::realloc(buffer_.get(), capacity));
  if (grown == nullptr) throw std::bad_alloc();
  static_cast<void>(buffer_.release());
  buffer_.reset(grown);
  capacity_ = capacity;
}

void LineReader::CheckLength(std::size_t length) const {
  if (length > maxLineLength_) throw LineTooLongError{name_, lines_ + 1, maxLineLength_};
}

bool LineReader::Fill() {
  if (atEnd_) return false;
  // Keep the unread bytes (a part of a line) and make room for a block.
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    scanned_ -= begin_;
    begin_ = 0;
  }
  if (capacity_ - end_ < blockSize_) {
    // Grow by doubling, but no further than the longest line allowed needs.
    const std::size_t enough = maxLineLength_ + 1 + blockSize_;
    Grow(std::max(end_ + blockSize_, std::min(2 * capacity_, enough)));
  }
  errno = 0;
  const std::size_t got = std::fread(buffer_.get() + end_, 1, blockSize_, stream_);
  end_ += got;
  readBytes_ += got;
  if (got < blockSize_) {
    if (std::ferror(stream_)) throw ReadError{name_, errno != 0 ? errno : EIO, {}};
    if (expectedBytes_ && readBytes_ < *expectedBytes_) {
      std::string reason = "the file shrank while it was read (";
      reason.append(std::to_string(readBytes_)).append(" of ").append(std::to_string(*expectedBytes_));
      throw ReadError{name_, 0, reason.append(" bytes)")};
    }
    atEnd_ = true;
  }
  return got > 0;
}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_.get();
    const void* found = std::memchr(data + scanned_, '\n', end_ - scanned_);
    if (found != nullptr) {
      const auto lineFeed = static_cast<std::size_t>(static_cast<const char*>(found) - data);
      std::size_t stop = lineFeed;
      if (stop > begin_ && data[stop - 1] == '\r') --stop;
      CheckLength(stop - begin_);
      line = std::string_view(data + begin_, stop - begin_);
      begin_ = scanned_ = lineFeed + 1;
      endedWithBreak_ = true;
      ++lines_;
      return true;
    }
    scanned_ = end_;
    // The line so far, less a CR that a LF may yet drop, is already too long.
    if (end_ - begin_ > 1) CheckLength(end_ - begin_ - 1);
    if (!Fill()) {
      if (begin_ == end_) return false;
      // The last line, without a line break (so a CR at its end stays).
      CheckLength(end_ - begin_);
      line = std::string_view(buffer_.get() + begin_, end_ - begin_);
      begin_ = scanned_ = end_;
      endedWithBreak_ = false;
      ++lines_;
      return true;
    }
  }
}

ColumnLineReader::ColumnLineReader(std::FILE* stream, std::string name, bool shiftJis, std::size_t blockSize,
                                   std::size_t maxLineLength)
    : reader_(stream, std::move(name), blockSize, maxLineLength), shiftJis_(shiftJis) {}

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
