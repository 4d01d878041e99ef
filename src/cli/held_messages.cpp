#include "cli/held_messages.h"

#include "text/shift_jis.h"

namespace peruka::cli {

void HeldMessages::Add(std::string_view text) {
  if (runs_.empty() || runs_.back().first != text) runs_.emplace_back(std::string(text), 0);
  ++runs_.back().second;
  ++count_;
}

void HeldMessages::WriteLines(std::FILE* stream) const {
  for (const auto& [text, times] : runs_) {
    const std::string line = ShiftJisToUtf8(text) + "\n";
    for (std::size_t i = 0; i < times; ++i) std::fwrite(line.data(), 1, line.size(), stream);
  }
}

HoldMessagesScope::HoldMessagesScope(HeldMessages& held)
    : previous_(
          SetRuntimeMessagePresenter([&held](std::string_view text, std::string_view) { held.Add(text); })) {}

HoldMessagesScope::~HoldMessagesScope() { SetRuntimeMessagePresenter(std::move(previous_)); }

}  // namespace peruka::cli
