// The multi-line text box over its backend's edit control, with its line
// list.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/edit_lines.h"
#include "ui/memo_strings.h"
#include "ui/menu_command.h"

namespace peruka {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};

class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);  // backend
  ~TMemo() override;                  // backend

  TMemoStrings* Lines() const { return lines_.get(); }

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);  // backend
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle bars);  // backend
  // Applied when the memo receives the focus and undone when it loses it.
  TImeMode ImeMode() const { return imeMode_; }
  void SetImeMode(TImeMode mode) { imeMode_ = mode; }

  // The whole text; lines are separated by CR LF.
  std::string Text() const;
  void SetText(std::string_view text);

  // Raised on every key release while the memo has the focus, after the key
  // has edited the text; a handler that sets the key to 0 suppresses the
  // default processing of the release.
  TKeyEvent OnKeyUp;

  // Adds an item with the caption below the standard items of the memo's
  // context menu; choosing it, or pressing the keys (portable text such as
  // "Ctrl+S", none when empty) while the memo has the focus, raises the
  // handler (through the event guard). Backend.
  TMenuCommand* AddContextCommand(std::string_view caption, TNotifyEvent handler, std::string_view keys = {});
  const std::vector<std::unique_ptr<TMenuCommand>>& ContextCommands() const { return contextCommands_; }

  // The edit control's view of its lines, which the line list reads.
  EditLines& EditControl() const { return *editLines_; }
  // Brings the edit's layout, caret and scrolling up to date with the line
  // list's edits of this event. Backend.
  void FinishEdits();
  // Raises OnKeyUp (through the event guard).
  void KeyUp(Word& key, TShiftState shift);

 private:
  std::unique_ptr<EditLines> editLines_;  // before the lines, which view it
  std::unique_ptr<TMemoStrings> lines_;
  std::vector<std::unique_ptr<TMenuCommand>> contextCommands_;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  TImeMode imeMode_ = imDontCare;
};

}  // namespace peruka
