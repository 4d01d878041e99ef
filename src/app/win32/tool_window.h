// What the tool windows on Windows (the graph and the detail window) have
// alike: a window of a class of their own, owned by the main window; the
// controls' 9-point font at the screen's pixels per inch; and the messages
// every one of them answers the same way. Closing it, or Escape, hides it
// rather than destroying it, and activating it gives the focus back to the
// control that had it.
#pragma once

#include <cstdint>
#include <string>

#include "app/window_placement.h"

struct HWND__;
struct HFONT__;

namespace peruka {

class TForm;

class ToolWindow {
 public:
  ToolWindow(const ToolWindow&) = delete;
  ToolWindow& operator=(const ToolWindow&) = delete;

  HWND__* Handle() const { return window_; }

 protected:
  explicit ToolWindow(TForm& owner);
  virtual ~ToolWindow();

  // Registers the class (once) and creates the window with the title and
  // the program's icon; false when it could not be created.
  bool CreateToolWindow(const wchar_t* windowClass, const std::wstring& title);
  // A child control in the window's font.
  HWND__* AddControl(unsigned long exStyle, const wchar_t* windowClass, const std::wstring& text,
                     unsigned long style, int id);
  // The control that has the focus when the window is first activated.
  void FocusFirst(HWND__* control) { firstFocus_ = control; }

  // The window's messages besides the shared ones: true when handled, with
  // `result` the answer; false leaves the message to the default procedure.
  virtual bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                             std::intptr_t& result);

  bool WindowShown() const;
  // Shows the window in front, restored if minimized, and activates it.
  void PresentWindow();

  int Scaled(int pixelsAt96) const;
  int PixelsPerInch() const { return pixelsPerInch_; }
  HFONT__* Font() const { return font_; }
  // The outer size of a client size.
  static ScreenSize FrameSize(int clientWidth, int clientHeight);

  TForm& owner_;
  HWND__* window_ = nullptr;

 private:
  friend struct ToolWindowProcedure;  // the window's messages

  HFONT__* font_ = nullptr;
  HWND__* firstFocus_ = nullptr;
  HWND__* lastFocus_ = nullptr;  // the control to focus again on activation
  int pixelsPerInch_ = 96;
};

// Puts a window next to the main window (see PlaceNextToMainWindow), keeping
// clear of its title bar and of `result`, at its frame sizes.
void PlaceWindowBeside(HWND__* window, TForm& owner, const ScreenRect& result, ScreenSize preferred,
                       ScreenSize minimum);

}  // namespace peruka
