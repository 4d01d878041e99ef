#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPixmap>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <vector>

#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/message_loop.h"
#include "ui/qt/qt_draw_text.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_modal_box.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_virtual_keys.h"
#include "ui/qt/qt_widget.h"
#include "ui/screen.h"

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
    if (form_ &&
        form_->DialogKey(VirtualKeyOf(event->key(), event->modifiers()), ShiftStateOf(event->modifiers()))) {
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

FormWidget* FormWidgetOf(const TForm* form) { return dynamic_cast<FormWidget*>(QtWidget(form)); }

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

TForm::TForm(TComponent* owner) : TWinControl(owner, new NativeWidget(new FormWidget(this))) {
  QWidget* widget = QtWidget(native_);
  widget->setAttribute(Qt::WA_DeleteOnClose, false);
  widget->setAttribute(Qt::WA_QuitOnClose, false);
  native_->font = DefaultFont();
  fontName_ = std::string(kDefaultFontName);
  fontHeight_ = -native_->font.pixelSize();
  widget->setFont(native_->font);
  ApplyWindowFlags();
}

TForm::~TForm() {
  if (FormWidget* form = FormWidgetOf(this)) form->Detach();
  if (native_->modalLoop) native_->modalLoop->quit();
  DestroyComponents();
}

const QFont& QtFont(const TForm& form) { return form.Native()->font; }

void TForm::SetWindowTitle(std::string_view title) { QtWidget(native_)->setWindowTitle(ToQString(title)); }

int TForm::Left() const { return QtWidget(native_)->frameGeometry().x(); }
int TForm::Top() const { return QtWidget(native_)->frameGeometry().y(); }
int TForm::Width() const { return QtWidget(native_)->frameGeometry().width(); }
int TForm::Height() const { return QtWidget(native_)->frameGeometry().height(); }

void TForm::SetBounds(int left, int top, int width, int height) {
  QWidget* widget = QtWidget(native_);
  const QRect frame = widget->frameGeometry();
  const int extraWidth = frame.width() - widget->width();
  const int extraHeight = frame.height() - widget->height();
  widget->move(left, top);
  const int clientWidth = std::max(width - extraWidth, 0);
  const int clientHeight = std::max(height - extraHeight, 0);
  if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) {
    widget->resize(clientWidth, clientHeight);
  } else {
    widget->setFixedSize(clientWidth, clientHeight);
  }
}

void TForm::MoveTo(int left, int top) { QtWidget(native_)->move(left, top); }

int TForm::ClientWidth() const { return QtWidget(native_)->width(); }
int TForm::ClientHeight() const { return QtWidget(native_)->height(); }

ScreenPosition TForm::ClientToScreen(int x, int y) const {
  const QPoint at = QtWidget(native_)->mapToGlobal(QPoint(x, y));
  return {at.x(), at.y()};
}

QIcon IconFromPng(std::string_view png) {
  QPixmap pixmap;
  pixmap.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<uint>(png.size()), "PNG");
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

void TForm::SetIconPng(std::string_view png) { QtWidget(native_)->setWindowIcon(IconFromPng(png)); }

void TForm::ApplyWindowFlags() {
  QWidget* widget = QtWidget(native_);
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
  const bool visible = widget->isVisible();
  widget->setWindowFlags(flags);
  if (fixed) {
    widget->setFixedSize(widget->size());
  } else {
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  if (visible) widget->show();
}

void TForm::SetFont(std::string_view name, int height) {
  native_->font = MakeFont(name, height);
  fontName_ = std::string(name);
  fontHeight_ = height;
  QtWidget(native_)->setFont(native_->font);
}

int TForm::TextHeightOfZero() const { return peruka::TextHeightOfZero(native_->font); }

TextSize TForm::AverageCharSize() const {
  const QFontMetrics metrics(native_->font);
  return {
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52,
      metrics.height()};
}

TextSize TForm::MeasureText(std::string_view text, const TextFormat& format, int width) const {
  const QSize size = peruka::MeasureText(native_->font, ToQString(text), format, width);
  return {size.width(), size.height()};
}

void TForm::EndModalLoop() {
  if (native_->modalLoop) native_->modalLoop->quit();
}

void TForm::CenterOnScreen(TCentring rule) {
  // With its native window made, the frame's size is known where the
  // platform can tell it; a window manager tells it only once the window
  // is up.
  QWidget* widget = QtWidget(native_);
  widget->winId();
  widget->move(CentredPosition(rule, ScreenSize(), QSize(Width(), Height())));
  FormWidget* formWidget = FormWidgetOf(this);
  if (!formWidget) return;
  formWidget->ForgetCentring();
  if (const QWindow* window = widget->windowHandle(); window && window->frameMargins().isNull())
    formWidget->CentreOnceFramed(rule, widget->pos());
}

bool TForm::HasFocusedControl() const { return QtWidget(native_)->focusWidget() != nullptr; }

void TForm::ShowAndRaise() {
  QtWidget(native_)->show();
  QtWidget(native_)->raise();
}

void TForm::Hide() { QtWidget(native_)->hide(); }

int TForm::ShowModal() {
  QWidget* widget = QtWidget(native_);
  ModalScope scope;
  widget->setWindowModality(Qt::ApplicationModal);
  modalResult_ = mrNone;
  Show();
  widget->activateWindow();

  QEventLoop loop;
  native_->modalLoop = &loop;
  modal_ = true;
  ScheduleModalBoxHook(widget);
  if (TMessageLoop* messageLoop = MessageLoopOf(this); messageLoop && messageLoop->Terminated())
    modalResult_ = mrCancel;
  if (modalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
  // The loop ends early only when the application is terminating.
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  native_->modalLoop = nullptr;
  modal_ = false;
  Hide();
  widget->setWindowModality(Qt::NonModal);
  scope.Restore();
  return modalResult_;
}

void TForm::UpdateTabOrder() {
  const std::vector<TWinControl*> order =
      ControlsInTabOrder([](TWinControl* control) { return control->TabOrder() >= 0; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(QtWidget(order[i - 1]), QtWidget(order[i]));
}

}  // namespace peruka
