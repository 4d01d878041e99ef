// The lines of a memo: a view over the memo's text, which it reads and edits
// in place. Without word wrap a line is the text between two line breaks;
// with word wrap it is a displayed line, so a text wider than the box counts
// as several lines.
#pragma once

#include <QEvent>
#include <QPointer>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/strings.h"

class QPlainTextEdit;
class QString;
class QTextCursor;

namespace peruka {

class TMemoStrings final : public TStrings {
 public:
  // The lines of the edit's text; word wrap is on while the edit wraps lines.
  explicit TMemoStrings(QPlainTextEdit* edit);
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

  // The program's edits in one event share one edit of the document: its
  // layout, the caret and the scrolling are brought up to date once, before
  // the next event is handled (or before anything needs them earlier).
  // Thousands of lines replaced by one command stay fast this way.
  void FinishEdits();
  // The event posted to the edit by the first edit of a batch; the edit
  // answers it with FinishEdits.
  static QEvent::Type FinishEditsEvent();

 private:
  bool WordWrap() const;
  // The edit control's view of its lines: the number of displayed lines (at
  // least 1), the position where line i starts (-1 past the end) and the
  // length of the line holding a position.
  int LineCount() const;
  int LineIndex(int line) const;
  int LineLength(int position) const;
  // Selects [start, start + length) and replaces it, leaving the caret after
  // the new text; not undoable.
  void ReplaceRange(int start, int length, const QString& text);

  QPointer<QPlainTextEdit> edit_;
  std::unique_ptr<QTextCursor> batch_;
  int caret_ = -1;
  bool undoRedo_ = true;
};

}  // namespace peruka
