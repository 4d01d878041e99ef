#include "ui/memo.h"

#include "ui/event_guard.h"

namespace peruka {

std::string TMemo::Text() const { return editLines_->Text(); }

void TMemo::SetText(std::string_view text) { editLines_->SetText(text); }

void TMemo::KeyUp(Word& key, TShiftState shift) {
  if (!OnKeyUp) return;
  DispatchEvent([&] { OnKeyUp(this, key, shift); });
}

}  // namespace peruka
