// The edit control's view of its lines over the system's multi-line EDIT
// control, by its own messages (EM_GETLINECOUNT, EM_LINEINDEX,
// EM_LINELENGTH, EM_GETLINE, EM_SETSEL, EM_REPLACESEL, WM_SETTEXT and
// WM_GETTEXT, in their W forms). Positions are UTF-16 code units.
#pragma once

#include <string>
#include <string_view>

#include "ui/edit_lines.h"

struct HWND__;

namespace peruka {

class Win32EditLines final : public EditLines {
 public:
  explicit Win32EditLines(HWND__* edit) : edit_(edit) {}
  // The control's new window, after a memo rebuilt it with another style.
  void SetWindow(HWND__* edit) { edit_ = edit; }

  int LineCount() const override;
  int LineIndex(int line) const override;
  int LineLength(int position) const override;
  std::string Line(int line) const override;
  void Replace(int start, int length, std::string_view text) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;

 private:
  HWND__* edit_;
};

}  // namespace peruka
