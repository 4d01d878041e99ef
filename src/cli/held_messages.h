// Runtime messages ("powl: DOMAIN error") held back while the input is read
// in one pass: the column check has the last word, and the messages are
// shown only when it passes. They are kept as runs of equal texts, so a
// million reports take no more room than one.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/math_error.h"

namespace peruka::cli {

class HeldMessages {
 public:
  void Add(std::string_view text);
  std::size_t Count() const { return count_; }
  // Writes each message as one UTF-8 line, in order.
  void WriteLines(std::FILE* stream) const;

 private:
  std::vector<std::pair<std::string, std::size_t>> runs_;
  std::size_t count_ = 0;
};

// Holds every runtime message shown while it lives (instead of presenting
// it) and puts the previous presenter back at its end.
class HoldMessagesScope {
 public:
  explicit HoldMessagesScope(HeldMessages& held);
  ~HoldMessagesScope();
  HoldMessagesScope(const HoldMessagesScope&) = delete;
  HoldMessagesScope& operator=(const HoldMessagesScope&) = delete;

 private:
  RuntimeMessagePresenter previous_;
};

}  // namespace peruka::cli
