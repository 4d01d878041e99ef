#include "ui/label.h"

#include "text/accelerator.h"
#include "ui/clipboard.h"

namespace peruka {

TLabel::~TLabel() = default;

void TLabel::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = std::string(caption);
  CaptionChanged();
  AdjustBounds();
}

void TLabel::CaptionChanged() {
  SetAccessibleName(caption_.empty() ? emptyAccessibleName_ : caption_);
  if (focusControl_) focusControl_->SetAccessibleName(caption_);
  if (copyCommand_) copyCommand_->SetEnabled(!ClipboardTextOf(caption_).empty());
  UpdateCutHint();
  Repaint();
}

void TLabel::AddCopyCommand(std::string_view menuCaption, std::string_view keys) {
  if (copyCommand_) return;
  copyCommand_ = MakeCopyCommand(menuCaption, keys);
  if (copyCommand_) copyCommand_->SetEnabled(!ClipboardTextOf(caption_).empty());
}

TMenuCommand* TLabel::AddContextCommand(std::string_view caption, std::string_view keys,
                                        TNotifyEvent handler) {
  std::unique_ptr<TMenuCommand> command = MakeContextCommand(caption, keys, std::move(handler));
  if (!command) return nullptr;
  contextCommands_.push_back(std::move(command));
  return contextCommands_.back().get();
}

bool TLabel::CopyCaption() const { return PutOnClipboard(ClipboardTextOf(caption_)); }

void TLabel::SetHintWhenCut(bool on) {
  if (on == hintWhenCut_ || !native_) return;
  hintWhenCut_ = on;
  WatchParentSize(on);
  if (!on) SetToolTip({});
  UpdateCutHint();
}

void TLabel::UpdateCutHint() {
  if (!hintWhenCut_ || !native_) return;
  const bool cut = !caption_.empty() && ReachesPastParent();
  SetToolTip(cut ? DisplayText() : std::string());
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  UpdateCutHint();
}

void TLabel::SetFocusControl(TWinControl* control) {
  focusControl_ = control;
  if (focusControl_) focusControl_->SetAccessibleName(caption_);
}

void TLabel::SetEmptyAccessibleName(std::string_view name) {
  emptyAccessibleName_ = std::string(name);
  CaptionChanged();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  AdjustBounds();
  Repaint();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  Repaint();
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Repaint();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Repaint();
}

std::string TLabel::DisplayText() const {
  return showAccelChar_ ? WithoutAccelerators(std::string_view(caption_)) : caption_;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || !native_) return;
  if (TControlContainer* container = Container(); container && container->ReadingDefinition()) return;
  const Bounds sized = AutoSizedLabelBounds(
      Bounds{Left(), Top(), Width(), Height()}, caption_, showAccelChar_, alignment_ == taRightJustify,
      [&](std::string_view text) { return MeasureCaption(text, Width()); });
  SetBounds(sized.left, sized.top, sized.width, sized.height);
}

void TLabel::Loaded() { AdjustBounds(); }

}  // namespace peruka
