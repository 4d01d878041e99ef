// Forms: top-level windows built from a window definition that is scaled to
// the screen, with fixed frames, client sizes, centring and modal showing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/form_definition.h"
#include "ui/layout_rules.h"
#include "ui/text_format.h"

namespace peruka {

class TForm : public TWinControl, public TControlContainer {
 public:
  explicit TForm(TComponent* owner);  // backend
  ~TForm() override;                  // backend

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  // Outer position and size, frame included. Backend.
  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  void SetBounds(int left, int top, int width, int height) override;

  // Backend.
  int ClientWidth() const;
  int ClientHeight() const;
  // Changes the outer size by the difference, keeping Left and Top.
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  // The font every control of the form uses. A negative height is the
  // character height in pixels. Backend.
  void SetFont(std::string_view name, int height);
  const std::string& FontName() const { return fontName_; }
  int FontHeight() const { return fontHeight_; }
  // The height of "0" in the form's font: the text height the scaling
  // compares with the definition's. Backend.
  int TextHeightOfZero() const;
  // In the form's font: the average width of the letters A-Z and a-z (the
  // sum of the 52 widths divided by 52, truncated) and the line height; a
  // text's size drawn by the format within the width. Backend.
  TextSize AverageCharSize() const;
  TextSize MeasureText(std::string_view text, const TextFormat& format, int width) const;

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) override;

  // Shows the form; the first showing applies poScreenCenter.
  void Show();
  // Centres the form on the screen by its outer size as far as it is known;
  // if the window manager has not reported the frame yet, the form is
  // centred again, once, when a frame is reported while the form is still
  // where it was put (see CentredOnceFramed). Without a window manager
  // nothing more happens. Backend.
  void CenterOnScreen(TCentring rule);
  void Hide();  // backend
  // Shows the form modally and returns its modal result when it is closed.
  // Backend.
  int ShowModal();
  // Closes the form: the main form ends the program, others are hidden.
  void Close();
  bool Modal() const { return modal_; }
  // True while the window definition is being read.
  bool ReadingDefinition() const override { return reading_; }

  // Enter clicks the default button, Escape the cancel button, each only
  // without Shift, Ctrl and Alt; true when a button took the key.
  bool DialogKey(Word key, TShiftState shift);
  // Rebuilds the focus chain from the tab orders. Backend.
  void UpdateTabOrder() override;

  TNotifyEvent OnCreate;

  // Runs the creation handler (exceptions go to the error display).
  virtual void AfterConstruction();

  NativeWidget* ClientNative() const override { return native_; }
  // Where a point of the client area is on the screen. Backend.
  ScreenPosition ClientToScreen(int x, int y) const;
  // The window's icon, a PNG image (none when it does not read). Backend.
  void SetIconPng(std::string_view png);

 protected:
  // Reads a window definition: the form's own properties and those of the
  // components named in it, scaled from the definition's pixels per inch to
  // the screen (see ScaledFontHeight and ScaleBounds).
  void ReadDefinition(const FormDefinition& definition);
  // Handlers a definition can name.
  void RegisterHandler(std::string_view name, TNotifyEvent handler);
  void RegisterHandler(std::string_view name, TKeyEvent handler);

 private:
  // Backend: the title bar's text; the window flags of the border style and icons; a move that
  // keeps the size; whether a control of the form has the focus; the window
  // shown and raised; the modal loop ended.
  void SetWindowTitle(std::string_view title);
  void ApplyWindowFlags();
  void MoveTo(int left, int top);
  bool HasFocusedControl() const;
  void ShowAndRaise();
  void EndModalLoop();
  // The windowed controls that pass the test, by tab order (stable).
  std::vector<TWinControl*> ControlsInTabOrder(bool (*include)(TWinControl*)) const;

  std::string caption_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  std::string fontName_;
  int fontHeight_ = 0;
  int modalResult_ = mrNone;
  bool shownBefore_ = false;
  bool reading_ = false;
  bool modal_ = false;
  DefinitionHandlers handlers_;
};

}  // namespace peruka
