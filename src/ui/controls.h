// The controls of a form: the memo with its line list, the label, the
// drop-down list and the push button, each over a Qt widget. Texts are
// Shift-JIS byte strings; positions and sizes are pixels relative to the
// client area of the parent form.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "ui/classes.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTextBlock;
class QTextCursor;

namespace peruka {

class TForm;

class TControl : public TComponent {
 public:
  // The widget becomes a child of the owner's client area when the owner is
  // a form.
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

  // The name a screen reader announces for the control.
  void SetAccessibleName(std::string_view name);
  std::string AccessibleName() const;

  // The widget's object name follows the component name.
  void SetName(std::string_view name) override;

  // The form the control sits on (itself for a form).
  TForm* ParentForm() const;
  QWidget* Widget() const { return widget_; }
  // The control a widget belongs to, or null.
  static TControl* FromWidget(const QWidget* widget);

 protected:
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

// A list of text lines (Shift-JIS, no line breaks).
class TStrings : public TObject {
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, std::string_view text) = 0;
  virtual void Insert(int index, std::string_view text) = 0;
  virtual void Clear() = 0;
  // Inserts the text as a new last line; returns its index.
  int Add(std::string_view text);
  std::string operator[](int index) const { return Get(index); }
};

class TMemo;

// The lines of a memo: a view over the memo's text, which it reads and edits
// in place. Without word wrap a line is the text between two line breaks;
// with word wrap it is a displayed line, so a text wider than the box
// counts as several lines.
class TMemoStrings final : public TStrings {
 public:
  explicit TMemoStrings(TMemo* memo);
  ~TMemoStrings() override;

  // The number of lines; an empty last line is not counted, so an empty box
  // has none.
  int Count() const override;
  // Line i, whole; the empty text past the last line.
  std::string Get(int index) const override;
  // Every line at once: exactly Get(i) for each i below Count(), each line
  // read and converted once.
  std::vector<std::string> GetAll() const;
  // Replaces the text of line i, keeping its line break; nothing past the end.
  void Put(int index, std::string_view text) override;
  // Inserts the text as line i: before an existing line it is followed by a
  // line break; one past the last line it follows a line break, unless that
  // last line is empty, when nothing happens.
  void Insert(int index, std::string_view text) override;
  // Empties the memo.
  void Clear() override;

 private:
  // The edit control's view of its lines: the number of displayed lines (at
  // least 1), the position where line i starts (-1 past the end) and the
  // length of the line holding a position.
  int LineCount() const;
  int LineIndex(int line) const;
  int LineLength(int position) const;
  // Selects [start, start + length) and replaces it, leaving the caret after
  // the new text; not undoable.
  void ReplaceRange(int start, int length, const QString& text);

 public:
  // The program's edits in one event share one edit of the document: its
  // layout, the caret and the scrolling are brought up to date once, before
  // the next event is handled (or before anything needs them earlier).
  // Thousands of lines replaced by one command stay fast this way.
  void FinishEdits();

 private:
  TMemo* memo_;
  std::unique_ptr<QTextCursor> batch_;
  int caret_ = -1;
  bool undoRedo_ = true;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};

class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  TMemoStrings* Lines() const { return lines_.get(); }

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle bars);
  // Applied when the memo receives the focus and undone when it loses it.
  TImeMode ImeMode() const { return imeMode_; }
  void SetImeMode(TImeMode mode) { imeMode_ = mode; }

  // The whole text; lines are separated by CR LF.
  std::string Text() const;
  void SetText(std::string_view text);

  // Raised on every key release while the memo has the focus, after the key
  // has edited the text; a handler that sets the key to 0 suppresses the
  // default processing of the release.
  TKeyEvent OnKeyUp;

  QPlainTextEdit* Edit() const;
  // Raises OnKeyUp (through the event guard of the application).
  void KeyUp(Word& key, TShiftState shift);

 private:
  std::unique_ptr<TMemoStrings> lines_;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  TImeMode imeMode_ = imDontCare;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // The name announced while the caption is empty.
  void SetEmptyAccessibleName(std::string_view name);
  // The control this label heads: its accessible name follows the caption.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  // Sizes an auto-size label to its caption: an empty caption (or a lone "&")
  // measures as one blank, so the label stays one line high.
  void AdjustBounds();
  void Loaded() override;

  // What the label draws: the caption with the drawing rules applied.
  QString DisplayText() const;

 private:
  void CaptionChanged();

  std::string caption_;
  std::string emptyAccessibleName_;
  TWinControl* focusControl_ = nullptr;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
};

// The items of a drop-down list.
class TComboBox;
class TComboBoxStrings final : public TStrings {
 public:
  explicit TComboBoxStrings(TComboBox* combo) : combo_(combo) {}
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  void Insert(int index, std::string_view text) override;
  void Clear() override;

 private:
  TComboBox* combo_;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TComboBoxStrings* Items() const { return items_.get(); }
  // The selected item, -1 when none; an index out of range clears the
  // selection.
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int ItemHeight() const { return itemHeight_; }
  // Only values above 0 are taken.
  void SetItemHeight(int height);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count);

  // The control's height follows from the item height and cannot be set.
  void SetBounds(int left, int top, int width, int height) override;
  int FixedHeight() const;

  QComboBox* Combo() const;

 private:
  std::unique_ptr<TComboBoxStrings> items_;
  TComboBoxStyle style_ = csDropDown;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
};

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // Enter clicks a default button, Escape a cancel button (see TForm).
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }

  TNotifyEvent OnClick;

  // A press: copies the modal result to the form, then raises OnClick.
  void Click();
  QPushButton* Button() const;

 private:
  std::string caption_;
  int modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

// The virtual-key code of a Qt key event (13 for both Enter keys).
Word VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace peruka
