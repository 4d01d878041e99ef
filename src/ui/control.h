// The base classes of the controls, each over a Qt widget: positions and
// sizes are pixels relative to the client area of the parent window, texts
// are Shift-JIS byte strings.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/classes.h"

namespace peruka {

// What a control asks of the window it sits on; the form provides it.
class TControlContainer {
 public:
  // The widget the controls' widgets are children of.
  virtual QWidget* ClientWidget() const = 0;
  // Rebuilds the focus chain after a control's tab order changed.
  virtual void UpdateTabOrder() = 0;
  // True while the window definition is being read.
  virtual bool ReadingDefinition() const = 0;
  virtual void SetModalResult(int result) = 0;

 protected:
  ~TControlContainer() = default;
};

class TControl : public TComponent {
 public:
  // The widget becomes a child of the owner's client area when the owner is
  // a container (see ClientWidgetOf).
  TControl(TComponent* owner, QWidget* widget);
  ~TControl() override;

  virtual int Left() const;
  virtual int Top() const;
  virtual int Width() const;
  virtual int Height() const;
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // The name a screen reader announces for the control, without accelerator
  // marks.
  void SetAccessibleName(std::string_view name);
  void SetAccessibleText(const QString& name);
  std::string AccessibleName() const;

  // The widget's object name follows the component name.
  void SetName(std::string_view name) override;

  // The container the control sits on (itself for a container), or null.
  TControlContainer* Container() const;
  QWidget* Widget() const { return widget_; }
  // The control a widget belongs to, or null.
  static TControl* FromWidget(const QWidget* widget);

 protected:
  // The parent widget for the widget of a control with this owner.
  static QWidget* ClientWidgetOf(TComponent* owner);

  QPointer<QWidget> widget_;
};

// A control without a window of its own: drawn on its parent, always beneath
// the windowed controls, never focused.
class TGraphicControl : public TControl {
 public:
  TGraphicControl(TComponent* owner, QWidget* widget);
};

class TWinControl : public TControl {
 public:
  TWinControl(TComponent* owner, QWidget* widget);

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool stop);
  bool CanFocus() const;
  void SetFocus();
  bool Focused() const;

 private:
  int tabOrder_ = -1;
  bool tabStop_ = true;
};

}  // namespace peruka
