#include "cli/input_text.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include "text/shift_jis.h"

namespace peruka::cli {

namespace {

constexpr std::size_t kReadChunk = std::size_t{1} << 20;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads `fd` to its end into `text`, starting with room for `expected` bytes.
int ReadDescriptor(int fd, std::size_t expected, std::string& text) {
  std::size_t used = 0;
  text.resize(std::max(expected + 1, kReadChunk));
  for (;;) {
    if (used == text.size()) text.resize(text.size() * 2);
    const ssize_t got = ::read(fd, text.data() + used, text.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      text.clear();
      return error;
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  text.resize(used);
  if (text.capacity() > used + used / 4 + kReadChunk) text.shrink_to_fit();
  return 0;
}

std::size_t RegularFileSize(int fd) {
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) return 0;
  return static_cast<std::size_t>(info.st_size);
}

}  // namespace

InputText::~InputText() { Release(); }

InputText::InputText(InputText&& other) noexcept { *this = std::move(other); }

InputText& InputText::operator=(InputText&& other) noexcept {
  if (this == &other) return *this;
  Release();
  const bool ownsText = other.mapping_ == nullptr;
  owned_ = std::move(other.owned_);
  mapping_ = std::exchange(other.mapping_, nullptr);
  mappingSize_ = std::exchange(other.mappingSize_, 0);
  view_ = ownsText ? std::string_view(owned_) : other.view_;
  other.view_ = {};
  return *this;
}

void InputText::Release() {
  if (mapping_ != nullptr) ::munmap(mapping_, mappingSize_);
  mapping_ = nullptr;
  mappingSize_ = 0;
  owned_.clear();
  view_ = {};
}

int InputText::FromFile(const std::string& path, InputText& input) {
  input.Release();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  const std::size_t size = RegularFileSize(fd);
  if (size > 0) {
    // The page cache already holds the bytes: mapping them costs no copy and
    // no fresh memory.
    void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (mapping != MAP_FAILED) {
      ::close(fd);
      input.mapping_ = mapping;
      input.mappingSize_ = size;
      input.view_ = std::string_view(static_cast<const char*>(mapping), size);
      return 0;
    }
  }
  const int error = ReadDescriptor(fd, size, input.owned_);
  ::close(fd);
  input.view_ = input.owned_;
  return error;
}

int InputText::FromStream(std::FILE* stream, InputText& input) {
  input.Release();
  const int fd = fileno(stream);
  int error = 0;
  if (fd >= 0) {
    error = ReadDescriptor(fd, RegularFileSize(fd), input.owned_);
  } else {
    // A stream without a descriptor (one in memory).
    std::string& text = input.owned_;
    errno = 0;
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) text.append(chunk, got);
    if (std::ferror(stream)) error = errno != 0 ? errno : EIO;
  }
  input.view_ = input.owned_;
  return error;
}

InputText ToColumnText(InputText input, bool inputIsShiftJis) {
  if (inputIsShiftJis || IsAscii(input.View())) return input;
  std::string_view text = input.View();
  if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    text.remove_prefix(kUtf8ByteOrderMark.size());
  return InputText(Utf8ToShiftJis(text));
}

}  // namespace peruka::cli
