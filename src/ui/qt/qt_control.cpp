#include <QVariant>
#include <algorithm>

#include "ui/control.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

namespace {
constexpr const char* kControlProperty = "perukaControl";
}  // namespace

TControl::TControl(TComponent* owner, NativeWidget* native) : TComponent(owner), native_(native) {
  native_->widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
}

TControl::~TControl() {
  if (QWidget* widget = QtWidget(native_)) {
    widget->setProperty(kControlProperty, QVariant());
    delete widget;
  }
  delete native_;
}

TControl* ControlOfWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  return static_cast<TControl*>(widget->property(kControlProperty).value<void*>());
}

void TControl::SetName(std::string_view name) {
  TComponent::SetName(name);
  if (QWidget* widget = QtWidget(native_)) widget->setObjectName(ToQString(name));
}

int TControl::Left() const { return QtWidget(native_) ? QtWidget(native_)->x() : 0; }
int TControl::Top() const { return QtWidget(native_) ? QtWidget(native_)->y() : 0; }
int TControl::Width() const { return QtWidget(native_) ? QtWidget(native_)->width() : 0; }
int TControl::Height() const { return QtWidget(native_) ? QtWidget(native_)->height() : 0; }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (QWidget* widget = QtWidget(native_))
    widget->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}

bool TControl::Visible() const { return QtWidget(native_) && !QtWidget(native_)->isHidden(); }
void TControl::SetVisible(bool visible) {
  if (QWidget* widget = QtWidget(native_)) widget->setVisible(visible);
}
bool TControl::Enabled() const { return QtWidget(native_) && QtWidget(native_)->isEnabled(); }
void TControl::SetEnabled(bool enabled) {
  if (QWidget* widget = QtWidget(native_)) widget->setEnabled(enabled);
}

void TControl::SetAccessibleName(std::string_view name) {
  if (QWidget* widget = QtWidget(native_)) widget->setAccessibleName(WithoutAccelerators(ToQString(name)));
}

std::string TControl::AccessibleName() const {
  return QtWidget(native_) ? FromQString(QtWidget(native_)->accessibleName()) : "";
}

TGraphicControl::TGraphicControl(TComponent* owner, NativeWidget* native) : TControl(owner, native) {
  QWidget* widget = QtWidget(native_);
  widget->setFocusPolicy(Qt::NoFocus);
  widget->lower();
  widget->show();
}

TWinControl::TWinControl(TComponent* owner, NativeWidget* native) : TControl(owner, native) {
  if (QtWidget(native_)->parentWidget()) QtWidget(native_)->show();
}

void TWinControl::SetTabStop(bool stop) {
  tabStop_ = stop;
  if (QWidget* widget = QtWidget(native_)) widget->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const {
  const QWidget* widget = QtWidget(native_);
  return widget && widget->isEnabled() && !widget->isHidden();
}

void TWinControl::SetFocus() {
  if (QWidget* widget = QtWidget(native_)) widget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const { return QtWidget(native_) && QtWidget(native_)->hasFocus(); }

}  // namespace peruka
