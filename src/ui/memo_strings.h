// The lines of a memo: a view over the memo's edit control, whose text it
// reads and edits in place, through the control's own view of its lines
// (edit_lines.h). Without word wrap a line is the text between two line
// breaks; with word wrap it is a displayed line, so a text wider than the
// box counts as several lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/edit_lines.h"
#include "ui/strings.h"

namespace peruka {

class TMemoStrings final : public TStrings {
 public:
  explicit TMemoStrings(EditLines& edit) : edit_(edit) {}

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
  EditLines& edit_;
};

}  // namespace peruka
