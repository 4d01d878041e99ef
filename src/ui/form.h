// Forms: top-level windows built from a window definition that is scaled to
// the screen, with fixed frames, client sizes, centring and modal showing.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/form_definition.h"

class QEventLoop;

namespace peruka {

// The centring rules of layout_rules.h over Qt's geometry types.
QPoint CentredPosition(TCentring rule, QSize screen, QSize outer);
std::optional<QPoint> CentredOnceFramed(TCentring rule, QSize screen, QPoint placed, const QRect& client,
                                        const QRect& frame);

class TForm : public TWinControl, public TControlContainer {
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
  void SetModalResult(int result) override;

  // Shows the form; the first showing applies poScreenCenter.
  void Show();
  // Centres the form on the screen by its outer size as far as it is known;
  // if the window manager has not reported the frame yet, the form is
  // centred again, once, when a frame is reported while the form is still
  // where it was put (see CentredOnceFramed). Without a window manager
  // nothing more happens.
  void CenterOnScreen(TCentring rule);
  void Hide();
  // Shows the form modally and returns its modal result when it is closed.
  int ShowModal();
  // Closes the form: the main form ends the program, others are hidden.
  void Close();
  bool Modal() const { return modalLoop_ != nullptr; }
  // True while the window definition is being read.
  bool ReadingDefinition() const override { return reading_; }

  // Enter clicks the default button, Escape the cancel button.
  bool DialogKey(int qtKey, Qt::KeyboardModifiers modifiers);
  // Rebuilds the focus chain from the tab orders.
  void UpdateTabOrder() override;

  TNotifyEvent OnCreate;

  // Runs the creation handler (exceptions go to the error display).
  virtual void AfterConstruction();

  QWidget* ClientWidget() const override { return widget_; }

 protected:
  // Reads a window definition: the form's own properties and those of the
  // components named in it, scaled from the definition's pixels per inch to
  // the screen (see ScaledFontHeight and ScaleBounds).
  void ReadDefinition(const FormDefinition& definition);
  // Handlers a definition can name.
  void RegisterHandler(std::string_view name, TNotifyEvent handler);
  void RegisterHandler(std::string_view name, TKeyEvent handler);

 private:
  void ApplyWindowFlags();
  // The windowed controls that pass the test, by tab order (stable).
  std::vector<TWinControl*> ControlsInTabOrder(bool (*include)(TWinControl*)) const;

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
  DefinitionHandlers handlers_;
};

}  // namespace peruka
