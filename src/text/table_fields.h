// The fields of table lines: the one place where a line of a table (CSV, a
// semicolon table, tab- or blank-separated columns) is cut into fields, for
// peruka-fit --pairs --columns and for the window alike. Byte-wise, so UTF-8
// and Shift-JIS lines split alike: no second byte of a Shift-JIS character
// is a tab, a blank, a comma, a semicolon or a quote.
//
// A field whose first byte other than a blank is a quote is quoted, as
// spreadsheets write fields: up to the closing quote a delimiter is text and
// a doubled quote is one quote; text after the closing quote, up to the next
// delimiter, is kept, less blanks at its ends. A quoted field cannot span
// lines: an unclosed one ends with its line. A quote later in a field is
// text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace peruka {

// Tab, comma and semicolon part a line at each one, so "1,,3" has three
// fields and an empty line one. Blanks part it at each run of blanks and
// tabs; blanks at the line's ends part nothing, so "  1  2 " has two fields
// and an empty line none.
enum class FieldDelimiter { Tab, Comma, Semicolon, Blanks };

// "tab", "comma", "semicolon" or "blank", or the one character itself (a
// tab, ",", ";" or " "); nullopt for anything else. The name is the word.
std::optional<FieldDelimiter> FieldDelimiterNamed(std::string_view name);
std::string_view FieldDelimiterName(FieldDelimiter delimiter);

// The delimiter of a table, from one line of it (outside quoted text): a
// tab if it has one, else a semicolon, else a comma when the decimal mark is
// not a comma, else a run of blanks between two fields. Nullopt when the
// line has none of them.
std::optional<FieldDelimiter> DetectFieldDelimiter(std::string_view line, char decimalMark);

// The fields of one line in order. A field is a view into the line, or into
// `unquoted` when taking its quotes out changed more than its ends.
class FieldCursor {
 public:
  FieldCursor(std::string_view line, FieldDelimiter delimiter);

  // The next field; false after the last one. The view lives as long as
  // the line and, where it points there, `unquoted` unchanged.
  bool Next(std::string_view& field, std::string& unquoted);

 private:
  // A quoted field from `rest_` (at its opening quote): its text, and the
  // rest of the line moved past the field.
  std::string_view NextQuoted(std::string& unquoted);
  // Where the unquoted text from `from` ends: the next delimiter, or npos.
  std::size_t DelimiterFrom(std::string_view text, std::size_t from) const;
  // Moves `rest_` past the delimiter at `at` (npos: the line has ended).
  void SkipDelimiter(std::size_t at);

  std::string_view rest_;
  FieldDelimiter delimiter_;
  char byte_;  // the delimiter's byte, but for Blanks
  bool done_;
};

// Two fields of each line, by their numbers from 0 (the same one twice is
// allowed), with buffers of their own for unquoted texts.
class FieldPicker {
 public:
  FieldPicker(FieldDelimiter delimiter, std::size_t first, std::size_t second);

  // Fills `first` and `second` and returns a number above both field
  // numbers; when the line has too few fields, their number, and the views
  // are left alone. The views live until the next call or the line's end.
  std::size_t Pick(std::string_view line, std::string_view& first, std::string_view& second);

  FieldDelimiter Delimiter() const { return delimiter_; }

 private:
  FieldDelimiter delimiter_;
  std::size_t first_;
  std::size_t second_;
  std::string unquoted_[2];
  std::string skipped_;
};

}  // namespace peruka
