// What a memo's line list needs of its edit control: the control's own view
// of its lines, as the system's multi-line edit control gives it
// (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINELENGTH, EM_GETLINE, EM_SETSEL with
// EM_REPLACESEL, WM_SETTEXT). Each backend implements it over its edit
// control; the rules of the line list are written once over it
// (memo_strings.h). Positions are the control's own; texts are Shift-JIS,
// with CR LF for a line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace peruka {

class EditLines {
 public:
  virtual ~EditLines() = default;

  // The number of lines as displayed (a wrapped text counts each displayed
  // line), at least 1, also for an empty text.
  virtual int LineCount() const = 0;
  // Where line i starts; -1 when there is no such line.
  virtual int LineIndex(int line) const = 0;
  // The length of the line that holds the position (0 past the end).
  virtual int LineLength(int position) const = 0;
  // Line i's text, whole; empty past the last line.
  virtual std::string Line(int line) const = 0;
  // The first `count` lines at once: exactly Line(i) for each i below
  // count, each read once (a backend may answer faster than line by line).
  virtual std::vector<std::string> Lines(int count) const;
  // Replaces the positions [start, start + length) by the text and leaves
  // the caret after it, scrolled into view; the edit cannot be undone.
  virtual void Replace(int start, int length, std::string_view text) = 0;
  // The whole text, CR LF between lines.
  virtual std::string Text() const = 0;
  // Replaces the whole text (CR LF, a lone CR and LF all break lines).
  virtual void SetText(std::string_view text) = 0;
};

}  // namespace peruka
