// One input read whole (a file or a stream), then turned into the Shift-JIS
// text that the columns hold. The command itself reads its input in one
// pass (line_reader.h, stream_fit.h); this is the whole-columns route that
// the pass is compared against.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace peruka::cli {

class InputText {
 public:
  InputText() = default;
  explicit InputText(std::string text) : owned_(std::move(text)), view_(owned_) {}
  ~InputText();
  InputText(InputText&& other) noexcept;
  InputText& operator=(InputText&& other) noexcept;
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;

  std::string_view View() const { return view_; }

  // Reads a whole file. A regular file is mapped instead of copied. Returns
  // 0, or the errno of the failed open or read.
  static int FromFile(const std::string& path, InputText& input);
  // Reads `stream` to its end, through its descriptor when it has one (so
  // nothing may have been read through the stream before). Returns 0, or the
  // errno of the failed read.
  static int FromStream(std::FILE* stream, InputText& input);

 private:
  void Release();

  std::string owned_;
  void* mapping_ = nullptr;
  std::size_t mappingSize_ = 0;
  std::string_view view_;
};

// The input as the columns hold it: Shift-JIS bytes. UTF-8 input loses a
// leading byte-order mark and is converted (a character with no Shift-JIS
// form, or a malformed byte, becomes "?"); Shift-JIS input, and ASCII, is
// taken as it is.
InputText ToColumnText(InputText input, bool inputIsShiftJis);

}  // namespace peruka::cli
