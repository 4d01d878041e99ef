// The Win32 backend's window of a control: the system window (none for a
// label, which its form paints), what the backend keeps beside it, and the
// lookups between windows and the layer's controls.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/file_drop.h"
#include "ui/layout_rules.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_widget.h"

namespace peruka {

class TForm;

struct NativeWidget {
  HWND window = nullptr;           // null for a label
  NativeWidget* parent = nullptr;  // the form whose client area holds the control
  TControl* control = nullptr;
  UINT id = 0;  // a child window's control id, unique in the process

  // A label's: its place on the parent, its own flags, its tool tip.
  Bounds bounds{0, 0, 0, 0};
  bool visible = true;
  bool enabled = true;
  bool hasToolTip = false;
  bool watchesParentSize = false;

  // A combo box's item height, answered to the measure requests that come
  // while its window is still being made.
  int itemHeight = 16;
  // A memo's: the input method context put aside while it has the focus.
  void* imeContext = nullptr;
  bool imeDisabled = false;

  std::string accessibleName;

  // A form's: the font every control of it uses, the control that gets the
  // focus when the form is activated, its tool tips, icon, file drops and
  // the folder last saved to.
  HFONT font = nullptr;
  HWND focusOnActivate = nullptr;
  HWND toolTips = nullptr;
  HICON icon = nullptr;
  std::function<bool(const DroppedFile&)> dropHandler;
  std::wstring lastSaveFolder;
};

// The control of a window the backend made, or null.
TControl* ControlOfWindow(HWND window);
// The form of a form's window, or null.
TForm* FormOfWindow(HWND window);
// The form a window belongs to (the form of its top-level window), or null.
TForm* FormContaining(HWND window);
// The child of `form` that is or holds `window`, or null.
HWND ChildOfForm(HWND form, HWND window);
// The native widget of a child window by its control id, or null.
NativeWidget* NativeOfId(UINT id);

// Ties a window to its control (and its control id), or unties it.
void AttachWindow(NativeWidget& native);
void DetachWindow(NativeWidget& native);

// The font a control is drawn with: its form's, else the system's.
HFONT FontOf(const NativeWidget* native);

// Makes a child window of the system class in the parent's client area (in
// a hidden helper window when there is no parent), with a new control id
// and the parent's font; zero size until it is placed.
HWND CreateChildWindow(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, NativeWidget& native);

// A hidden message-only window of the program: the clipboard's owner and
// the parent of controls made without a form.
HWND HelperWindow();

// The bounds of a child window in its parent's client coordinates.
Bounds ChildBounds(HWND window);

// A device context of the screen with a font selected, released with it.
class ScreenTextContext {
 public:
  explicit ScreenTextContext(HFONT font);
  ~ScreenTextContext();
  ScreenTextContext(const ScreenTextContext&) = delete;
  ScreenTextContext& operator=(const ScreenTextContext&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Runs a window procedure's work; an exception that escapes it goes to the
// error display instead of through the system's frames.
LRESULT GuardedWindowProc(const std::function<LRESULT()>& work);

}  // namespace peruka
