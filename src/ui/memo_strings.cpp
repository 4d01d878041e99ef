#include "ui/memo_strings.h"

#include <QCoreApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "ui/qt_text.h"

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

}  // namespace

QEvent::Type TMemoStrings::FinishEditsEvent() { return kFinishEditsEvent; }

bool TMemoStrings::WordWrap() const { return edit_->lineWrapMode() != QPlainTextEdit::NoWrap; }

int TMemoStrings::LineCount() const {
  QTextDocument* document = edit_->document();
  if (!WordWrap()) return document->blockCount();
  const_cast<TMemoStrings*>(this)->FinishEdits();
  int count = 0;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    count += DisplayedLines(document, block);
  return count;
}

int TMemoStrings::LineIndex(int line) const {
  if (line < 0) return -1;
  QTextDocument* document = edit_->document();
  if (!WordWrap()) {
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
  QTextDocument* document = edit_->document();
  const QTextBlock block = document->findBlock(position);
  if (!block.isValid()) return 0;
  if (!WordWrap()) return block.length() - 1;
  const_cast<TMemoStrings*>(this)->FinishEdits();
  QTextLayout* layout = LaidOut(document, block);
  if (layout->lineCount() == 0) return block.length() - 1;
  const QTextLine line = layout->lineForTextPosition(position - block.position());
  return line.isValid() ? line.textLength() : 0;
}

int TMemoStrings::Count() const {
  QTextDocument* document = edit_->document();
  if (!WordWrap()) {
    const int blocks = document->blockCount();
    return document->lastBlock().length() <= 1 ? blocks - 1 : blocks;
  }
  const int lines = LineCount();
  return LineLength(LineIndex(lines - 1)) == 0 ? lines - 1 : lines;
}

std::string TMemoStrings::Get(int index) const {
  if (index < 0) return std::string();
  QTextDocument* document = edit_->document();
  if (!WordWrap()) {
    const QTextBlock block = document->findBlockByNumber(index);
    return block.isValid() ? FromQString(block.text()) : std::string();
  }
  const int start = LineIndex(index);
  if (start < 0) return std::string();
  const QTextBlock block = document->findBlock(start);
  return FromQString(block.text().mid(start - block.position(), LineLength(start)));
}

std::vector<std::string> TMemoStrings::GetAll() const {
  QTextDocument* document = edit_->document();
  std::vector<std::string> lines;
  if (!WordWrap()) {
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

TMemoStrings::TMemoStrings(QPlainTextEdit* edit) : edit_(edit) {}

TMemoStrings::~TMemoStrings() { FinishEdits(); }

void TMemoStrings::ReplaceRange(int start, int length, const QString& text) {
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
  cursor.insertText(text);
  caret_ = cursor.position();
}

void TMemoStrings::FinishEdits() {
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
  QPlainTextEdit* edit = edit_;
  edit->setPlainText(QString());
  // A box lower than one line with its margins keeps a scroll range even
  // when empty; the caret's line is the first, so show it from the top.
  edit->verticalScrollBar()->setValue(0);
  edit->horizontalScrollBar()->setValue(0);
}

}  // namespace peruka
