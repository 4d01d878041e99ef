#include "ui/qt/qt_edit_lines.h"

#include <QCoreApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "ui/qt/qt_text.h"

namespace peruka {

namespace {

// Posted by the first program edit of an event; finishes the edits.
const QEvent::Type kFinishEditsEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// The laid-out lines of a block, laying it out first when needed.
QTextLayout* LaidOut(QTextDocument* document, const QTextBlock& block) {
  QTextLayout* layout = block.layout();
  if (layout->lineCount() == 0) document->documentLayout()->blockBoundingRect(block);
  return layout;
}

int DisplayedLines(QTextDocument* document, const QTextBlock& block) {
  return std::max(1, LaidOut(document, block)->lineCount());
}

// A Shift-JIS text as the edit's: every line break one paragraph break.
QString EditText(std::string_view text) {
  QString value = ToQString(text);
  value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  value.replace(u'\r', u'\n');
  return value;
}

}  // namespace

QEvent::Type QtEditLines::FinishEditsEvent() { return kFinishEditsEvent; }

QtEditLines::QtEditLines(QPlainTextEdit* edit) : edit_(edit) {}

QtEditLines::~QtEditLines() { FinishEdits(); }

bool QtEditLines::WordWrap() const { return edit_->lineWrapMode() != QPlainTextEdit::NoWrap; }

int QtEditLines::LineCount() const {
  QTextDocument* document = edit_->document();
  if (!WordWrap()) return document->blockCount();
  const_cast<QtEditLines*>(this)->FinishEdits();
  int count = 0;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    count += DisplayedLines(document, block);
  return count;
}

int QtEditLines::LineIndex(int line) const {
  if (line < 0) return -1;
  QTextDocument* document = edit_->document();
  if (!WordWrap()) {
    const QTextBlock block = document->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
  }
  const_cast<QtEditLines*>(this)->FinishEdits();
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

int QtEditLines::LineLength(int position) const {
  QTextDocument* document = edit_->document();
  const QTextBlock block = document->findBlock(position);
  if (!block.isValid()) return 0;
  if (!WordWrap()) return block.length() - 1;
  const_cast<QtEditLines*>(this)->FinishEdits();
  QTextLayout* layout = LaidOut(document, block);
  if (layout->lineCount() == 0) return block.length() - 1;
  const QTextLine line = layout->lineForTextPosition(position - block.position());
  return line.isValid() ? line.textLength() : 0;
}

std::string QtEditLines::Line(int line) const {
  QTextDocument* document = edit_->document();
  if (!WordWrap()) {
    const QTextBlock block = document->findBlockByNumber(line);
    return block.isValid() ? FromQString(block.text()) : std::string();
  }
  const int start = LineIndex(line);
  if (start < 0) return std::string();
  const QTextBlock block = document->findBlock(start);
  return FromQString(block.text().mid(start - block.position(), LineLength(start)));
}

std::vector<std::string> QtEditLines::Lines(int count) const {
  QTextDocument* document = edit_->document();
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::max(count, 0)));
  if (!WordWrap()) {
    QTextBlock block = document->begin();
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
      lines.push_back(FromQString(block.text()));
    return lines;
  }
  const_cast<QtEditLines*>(this)->FinishEdits();
  // The displayed lines, measured as LineIndex and LineLength measure them.
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    QTextLayout* layout = LaidOut(document, block);
    if (layout->lineCount() == 0) {
      if (static_cast<int>(lines.size()) == count) return lines;
      lines.push_back(FromQString(text.left(block.length() - 1)));
      continue;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
      if (static_cast<int>(lines.size()) == count) return lines;
      const int start = layout->lineAt(i).textStart();
      const QTextLine line = layout->lineForTextPosition(start);
      lines.push_back(FromQString(text.mid(start, line.isValid() ? line.textLength() : 0)));
    }
  }
  return lines;
}

void QtEditLines::Replace(int start, int length, std::string_view text) {
  QPlainTextEdit* edit = edit_;
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
  cursor.insertText(EditText(text));
  caret_ = cursor.position();
}

void QtEditLines::FinishEdits() {
  if (!batch_) return;
  std::unique_ptr<QTextCursor> batch = std::move(batch_);
  batch->endEditBlock();
  QPlainTextEdit* edit = edit_;
  if (!edit) return;
  edit->document()->setUndoRedoEnabled(undoRedo_);
  QTextCursor caret(edit->document());
  caret.setPosition(std::min(caret_, edit->document()->characterCount() - 1));
  edit->setTextCursor(caret);
  edit->ensureCursorVisible();
}

std::string QtEditLines::Text() const {
  QString text = edit_->toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return FromQString(text);
}

void QtEditLines::SetText(std::string_view text) {
  FinishEdits();
  QPlainTextEdit* edit = edit_;
  edit->setPlainText(EditText(text));
  // A box lower than one line with its margins keeps a scroll range even
  // when empty; the caret's line is the first, so show it from the top.
  edit->verticalScrollBar()->setValue(0);
  edit->horizontalScrollBar()->setValue(0);
}

}  // namespace peruka
