// Forms: top-level windows built from a window definition that is scaled to
// the screen, with fixed frames, client sizes, centring and modal showing.
#pragma once

#include <QFont>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"

class QEventLoop;

namespace peruka {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };

// Border icons.
using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1;
inline constexpr TBorderIcons biMinimize = 2;
inline constexpr TBorderIcons biMaximize = 4;

// One control of a window definition. Positions and sizes are pixels at the
// definition's pixels per inch; texts are Shift-JIS.
struct ControlDefinition {
  std::string_view name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::optional<std::string_view> caption;  // labels and buttons
  std::vector<std::string_view> lines;      // memos
  std::vector<std::string_view> items;      // drop-down lists
  std::optional<bool> autoSize;
  std::optional<TImeMode> imeMode;
  std::optional<TComboBoxStyle> style;
  std::optional<int> itemHeight;
  int tabOrder = -1;
  // A label names this control for screen readers (its caption).
  std::string_view focusControl;
  // The accessible name of a control without a caption of its own.
  std::string_view accessibleName;
  std::string_view onClick;
  std::string_view onKeyUp;
};

struct FormDefinition {
  std::string_view name;
  int left = 0;
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  std::string_view caption;
  TFormBorderStyle borderStyle = bsSizeable;
  TBorderIcons borderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition position = poDesigned;
  std::string_view fontName;
  int fontCharset = 1;
  int fontHeight = -11;  // negative: character height in pixels
  int pixelsPerInch = 96;
  int textHeight = 13;                // height of "0" in the font at pixelsPerInch
  const char* const* icon = nullptr;  // XPM image
  std::string_view onCreate;
  std::vector<ControlDefinition> controls;
};

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  // Outer position and size, frame included.
  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  void SetBounds(int left, int top, int width, int height) override;

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
  // character height in pixels.
  void SetFont(std::string_view name, int height);
  const QFont& Font() const { return font_; }
  int FontHeight() const { return fontHeight_; }

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);

  // Shows the form; the first showing applies poScreenCenter.
  void Show();
  void Hide();
  // Shows the form modally and returns its modal result when it is closed.
  int ShowModal();
  // Closes the form: the main form ends the program, others are hidden.
  void Close();
  bool Modal() const { return modalLoop_ != nullptr; }
  // True while the window definition is being read.
  bool ReadingDefinition() const { return reading_; }

  // Enter clicks the default button, Escape the cancel button.
  bool DialogKey(int qtKey, Qt::KeyboardModifiers modifiers);
  // Rebuilds the focus chain from the tab orders.
  void UpdateTabOrder();

  TNotifyEvent OnCreate;

  // Runs the creation handler (exceptions go to the error display).
  virtual void AfterConstruction();

  QWidget* ClientWidget() const { return widget_; }

 protected:
  // Reads a window definition: the form's own properties and those of the
  // components named in it, scaled from the definition's pixels per inch to
  // the screen (see ScaleForScreen).
  void ReadDefinition(const FormDefinition& definition);
  // Handlers a definition can name.
  void RegisterHandler(std::string_view name, TNotifyEvent handler);
  void RegisterHandler(std::string_view name, TKeyEvent handler);

 private:
  void ApplyWindowFlags();
  void CenterOnScreen();
  void ApplyControl(const ControlDefinition& definition, int m, int d);

  std::string caption_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  QFont font_;
  int fontHeight_ = 0;
  int modalResult_ = mrNone;
  bool shownBefore_ = false;
  bool reading_ = false;
  QEventLoop* modalLoop_ = nullptr;
  std::map<std::string, TNotifyEvent, std::less<>> notifyHandlers_;
  std::map<std::string, TKeyEvent, std::less<>> keyHandlers_;
};

// The scaling of a definition: font height by the screen's pixels per inch,
// then every position and size by M / D, where M is the height of "0" in the
// scaled font and D the definition's text height. Right and bottom edges are
// scaled, so adjoining controls stay adjoining.
struct DefinitionScale {
  int fontHeight;
  int m;
  int d;
  bool Rescales() const { return m != d; }
};
int ScaledFontHeight(int fontHeight, int screenPixelsPerInch, int definitionPixelsPerInch);
struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};
Bounds ScaleBounds(const Bounds& bounds, int m, int d);

// The window layer's default font: "ＭＳ Ｐゴシック", 9 points at the screen's
// pixels per inch.
QFont DefaultFont();
// The font of a negative (character) or positive (cell) height.
QFont MakeFont(std::string_view shiftJisName, int height);
// The height of the text "0" in the font.
int TextHeightOfZero(const QFont& font);

}  // namespace peruka
