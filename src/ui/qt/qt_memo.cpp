#include <QAction>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "text/lines.h"
#include "ui/event_guard.h"
#include "ui/memo.h"
#include "ui/qt/qt_edit_lines.h"
#include "ui/qt/qt_menu_command.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_virtual_keys.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

namespace {

bool HoldsText(const QMimeData* data) { return data && !data->formats().isEmpty() && data->hasText(); }

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
    if (event->type() == QtEditLines::FinishEditsEvent()) {
      if (memo_) memo_->FinishEdits();
      return true;
    }
    return QPlainTextEdit::event(event);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (IsEnterKey(event->key())) {
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

  // Qt's text control reads the first format of the data it is given
  // without looking whether there is one, so a paste from an empty
  // clipboard (its owner gone) crashed the program. Every paste route (the
  // keys, the context menu, the selection's middle click, a drop) comes
  // through these two: nothing to paste does nothing.
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return HoldsText(source) && QPlainTextEdit::canInsertFromMimeData(source);
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (HoldsText(source)) QPlainTextEdit::insertFromMimeData(source);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    if (!memo_) {
      QPlainTextEdit::contextMenuEvent(event);
      return;
    }
    QMenu* menu = CreateContextMenu(*memo_, event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
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
      if (IsLineBreakCharacter(c) || c == QChar::ParagraphSeparator) {
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

}  // namespace

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, new NativeWidget(new MemoWidget(this, QtWidget(ClientNativeOf(owner))))),
      editLines_(std::make_unique<QtEditLines>(QtEdit(this))),
      lines_(std::make_unique<TMemoStrings>(*editLines_)) {}

TMemo::~TMemo() {
  if (auto* memo = dynamic_cast<MemoWidget*>(QtWidget(native_))) memo->Detach();
}

QPlainTextEdit* QtEdit(const TMemo* memo) { return static_cast<QPlainTextEdit*>(QtWidget(memo)); }

void TMemo::FinishEdits() { static_cast<QtEditLines&>(*editLines_).FinishEdits(); }

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  FinishEdits();
  wordWrap_ = wrap;
  QtEdit(this)->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle bars) {
  if (bars == scrollBars_) return;
  scrollBars_ = bars;
  const bool horizontal = bars == ssHorizontal || bars == ssBoth;
  const bool vertical = bars == ssVertical || bars == ssBoth;
  QtEdit(this)->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  QtEdit(this)->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

TMenuCommand* TMemo::AddContextCommand(std::string_view caption, TNotifyEvent handler,
                                       std::string_view keys) {
  QWidget* widget = QtWidget(native_);
  auto* action = new QAction(ToQString(caption), widget);
  QObject::connect(action, &QAction::triggered, widget, [this, onChoose = std::move(handler)] {
    if (onChoose) DispatchEvent([&] { onChoose(this); });
  });
  if (!keys.empty()) {
    action->setShortcut(QKeySequence::fromString(ToQString(keys), QKeySequence::PortableText));
    action->setShortcutContext(Qt::WidgetShortcut);
    widget->addAction(action);
  }
  contextCommands_.push_back(std::make_unique<QtMenuCommand>(action));
  return contextCommands_.back().get();
}

QMenu* CreateContextMenu(const TMemo& memo, const QPoint& at) {
  QMenu* menu = QtEdit(&memo)->createStandardContextMenu(at);
  if (!memo.ContextCommands().empty()) menu->addSeparator();
  for (const auto& command : memo.ContextCommands()) menu->addAction(QtAction(command.get()));
  return menu;
}

}  // namespace peruka
