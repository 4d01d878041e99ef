#include "ui/form.h"

#include <algorithm>

#include "ui/button.h"
#include "ui/event_guard.h"
#include "ui/message_loop.h"
#include "ui/screen.h"

namespace peruka {

void TForm::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  SetWindowTitle(caption_);
  SetAccessibleName(caption_);
}

void TForm::SetClientWidth(int width) { SetBounds(Left(), Top(), Width() + width - ClientWidth(), Height()); }

void TForm::SetClientHeight(int height) {
  SetBounds(Left(), Top(), Width(), Height() + height - ClientHeight());
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  ApplyWindowFlags();
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_ && result != mrNone) EndModalLoop();
}

void TForm::Show() {
  if (!shownBefore_) {
    shownBefore_ = true;
    if (position_ == poScreenCenter) CenterOnScreen(TCentring::kScreenCenter);
    position_ = position_ == poScreenCenter ? poDesigned : position_;
  }
  // The first control in tab order that can take the focus gets it when the
  // window is activated, unless a control has it already.
  if (!HasFocusedControl()) {
    for (TWinControl* control : ControlsInTabOrder([](TWinControl* c) { return c->TabStop(); })) {
      if (control->CanFocus()) {
        control->SetFocus();
        break;
      }
    }
  }
  ShowAndRaise();
}

void TForm::Close() {
  if (modal_) {
    SetModalResult(mrCancel);
    return;
  }
  if (TMessageLoop* loop = MessageLoopOf(this); loop && loop->MainForm() == this) {
    loop->Terminate();
    return;
  }
  Hide();
}

bool TForm::DialogKey(Word key, TShiftState shift) {
  if (shift & (ssShift | ssCtrl | ssAlt)) return false;
  const bool enter = key == VK_RETURN;
  const bool escape = key == VK_ESCAPE;
  if (!enter && !escape) return false;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* button = dynamic_cast<TButton*>(Components(i));
    if (!button || !button->CanFocus()) continue;
    if ((enter && button->Default()) || (escape && button->Cancel())) {
      DispatchEvent([button] { button->Click(); });
      return true;
    }
  }
  return false;
}

std::vector<TWinControl*> TForm::ControlsInTabOrder(bool (*include)(TWinControl*)) const {
  std::vector<TWinControl*> order;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TWinControl*>(Components(i)); control && include(control))
      order.push_back(control);
  std::stable_sort(order.begin(), order.end(),
                   [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  return order;
}

void TForm::AfterConstruction() {
  if (OnCreate) DispatchEvent([this] { OnCreate(this); });
}

void TForm::RegisterHandler(std::string_view name, TNotifyEvent handler) {
  handlers_.notify[std::string(name)] = std::move(handler);
}

void TForm::RegisterHandler(std::string_view name, TKeyEvent handler) {
  handlers_.key[std::string(name)] = std::move(handler);
}

void TForm::ReadDefinition(const FormDefinition& definition) {
  reading_ = true;
  SetName(definition.name);
  SetCaption(definition.caption);
  SetBorderStyle(definition.borderStyle);
  SetBorderIcons(definition.borderIcons);
  SetPosition(definition.position);
  if (!definition.iconPng.empty()) SetIconPng(definition.iconPng);

  // Scale to the screen: the font by the pixels per inch, everything else
  // by the height of "0" in that font against the definition's.
  const int screenPixelsPerInch = Screen ? Screen->PixelsPerInch() : definition.pixelsPerInch;
  SetFont(definition.fontName,
          ScaledFontHeight(definition.fontHeight, screenPixelsPerInch, definition.pixelsPerInch));
  const int m = TextHeightOfZero();
  const int d = definition.textHeight;
  for (const ControlDefinition& control : definition.controls)
    ApplyControlDefinition(*this, control, handlers_, m, d);

  MoveTo(definition.left, definition.top);
  const int clientWidth = m != d ? MulDiv(definition.clientWidth, m, d) : definition.clientWidth;
  const int clientHeight = m != d ? MulDiv(definition.clientHeight, m, d) : definition.clientHeight;
  SetClientWidth(clientWidth);
  SetClientHeight(clientHeight);
  if (!definition.onCreate.empty()) {
    if (auto it = handlers_.notify.find(definition.onCreate); it != handlers_.notify.end())
      OnCreate = it->second;
  }
  reading_ = false;
  for (int i = 0; i < ComponentCount(); ++i) Components(i)->Loaded();
  UpdateTabOrder();
}

}  // namespace peruka
