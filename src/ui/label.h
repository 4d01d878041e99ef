// The label: a caption drawn on its parent, sized to its text when it
// auto-sizes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/layout_rules.h"
#include "ui/menu_command.h"
#include "ui/text_format.h"

namespace peruka {

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);  // backend
  ~TLabel() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // The flags the caption is drawn and measured with.
  TextFormat Format() const { return {wordWrap_, showAccelChar_, alignment_}; }
  // The name announced while the caption is empty.
  void SetEmptyAccessibleName(std::string_view name);
  // The control this label heads: its accessible name follows the caption.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  // Sizes an auto-size label to its caption: an empty caption (or a lone "&")
  // measures as one blank, so the label stays one line high.
  void AdjustBounds();
  void Loaded() override;

  // What the label shows as text: the caption without accelerator marks
  // while they are shown as such.
  std::string DisplayText() const;

  // Adds the copy command: an item with the menu caption in the label's
  // context menu, disabled while there is nothing to copy, and the keys
  // (portable text such as "Ctrl+Shift+C") as the item's shortcut anywhere
  // in the label's window. Both run CopyCaption.
  void AddCopyCommand(std::string_view menuCaption, std::string_view keys);
  TMenuCommand* CopyCommand() const { return copyCommand_.get(); }
  // Adds an item below the copy command in the label's context menu, with
  // the keys as its shortcut anywhere in the label's window; choosing it
  // raises the handler (through the event guard).
  TMenuCommand* AddContextCommand(std::string_view caption, std::string_view keys, TNotifyEvent handler);
  const std::vector<std::unique_ptr<TMenuCommand>>& ContextCommands() const { return contextCommands_; }
  bool HasContextCommands() const { return !contextCommands_.empty(); }
  // Puts the caption on the clipboard (see ClipboardTextOf); true when
  // something was copied, false with the clipboard untouched otherwise.
  bool CopyCaption() const;

  // While on, the label's tool tip is its whole text whenever the label
  // reaches past the right edge of its parent's client area, and it has none
  // otherwise.
  void SetHintWhenCut(bool on);
  bool HintWhenCut() const { return hintWhenCut_; }
  // Brings the tool tip up to date with the caption and the bounds.
  void UpdateCutHint();

  void SetBounds(int left, int top, int width, int height) override;

 private:
  void CaptionChanged();
  // Backend: the caption's size drawn with Format() within the width; the
  // label's window redrawn; its tool tip; whether its right edge is past
  // its parent's client area; the commands made.
  TextSize MeasureCaption(std::string_view text, int width) const;
  void Repaint();
  void SetToolTip(std::string_view text);
  bool ReachesPastParent() const;
  void WatchParentSize(bool on);
  std::unique_ptr<TMenuCommand> MakeCopyCommand(std::string_view menuCaption, std::string_view keys);
  std::unique_ptr<TMenuCommand> MakeContextCommand(std::string_view caption, std::string_view keys,
                                                   TNotifyEvent handler);

  std::string caption_;
  std::string emptyAccessibleName_;
  TWinControl* focusControl_ = nullptr;
  std::unique_ptr<TMenuCommand> copyCommand_;
  std::vector<std::unique_ptr<TMenuCommand>> contextCommands_;
  bool hintWhenCut_ = false;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
};

}  // namespace peruka
