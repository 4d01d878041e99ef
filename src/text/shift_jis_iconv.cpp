// The conversions through iconv's code page 932.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "text/shift_jis.h"

namespace peruka {

namespace {

// glibc's name for code page 932; "SJIS" maps 0x5C and 0x7E differently.
constexpr const char* kShiftJisName = "CP932";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in` into `out`; on a character it cannot take, calls
  // `onInvalid`, which appends a substitute and says how many bytes to skip.
  template <typename OnInvalid>
  void Run(std::string_view in, std::string& out, OnInvalid onInvalid) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[4096];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (a sequence cut short at the end).
      const std::size_t skip = std::min(inLeft, onInvalid(std::string_view(inPtr, inLeft), out));
      inPtr += skip;
      inLeft -= skip;
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::string Utf8ToShiftJis(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter(kShiftJisName, "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  converter.Run(utf8, out, [](std::string_view rest, std::string& sink) {
    sink += '?';  // one for each byte of a malformed sequence
    const std::size_t length = Utf8CharacterLength(rest);
    return length == 0 ? 1 : length;
  });
  return out;
}

std::string ShiftJisToUtf8(std::string_view sjis) {
  if (IsAscii(sjis)) return std::string(sjis);
  thread_local Converter converter("UTF-8", kShiftJisName);
  std::string out;
  out.reserve(sjis.size() * 3 / 2);
  converter.Run(sjis, out, [](std::string_view, std::string& sink) {
    sink += kReplacementUtf8;
    return std::size_t{1};
  });
  return out;
}

}  // namespace peruka
