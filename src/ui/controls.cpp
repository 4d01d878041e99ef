#include "ui/controls.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "ui/application.h"
#include "ui/draw_text.h"
#include "ui/forms.h"
#include "ui/qt_text.h"

namespace peruka {

namespace {

QWidget* ParentWidgetFor(TComponent* owner) {
  if (auto* form = dynamic_cast<TForm*>(owner)) return form->ClientWidget();
  return nullptr;
}

// The caption without its accelerator marks, as a screen reader should say it.
QString WithoutAccelerators(const QString& text) {
  QString result;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (i + 1 < text.size() && text[i + 1] == u'&') {
        result += u'&';
        ++i;
      }
      continue;
    }
    result += text[i];
  }
  return result;
}

// Posted by the first program edit of an event; finishes the edits.
const QEvent::Type kFinishEditsEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

bool IsLineBreak(char32_t c) { return c == U'\n' || c == U'\r' || c == 0x2029; }

// ---------------------------------------------------------------------------
// Memo

class MemoWidget final : public QPlainTextEdit {
 public:
  MemoWidget(TMemo* memo, QWidget* parent) : QPlainTextEdit(parent), memo_(memo) {
    setTabChangesFocus(true);  // tabs move the focus
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }

  bool ImeDisabled() const { return memo_ && memo_->ImeMode() == imDisable; }

  void Detach() { memo_ = nullptr; }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == kFinishEditsEvent) {
      if (memo_) memo_->Lines()->FinishEdits();
      return true;
    }
    return QPlainTextEdit::event(event);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      // Enter always breaks the line at the caret (replacing a selection),
      // whatever modifier is held, and never reaches a button.
      QTextCursor cursor = textCursor();
      cursor.insertBlock();
      setTextCursor(cursor);
      ensureCursorVisible();
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  void keyReleaseEvent(QKeyEvent* event) override {
    // Holding a key raises one release event, when it is let go.
    if (memo_ && !event->isAutoRepeat()) {
      Word key = VirtualKeyOf(event->key(), event->modifiers());
      memo_->KeyUp(key, ShiftStateOf(event->modifiers()));
      if (key == 0) {
        event->accept();
        return;
      }
    }
    QPlainTextEdit::keyReleaseEvent(event);
  }

  void focusInEvent(QFocusEvent* event) override {
    QPlainTextEdit::focusInEvent(event);
    if (ImeDisabled()) setAttribute(Qt::WA_InputMethodEnabled, false);
  }

  void focusOutEvent(QFocusEvent* event) override {
    if (!testAttribute(Qt::WA_InputMethodEnabled)) setAttribute(Qt::WA_InputMethodEnabled, true);
    QPlainTextEdit::focusOutEvent(event);
  }

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
    if (query == Qt::ImEnabled && ImeDisabled() && hasFocus()) return false;
    return QPlainTextEdit::inputMethodQuery(query);
  }

  void inputMethodEvent(QInputMethodEvent* event) override {
    if (!ImeDisabled()) {
      QPlainTextEdit::inputMethodEvent(event);
      return;
    }
    // The input method is off for this box, yet a platform may still commit
    // text through it. No composition is shown; committed text is taken as
    // typed keys, so a line break in it raises the key events of Enter.
    event->accept();
    const QString commit = event->commitString();
    const std::u32string codes = commit.toStdU32String();
    for (std::size_t i = 0; i < codes.size(); ++i) {
      const char32_t c = codes[i];
      if (IsLineBreak(c)) {
        if (c == U'\r' && i + 1 < codes.size() && codes[i + 1] == U'\n') ++i;
        TypeKey(Qt::Key_Return, QStringLiteral("\r"));
      } else {
        // Qt's key codes of the printable ASCII characters are their codes
        // (letters in upper case).
        const int key =
            c >= 0x20 && c < 0x7F ? (c >= U'a' && c <= U'z' ? int(c) - 0x20 : int(c)) : Qt::Key_unknown;
        TypeKey(key, QString::fromUcs4(&c, 1));
      }
    }
  }

 private:
  void TypeKey(int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    keyPressEvent(&press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    keyReleaseEvent(&release);
  }

  TMemo* memo_;
};

// ---------------------------------------------------------------------------
// Label

class LabelWidget final : public QWidget {
 public:
  LabelWidget(TLabel* label, QWidget* parent) : QWidget(parent), label_(label) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
  }

  void Detach() { label_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!label_) return;
    QPainter painter(this);
    if (!label_->Transparent()) painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    TextFormat format;
    format.wordBreak = label_->WordWrap();
    format.prefix = label_->ShowAccelChar();
    format.alignment = label_->Alignment() == taRightJustify ? Qt::AlignRight
                       : label_->Alignment() == taCenter     ? Qt::AlignHCenter
                                                             : Qt::AlignLeft;
    DrawText(painter, rect(), ToQString(label_->Caption()), format);
  }

  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange && label_) label_->AdjustBounds();
    QWidget::changeEvent(event);
  }

 private:
  TLabel* label_;
};

// ---------------------------------------------------------------------------
// Drop-down list

// Draws one item as an owner-drawn list does without a drawing handler: the
// rectangle filled with the control's colour (the highlight colour when
// selected), the text at (left + 2, top), not centred, and a focus rectangle
// when the item has the focus.
void DrawComboItem(QPainter& painter, const QRect& rect, const QString& text, int index, bool selected,
                   bool focus, const QWidget* widget) {
  const QPalette& palette = widget->palette();
  painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
  if (index >= 0) {
    painter.setFont(widget->font());
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QFontMetrics metrics(widget->font());
    painter.drawText(QPoint(rect.left() + 2, rect.top() + metrics.ascent()), text);
  }
  if (focus) {
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    option.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
  }
}

class OwnerDrawDelegate final : public QAbstractItemDelegate {
 public:
  OwnerDrawDelegate(TComboBox* combo, QObject* parent) : QAbstractItemDelegate(parent), combo_(combo) {}
  void Detach() { combo_ = nullptr; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!combo_) return;
    DrawComboItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), index.row(),
                  option.state & QStyle::State_Selected, option.state & QStyle::State_HasFocus,
                  combo_->Combo());
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), combo_ ? combo_->ItemHeight() : 16);
  }

 private:
  TComboBox* combo_;
};

class ComboWidget final : public QComboBox {
 public:
  ComboWidget(TComboBox* combo, QWidget* parent) : QComboBox(parent), combo_(combo) {}
  void Detach() { combo_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const bool ownerDraw =
        combo_ && (combo_->Style() == csOwnerDrawFixed || combo_->Style() == csOwnerDrawVariable);
    if (!ownerDraw) {
      QComboBox::paintEvent(event);
      return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int itemHeight = combo_->ItemHeight();
    const QRect item(field.left(), (height() - itemHeight) / 2, field.width(), itemHeight);
    DrawComboItem(painter, item, currentText(), currentIndex(), hasFocus(), hasFocus(), this);
  }

 private:
  TComboBox* combo_;
};

// ---------------------------------------------------------------------------
// Button

class ButtonWidget final : public QPushButton {
 public:
  ButtonWidget(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
      // Enter clicks the button that has the focus.
      event->accept();
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

}  // namespace

// ---------------------------------------------------------------------------

Word VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers & Qt::KeypadModifier;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<Word>(qtKey);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return static_cast<Word>(keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<Word>(0x70 + (qtKey - Qt::Key_F1));
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Backspace:
      return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0x09;
    case Qt::Key_Shift:
      return 0x10;
    case Qt::Key_Control:
      return 0x11;
    case Qt::Key_Alt:
      return 0x12;
    case Qt::Key_Pause:
      return 0x13;
    case Qt::Key_CapsLock:
      return 0x14;
    case Qt::Key_Escape:
      return 0x1B;
    case Qt::Key_Space:
      return 0x20;
    case Qt::Key_PageUp:
      return 0x21;
    case Qt::Key_PageDown:
      return 0x22;
    case Qt::Key_End:
      return 0x23;
    case Qt::Key_Home:
      return 0x24;
    case Qt::Key_Left:
      return 0x25;
    case Qt::Key_Up:
      return 0x26;
    case Qt::Key_Right:
      return 0x27;
    case Qt::Key_Down:
      return 0x28;
    case Qt::Key_Insert:
      return 0x2D;
    case Qt::Key_Delete:
      return 0x2E;
    case Qt::Key_Asterisk:
      return keypad ? 0x6A : 0xBA;
    case Qt::Key_Plus:
      return keypad ? 0x6B : 0xBB;
    case Qt::Key_Comma:
      return 0xBC;
    case Qt::Key_Minus:
      return keypad ? 0x6D : 0xBD;
    case Qt::Key_Period:
      return keypad ? 0x6E : 0xBE;
    case Qt::Key_Slash:
      return keypad ? 0x6F : 0xBF;
    case Qt::Key_NumLock:
      return 0x90;
    default:
      return 0;
  }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers) {
  TShiftState state = 0;
  if (modifiers & Qt::ShiftModifier) state |= ssShift;
  if (modifiers & Qt::AltModifier) state |= ssAlt;
  if (modifiers & Qt::ControlModifier) state |= ssCtrl;
  return state;
}

// ---------------------------------------------------------------------------
// TControl

namespace {
constexpr const char* kControlProperty = "perukaControl";
}

TControl::TControl(TComponent* owner, QWidget* widget) : TComponent(owner), widget_(widget) {
  widget_->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
}

TControl* TControl::FromWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  return static_cast<TControl*>(widget->property(kControlProperty).value<void*>());
}

void TControl::SetName(std::string_view name) {
  TComponent::SetName(name);
  if (widget_) widget_->setObjectName(ToQString(name));
}

TControl::~TControl() {
  if (widget_) widget_->setProperty(kControlProperty, QVariant());
  delete widget_.data();
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

void TControl::SetAccessibleName(std::string_view name) {
  if (widget_) widget_->setAccessibleName(WithoutAccelerators(ToQString(name)));
}

std::string TControl::AccessibleName() const { return widget_ ? FromQString(widget_->accessibleName()) : ""; }

TForm* TControl::ParentForm() const {
  for (TComponent* c = const_cast<TControl*>(this); c; c = c->Owner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
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
  if (TForm* form = ParentForm(); form && form != this) form->UpdateTabOrder();
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

int TStrings::Add(std::string_view text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

// ---------------------------------------------------------------------------
// TMemoStrings

namespace {

// The laid-out lines of a block, laying it out first when needed.
QTextLayout* LaidOut(QTextDocument* document, const QTextBlock& block) {
  QTextLayout* layout = block.layout();
  if (layout->lineCount() == 0) document->documentLayout()->blockBoundingRect(block);
  return layout;
}

int DisplayedLines(QTextDocument* document, const QTextBlock& block) {
  return std::max(1, LaidOut(document, block)->lineCount());
}

}  // namespace

int TMemoStrings::LineCount() const {
  QTextDocument* document = memo_->Edit()->document();
  if (!memo_->WordWrap()) return document->blockCount();
  const_cast<TMemoStrings*>(this)->FinishEdits();
  int count = 0;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    count += DisplayedLines(document, block);
  return count;
}

int TMemoStrings::LineIndex(int line) const {
  if (line < 0) return -1;
  QTextDocument* document = memo_->Edit()->document();
  if (!memo_->WordWrap()) {
    const QTextBlock block = document->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
  }
  const_cast<TMemoStrings*>(this)->FinishEdits();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const int lines = DisplayedLines(document, block);
    if (line < lines) {
      QTextLayout* layout = block.layout();
      return block.position() + (layout->lineCount() > 0 ? layout->lineAt(line).textStart() : 0);
    }
    line -= lines;
  }
  return -1;
}

int TMemoStrings::LineLength(int position) const {
  QTextDocument* document = memo_->Edit()->document();
  const QTextBlock block = document->findBlock(position);
  if (!block.isValid()) return 0;
  if (!memo_->WordWrap()) return block.length() - 1;
  const_cast<TMemoStrings*>(this)->FinishEdits();
  QTextLayout* layout = LaidOut(document, block);
  if (layout->lineCount() == 0) return block.length() - 1;
  const QTextLine line = layout->lineForTextPosition(position - block.position());
  return line.isValid() ? line.textLength() : 0;
}

int TMemoStrings::Count() const {
  QTextDocument* document = memo_->Edit()->document();
  if (!memo_->WordWrap()) {
    const int blocks = document->blockCount();
    return document->lastBlock().length() <= 1 ? blocks - 1 : blocks;
  }
  const int lines = LineCount();
  return LineLength(LineIndex(lines - 1)) == 0 ? lines - 1 : lines;
}

std::string TMemoStrings::Get(int index) const {
  if (index < 0) return std::string();
  QTextDocument* document = memo_->Edit()->document();
  if (!memo_->WordWrap()) {
    const QTextBlock block = document->findBlockByNumber(index);
    return block.isValid() ? FromQString(block.text()) : std::string();
  }
  const int start = LineIndex(index);
  if (start < 0) return std::string();
  const QTextBlock block = document->findBlock(start);
  return FromQString(block.text().mid(start - block.position(), LineLength(start)));
}

std::vector<std::string> TMemoStrings::GetAll() const {
  QTextDocument* document = memo_->Edit()->document();
  std::vector<std::string> lines;
  if (!memo_->WordWrap()) {
    const int count = Count();
    lines.reserve(static_cast<std::size_t>(count));
    QTextBlock block = document->begin();
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
      lines.push_back(FromQString(block.text()));
    return lines;
  }
  const_cast<TMemoStrings*>(this)->FinishEdits();
  // The displayed lines as (block, offset in the block, length), measured as
  // LineIndex and LineLength measure them.
  struct Span {
    QString text;  // the whole block, shared
    int start;
    int length;
  };
  std::vector<Span> spans;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    QTextLayout* layout = LaidOut(document, block);
    if (layout->lineCount() == 0) {
      spans.push_back({text, 0, block.length() - 1});
      continue;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
      const int start = layout->lineAt(i).textStart();
      const QTextLine line = layout->lineForTextPosition(start);
      spans.push_back({text, start, line.isValid() ? line.textLength() : 0});
    }
  }
  // An empty last line does not count.
  if (!spans.empty() && spans.back().length == 0) spans.pop_back();
  lines.reserve(spans.size());
  for (const Span& span : spans) lines.push_back(FromQString(span.text.mid(span.start, span.length)));
  return lines;
}

TMemoStrings::TMemoStrings(TMemo* memo) : memo_(memo) {}

TMemoStrings::~TMemoStrings() { FinishEdits(); }

void TMemoStrings::ReplaceRange(int start, int length, const QString& text) {
  QPlainTextEdit* edit = memo_->Edit();
  QTextDocument* document = edit->document();
  if (!batch_) {
    // Edits made by the program cannot be undone.
    undoRedo_ = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    batch_ = std::make_unique<QTextCursor>(document);
    batch_->beginEditBlock();
    QCoreApplication::postEvent(edit, new QEvent(kFinishEditsEvent), Qt::HighEventPriority);
  }
  QTextCursor& cursor = *batch_;
  cursor.setPosition(start);
  cursor.setPosition(start + length, QTextCursor::KeepAnchor);
  cursor.insertText(text);
  caret_ = cursor.position();
}

void TMemoStrings::FinishEdits() {
  if (!batch_) return;
  std::unique_ptr<QTextCursor> batch = std::move(batch_);
  batch->endEditBlock();
  QPlainTextEdit* edit = memo_->Edit();
  if (!edit) return;
  edit->document()->setUndoRedoEnabled(undoRedo_);
  QTextCursor caret(edit->document());
  caret.setPosition(std::min(caret_, edit->document()->characterCount() - 1));
  edit->setTextCursor(caret);
  edit->ensureCursorVisible();
}

void TMemoStrings::Put(int index, std::string_view text) {
  const int start = LineIndex(index);
  if (start < 0) return;
  ReplaceRange(start, LineLength(start), ToQString(text));
}

void TMemoStrings::Insert(int index, std::string_view text) {
  if (index < 0) return;
  const int start = LineIndex(index);
  if (start >= 0) {
    ReplaceRange(start, 0, ToQString(text) + u'\n');
    return;
  }
  const int previous = LineIndex(index - 1);
  if (previous < 0) return;
  const int length = LineLength(previous);
  if (length == 0) return;
  ReplaceRange(previous + length, 0, u'\n' + ToQString(text));
}

void TMemoStrings::Clear() {
  FinishEdits();
  QPlainTextEdit* edit = memo_->Edit();
  edit->setPlainText(QString());
  // A box lower than one line with its margins keeps a scroll range even
  // when empty; the caret's line is the first, so show it from the top.
  edit->verticalScrollBar()->setValue(0);
  edit->horizontalScrollBar()->setValue(0);
}

// ---------------------------------------------------------------------------
// TMemo

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, new MemoWidget(this, ParentWidgetFor(owner))),
      lines_(std::make_unique<TMemoStrings>(this)) {}

TMemo::~TMemo() {
  if (auto* memo = dynamic_cast<MemoWidget*>(widget_.data())) memo->Detach();
}

QPlainTextEdit* TMemo::Edit() const { return static_cast<QPlainTextEdit*>(widget_.data()); }

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  lines_->FinishEdits();
  wordWrap_ = wrap;
  Edit()->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle bars) {
  if (bars == scrollBars_) return;
  scrollBars_ = bars;
  const bool horizontal = bars == ssHorizontal || bars == ssBoth;
  const bool vertical = bars == ssVertical || bars == ssBoth;
  Edit()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  Edit()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

std::string TMemo::Text() const {
  QString text = Edit()->toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return FromQString(text);
}

void TMemo::SetText(std::string_view text) {
  lines_->FinishEdits();
  QString value = ToQString(text);
  value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  value.replace(u'\r', u'\n');
  Edit()->setPlainText(value);
}

void TMemo::KeyUp(Word& key, TShiftState shift) {
  if (!OnKeyUp) return;
  DispatchEvent([&] { OnKeyUp(this, key, shift); });
}

// ---------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner, new LabelWidget(this, ParentWidgetFor(owner))) {}

void TLabel::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = std::string(caption);
  CaptionChanged();
  AdjustBounds();
}

void TLabel::CaptionChanged() {
  const std::string& name = caption_.empty() ? emptyAccessibleName_ : caption_;
  SetAccessibleName(name);
  if (focusControl_) focusControl_->SetAccessibleName(caption_);
  if (widget_) widget_->update();
}

void TLabel::SetFocusControl(TWinControl* control) {
  focusControl_ = control;
  if (focusControl_) focusControl_->SetAccessibleName(caption_);
}

void TLabel::SetEmptyAccessibleName(std::string_view name) {
  emptyAccessibleName_ = std::string(name);
  CaptionChanged();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  AdjustBounds();
  if (widget_) widget_->update();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  if (widget_) widget_->update();
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  if (widget_) widget_->update();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  if (widget_) widget_->update();
}

QString TLabel::DisplayText() const {
  const QString caption = ToQString(caption_);
  return showAccelChar_ ? WithoutAccelerators(caption) : caption;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || !widget_) return;
  if (TForm* form = ParentForm(); form && form->ReadingDefinition()) return;
  std::string measured = caption_;
  if (measured.empty() || (showAccelChar_ && measured == "&")) measured.assign(1, ' ');
  TextFormat format;
  format.wordBreak = wordWrap_;
  format.prefix = showAccelChar_;
  const QSize size = MeasureText(widget_->font(), ToQString(measured), format, Width());
  int left = Left();
  if (alignment_ == taRightJustify) left = Left() + Width() - size.width();
  SetBounds(left, Top(), size.width(), size.height());
}

void TLabel::Loaded() { AdjustBounds(); }

// ---------------------------------------------------------------------------
// TComboBox

int TComboBoxStrings::Count() const { return combo_->Combo()->count(); }

std::string TComboBoxStrings::Get(int index) const {
  if (index < 0 || index >= Count()) return std::string();
  return FromQString(combo_->Combo()->itemText(index));
}

void TComboBoxStrings::Put(int index, std::string_view text) {
  if (index < 0 || index >= Count()) return;
  combo_->Combo()->setItemText(index, ToQString(text));
}

void TComboBoxStrings::Insert(int index, std::string_view text) {
  if (index < 0 || index > Count()) return;
  combo_->Combo()->insertItem(index, ToQString(text));
}

void TComboBoxStrings::Clear() { combo_->Combo()->clear(); }

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, new ComboWidget(this, ParentWidgetFor(owner))),
      items_(std::make_unique<TComboBoxStrings>(this)) {
  Combo()->setInsertPolicy(QComboBox::NoInsert);
  Combo()->setMaxVisibleItems(dropDownCount_);
  SetStyle(csDropDown);
}

TComboBox::~TComboBox() {
  if (auto* combo = dynamic_cast<ComboWidget*>(widget_.data())) {
    combo->Detach();
    if (auto* delegate = dynamic_cast<OwnerDrawDelegate*>(combo->itemDelegate())) delegate->Detach();
  }
}

QComboBox* TComboBox::Combo() const { return static_cast<QComboBox*>(widget_.data()); }

int TComboBox::ItemIndex() const { return Combo()->currentIndex(); }

void TComboBox::SetItemIndex(int index) {
  Combo()->setCurrentIndex(index >= 0 && index < Combo()->count() ? index : -1);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  style_ = style;
  const bool editable = style == csDropDown || style == csSimple;
  Combo()->setEditable(editable);
  const bool ownerDraw = style == csOwnerDrawFixed || style == csOwnerDrawVariable;
  if (ownerDraw && !dynamic_cast<OwnerDrawDelegate*>(Combo()->itemDelegate()))
    Combo()->setItemDelegate(new OwnerDrawDelegate(this, Combo()));
  SetBounds(Left(), Top(), Width(), Height());
  Combo()->update();
}

void TComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  SetBounds(Left(), Top(), Width(), Height());
}

void TComboBox::SetDropDownCount(int count) {
  dropDownCount_ = count;
  Combo()->setMaxVisibleItems(std::max(count, 1));
}

int TComboBox::FixedHeight() const {
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) return itemHeight_ + 6;
  return QFontMetrics(Combo()->font()).height() + 8;
}

void TComboBox::SetBounds(int left, int top, int width, int) {
  TControl::SetBounds(left, top, width, FixedHeight());
}

// ---------------------------------------------------------------------------
// TButton

TButton::TButton(TComponent* owner) : TWinControl(owner, new ButtonWidget(ParentWidgetFor(owner))) {
  QObject::connect(Button(), &QPushButton::clicked, Button(), [this] { DispatchEvent([this] { Click(); }); });
}

QPushButton* TButton::Button() const { return static_cast<QPushButton*>(widget_.data()); }

void TButton::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Button()->setText(ToQString(caption_));
  SetAccessibleName(caption_);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  Button()->setDefault(isDefault);
}

void TButton::Click() {
  if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  if (OnClick) OnClick(this);
}

}  // namespace peruka
