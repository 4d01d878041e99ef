// The base classes of the controls, each over a window its backend makes:
// positions and sizes are pixels relative to the client area of the parent
// window, texts are Shift-JIS byte strings.
//
// Members marked "backend" are defined by the window layer's backend (in
// ui/qt or ui/win32); the rest are the layer's own rules, written once.
#pragma once

#include <string>
#include <string_view>

#include "ui/classes.h"

namespace peruka {

// A control's window, as its backend makes it.
struct NativeWidget;

// What a control asks of the window it sits on; the form provides it.
class TControlContainer {
 public:
  // The window the controls' windows are children of.
  virtual NativeWidget* ClientNative() const = 0;
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
  // Takes the window, made a child of the owner's client area when the
  // owner is a container (see ClientNativeOf). Backend.
  TControl(TComponent* owner, NativeWidget* native);
  ~TControl() override;  // backend

  // Backend.
  virtual int Left() const;
  virtual int Top() const;
  virtual int Width() const;
  virtual int Height() const;
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  virtual void SetBounds(int left, int top, int width, int height);  // backend

  // Backend.
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // The name a screen reader announces for the control, without accelerator
  // marks. Backend.
  void SetAccessibleName(std::string_view name);
  std::string AccessibleName() const;

  // The window's own name follows the component name. Backend.
  void SetName(std::string_view name) override;

  // The container the control sits on (itself for a container), or null.
  TControlContainer* Container() const;
  NativeWidget* Native() const { return native_; }

 protected:
  // The parent window for the window of a control with this owner.
  static NativeWidget* ClientNativeOf(TComponent* owner);

  NativeWidget* native_;  // owned
};

// A control without a window of its own: drawn on its parent, always beneath
// the windowed controls, never focused.
class TGraphicControl : public TControl {
 public:
  TGraphicControl(TComponent* owner, NativeWidget* native);  // backend
};

class TWinControl : public TControl {
 public:
  TWinControl(TComponent* owner, NativeWidget* native);  // backend

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool stop);  // backend
  // Backend.
  bool CanFocus() const;
  void SetFocus();
  bool Focused() const;

 protected:
  bool tabStop_ = true;

 private:
  int tabOrder_ = -1;
};

}  // namespace peruka
