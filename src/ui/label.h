// The label: a caption drawn on its parent, sized to its text when it
// auto-sizes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace peruka {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  // The caption as Qt text, converted once per change.
  const QString& CaptionText() const { return captionText_; }
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
  // The name announced while the caption is empty.
  void SetEmptyAccessibleName(std::string_view name);
  // The control this label heads: its accessible name follows the caption.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  // Sizes an auto-size label to its caption: an empty caption (or a lone "&")
  // measures as one blank, so the label stays one line high.
  void AdjustBounds();
  void Loaded() override;

  // What the label draws: the caption with the drawing rules applied.
  QString DisplayText() const;

 private:
  void CaptionChanged();

  std::string caption_;
  QString captionText_;
  std::string emptyAccessibleName_;
  TWinControl* focusControl_ = nullptr;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
};

}  // namespace peruka
