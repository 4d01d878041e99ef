#include "ui/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <vector>

#include "ui/button.h"
#include "ui/event_guard.h"
#include "ui/fonts.h"
#include "ui/message_loop.h"
#include "ui/modal_box.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/virtual_keys.h"

namespace peruka {

namespace {

QSize ScreenSize() { return Screen ? QSize(Screen->Width(), Screen->Height()) : QSize(0, 0); }

class FormWidget final : public QWidget {
 public:
  explicit FormWidget(TForm* form) : QWidget(nullptr, Qt::Window), form_(form) {}
  void Detach() { form_ = nullptr; }

  // The window was centred by `rule` at `placed` before its frame was
  // known: it is centred again once the frame is (see CentredOnceFramed).
  void CentreOnceFramed(TCentring rule, QPoint placed) {
    centring_ = rule;
    placed_ = placed;
  }
  void ForgetCentring() { centring_.reset(); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The form decides: the main form ends the program, a modal form ends
    // its modal loop, any other form is hidden.
    event->ignore();
    if (form_) DispatchEvent([this] { form_->Close(); });
  }

  bool event(QEvent* event) override {
    const bool handled = QWidget::event(event);
    if (centring_) CentreIfFramed();
    return handled;
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (form_ && form_->DialogKey(event->key(), event->modifiers())) {
      event->accept();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  void CentreIfFramed() {
    // The native window has the frame as the window manager reports it
    // (the widget may keep the frame it saw before). While the window
    // manager reparents the window, Qt may report it for a moment at a
    // passing position: only a frame reported with the window where it was
    // put counts.
    QWindow* window = windowHandle();
    if (!window) return;
    const auto position =
        CentredOnceFramed(*centring_, ScreenSize(), placed_, window->geometry(), window->frameGeometry());
    if (!position) return;
    centring_.reset();
    window->setFramePosition(*position);
  }

  TForm* form_;
  std::optional<TCentring> centring_;
  QPoint placed_;
};

}  // namespace

QPoint CentredPosition(TCentring rule, QSize screen, QSize outer) {
  const ScreenPosition at =
      CentredPosition(rule, screen.width(), screen.height(), outer.width(), outer.height());
  return {at.left, at.top};
}

std::optional<QPoint> CentredOnceFramed(TCentring rule, QSize screen, QPoint placed, const QRect& client,
                                        const QRect& frame) {
  const auto bounds = [](const QRect& r) { return Bounds{r.x(), r.y(), r.width(), r.height()}; };
  const std::optional<ScreenPosition> at = CentredOnceFramed(
      rule, screen.width(), screen.height(), {placed.x(), placed.y()}, bounds(client), bounds(frame));
  if (!at) return std::nullopt;
  return QPoint(at->left, at->top);
}

TForm::TForm(TComponent* owner) : TWinControl(owner, new FormWidget(this)) {
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
  widget_->setAttribute(Qt::WA_QuitOnClose, false);
  font_ = DefaultFont();
  fontHeight_ = -font_.pixelSize();
  widget_->setFont(font_);
  ApplyWindowFlags();
}

TForm::~TForm() {
  if (auto* form = dynamic_cast<FormWidget*>(widget_.data())) form->Detach();
  if (modalLoop_) modalLoop_->quit();
  DestroyComponents();
}

void TForm::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  widget_->setWindowTitle(ToQString(caption_));
  SetAccessibleName(caption_);
}

int TForm::Left() const { return widget_->frameGeometry().x(); }
int TForm::Top() const { return widget_->frameGeometry().y(); }
int TForm::Width() const { return widget_->frameGeometry().width(); }
int TForm::Height() const { return widget_->frameGeometry().height(); }

void TForm::SetBounds(int left, int top, int width, int height) {
  const QRect frame = widget_->frameGeometry();
  const int extraWidth = frame.width() - widget_->width();
  const int extraHeight = frame.height() - widget_->height();
  widget_->move(left, top);
  const int clientWidth = std::max(width - extraWidth, 0);
  const int clientHeight = std::max(height - extraHeight, 0);
  if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) {
    widget_->resize(clientWidth, clientHeight);
  } else {
    widget_->setFixedSize(clientWidth, clientHeight);
  }
}

int TForm::ClientWidth() const { return widget_->width(); }
int TForm::ClientHeight() const { return widget_->height(); }

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

void TForm::ApplyWindowFlags() {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  const bool fixed = borderStyle_ != bsSizeable && borderStyle_ != bsSizeToolWin;
  if (borderStyle_ == bsDialog) {
    flags |= Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  } else {
    flags |= Qt::Window;
    if (borderIcons_ & biSystemMenu) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (borderIcons_ & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
      if ((borderIcons_ & biMaximize) && !fixed) flags |= Qt::WindowMaximizeButtonHint;
    }
  }
  if (fixed) flags |= Qt::MSWindowsFixedSizeDialogHint;
  const bool visible = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (fixed) {
    widget_->setFixedSize(widget_->size());
  } else {
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  if (visible) widget_->show();
}

void TForm::SetFont(std::string_view name, int height) {
  font_ = MakeFont(name, height);
  fontHeight_ = height;
  widget_->setFont(font_);
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (modalLoop_ && result != mrNone) modalLoop_->quit();
}

void TForm::CenterOnScreen(TCentring rule) {
  // With its native window made, the frame's size is known where the
  // platform can tell it; a window manager tells it only once the window
  // is up.
  widget_->winId();
  widget_->move(CentredPosition(rule, ScreenSize(), QSize(Width(), Height())));
  auto* formWidget = dynamic_cast<FormWidget*>(widget_.data());
  if (!formWidget) return;
  formWidget->ForgetCentring();
  if (const QWindow* window = widget_->windowHandle(); window && window->frameMargins().isNull())
    formWidget->CentreOnceFramed(rule, widget_->pos());
}

void TForm::Show() {
  if (!shownBefore_) {
    shownBefore_ = true;
    if (position_ == poScreenCenter) CenterOnScreen(TCentring::kScreenCenter);
    position_ = position_ == poScreenCenter ? poDesigned : position_;
  }
  // The first control in tab order that can take the focus gets it when the
  // window is activated, unless a control has it already.
  if (!widget_->focusWidget()) {
    for (TWinControl* control : ControlsInTabOrder([](TWinControl* c) { return c->TabStop(); })) {
      if (control->CanFocus()) {
        control->SetFocus();
        break;
      }
    }
  }
  widget_->show();
  widget_->raise();
}

void TForm::Hide() { widget_->hide(); }

int TForm::ShowModal() {
  ModalScope scope;
  widget_->setWindowModality(Qt::ApplicationModal);
  modalResult_ = mrNone;
  Show();
  widget_->activateWindow();

  QEventLoop loop;
  modalLoop_ = &loop;
  ScheduleModalBoxHook(widget_);
  if (TMessageLoop* messageLoop = MessageLoop(); messageLoop && messageLoop->Terminated())
    modalResult_ = mrCancel;
  if (modalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
  // The loop ends early only when the application is terminating.
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  modalLoop_ = nullptr;
  Hide();
  widget_->setWindowModality(Qt::NonModal);
  scope.Restore();
  return modalResult_;
}

void TForm::Close() {
  if (modalLoop_) {
    SetModalResult(mrCancel);
    return;
  }
  if (TMessageLoop* loop = MessageLoop(); loop && loop->MainForm() == this) {
    loop->Terminate();
    return;
  }
  Hide();
}

bool TForm::DialogKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (!IsPlainKey(modifiers)) return false;
  const bool enter = IsEnterKey(qtKey);
  const bool escape = qtKey == Qt::Key_Escape;
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

void TForm::UpdateTabOrder() {
  const std::vector<TWinControl*> order =
      ControlsInTabOrder([](TWinControl* control) { return control->TabOrder() >= 0; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
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
  if (!definition.iconPng.empty()) widget_->setWindowIcon(IconFromPng(definition.iconPng));

  // Scale to the screen: the font by the pixels per inch, everything else
  // by the height of "0" in that font against the definition's.
  const int screenPixelsPerInch = Screen ? Screen->PixelsPerInch() : definition.pixelsPerInch;
  SetFont(definition.fontName,
          ScaledFontHeight(definition.fontHeight, screenPixelsPerInch, definition.pixelsPerInch));
  const int m = TextHeightOfZero(font_);
  const int d = definition.textHeight;
  for (const ControlDefinition& control : definition.controls)
    ApplyControlDefinition(*this, control, handlers_, m, d);

  widget_->move(definition.left, definition.top);
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
