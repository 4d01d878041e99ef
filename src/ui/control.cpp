#include "ui/control.h"

#include <QVariant>
#include <algorithm>

#include "ui/draw_text.h"
#include "ui/qt_text.h"

namespace peruka {

namespace {
constexpr const char* kControlProperty = "perukaControl";
}  // namespace

TControl::TControl(TComponent* owner, QWidget* widget) : TComponent(owner), widget_(widget) {
  widget_->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
}

TControl::~TControl() {
  if (widget_) widget_->setProperty(kControlProperty, QVariant());
  delete widget_.data();
}

TControl* TControl::FromWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  return static_cast<TControl*>(widget->property(kControlProperty).value<void*>());
}

QWidget* TControl::ClientWidgetOf(TComponent* owner) {
  if (auto* container = dynamic_cast<TControlContainer*>(owner)) return container->ClientWidget();
  return nullptr;
}

void TControl::SetName(std::string_view name) {
  TComponent::SetName(name);
  if (widget_) widget_->setObjectName(ToQString(name));
}

int TControl::Left() const { return widget_ ? widget_->x() : 0; }
int TControl::Top() const { return widget_ ? widget_->y() : 0; }
int TControl::Width() const { return widget_ ? widget_->width() : 0; }
int TControl::Height() const { return widget_ ? widget_->height() : 0; }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (widget_) widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}

bool TControl::Visible() const { return widget_ && !widget_->isHidden(); }
void TControl::SetVisible(bool visible) {
  if (widget_) widget_->setVisible(visible);
}
bool TControl::Enabled() const { return widget_ && widget_->isEnabled(); }
void TControl::SetEnabled(bool enabled) {
  if (widget_) widget_->setEnabled(enabled);
}

void TControl::SetAccessibleName(std::string_view name) { SetAccessibleText(ToQString(name)); }

void TControl::SetAccessibleText(const QString& name) {
  if (widget_) widget_->setAccessibleName(WithoutAccelerators(name));
}

std::string TControl::AccessibleName() const { return widget_ ? FromQString(widget_->accessibleName()) : ""; }

TControlContainer* TControl::Container() const {
  for (TComponent* c = const_cast<TControl*>(this); c; c = c->Owner())
    if (auto* container = dynamic_cast<TControlContainer*>(c)) return container;
  return nullptr;
}

TGraphicControl::TGraphicControl(TComponent* owner, QWidget* widget) : TControl(owner, widget) {
  widget_->setFocusPolicy(Qt::NoFocus);
  widget_->lower();
  widget_->show();
}

TWinControl::TWinControl(TComponent* owner, QWidget* widget) : TControl(owner, widget) {
  if (widget_->parentWidget()) widget_->show();
}

void TWinControl::SetTabOrder(int order) {
  tabOrder_ = order;
  TControlContainer* container = Container();
  if (container && container != dynamic_cast<TControlContainer*>(this)) container->UpdateTabOrder();
}

void TWinControl::SetTabStop(bool stop) {
  tabStop_ = stop;
  if (widget_) widget_->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const { return widget_ && widget_->isEnabled() && !widget_->isHidden(); }

void TWinControl::SetFocus() {
  if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const { return widget_ && widget_->hasFocus(); }

}  // namespace peruka
