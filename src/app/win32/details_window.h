// The detail window (計算の詳細) on Windows: the table of the last
// successful calculation's coefficients set against the exact ones (a list
// view), the fit's figures and the warning or note under it, and copying
// all of it as tab-separated text (the button, or Ctrl+C in the window).
// Tab moves between its controls, Alt with the button's "&" key presses it,
// and Escape closes the window. It is owned by the main window and hidden,
// not destroyed, when closed.
#pragma once

#include <optional>
#include <string>

#include "app/details_view.h"
#include "app/fit_details.h"
#include "app/win32/tool_window.h"

namespace peruka {

class DetailsWindow final : public DetailsView, public ToolWindow {
 public:
  explicit DetailsWindow(TForm& owner);

  void SetDetails(const FitDetails& details) override;
  bool Shown() const override { return WindowShown(); }
  void Present() override;
  // Puts the window beside the main window (see PlaceWindowBeside), keeping
  // clear of `result` (screen coordinates): at once, or when it is first
  // presented, at the size of the first details it shows.
  void PlaceBeside(const ScreenRect& result);
  void PlaceOnPresenting(const ScreenRect& result) { placeBeside_ = result; }

  HWND__* Table() const { return table_; }
  HWND__* Figures() const { return figures_; }
  HWND__* Note() const { return note_; }
  HWND__* CopyButton() const { return copy_; }

  // Puts the whole as tab-separated text on the clipboard.
  void CopyTable();

 private:
  bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) override;
  void LayOutControls(int clientWidth, int clientHeight);
  // The height of a text in the window's font, wrapped at the width.
  int TextHeight(const std::string& text, int width) const;
  // Sizes the window to show the whole table.
  void FitToTable();

  HWND__* table_ = nullptr;
  HWND__* figures_ = nullptr;
  HWND__* note_ = nullptr;
  HWND__* copy_ = nullptr;
  FitDetails details_;
  std::optional<ScreenRect> placeBeside_;
};

}  // namespace peruka
