// The edit control's view of its lines over a Qt plain-text edit: a line is
// a text block, or, while the edit wraps lines, a displayed line of a block.
#pragma once

#include <QEvent>
#include <QPointer>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/edit_lines.h"

class QPlainTextEdit;
class QTextCursor;

namespace peruka {

class QtEditLines final : public EditLines {
 public:
  explicit QtEditLines(QPlainTextEdit* edit);
  ~QtEditLines() override;

  int LineCount() const override;
  int LineIndex(int line) const override;
  int LineLength(int position) const override;
  std::string Line(int line) const override;
  std::vector<std::string> Lines(int count) const override;
  void Replace(int start, int length, std::string_view text) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;

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

  QPointer<QPlainTextEdit> edit_;
  std::unique_ptr<QTextCursor> batch_;
  int caret_ = -1;
  bool undoRedo_ = true;
};

}  // namespace peruka
