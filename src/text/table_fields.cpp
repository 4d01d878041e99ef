#include "text/table_fields.h"

#include <algorithm>
#include <array>
#include <utility>

namespace peruka {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::array<std::pair<std::string_view, FieldDelimiter>, 4> kNames = {{
    {"tab", FieldDelimiter::Tab},
    {"comma", FieldDelimiter::Comma},
    {"semicolon", FieldDelimiter::Semicolon},
    {"blank", FieldDelimiter::Blanks},
}};

char DelimiterByte(FieldDelimiter delimiter) {
  switch (delimiter) {
    case FieldDelimiter::Tab:
      return '\t';
    case FieldDelimiter::Comma:
      return ',';
    case FieldDelimiter::Semicolon:
      return ';';
    case FieldDelimiter::Blanks:
      break;
  }
  return ' ';
}

// Whether `line` parts into two fields or more at `delimiter`.
bool Parts(std::string_view line, FieldDelimiter delimiter) {
  FieldCursor cursor(line, delimiter);
  std::string unquoted;
  std::string_view field;
  return cursor.Next(field, unquoted) && cursor.Next(field, unquoted);
}

}  // namespace

std::optional<FieldDelimiter> FieldDelimiterNamed(std::string_view name) {
  for (const auto& [text, delimiter] : kNames)
    if (text == name || (name.size() == 1 && name[0] == DelimiterByte(delimiter))) return delimiter;
  return std::nullopt;
}

std::string_view FieldDelimiterName(FieldDelimiter delimiter) {
  for (const auto& [text, named] : kNames)
    if (named == delimiter) return text;
  return {};
}

std::optional<FieldDelimiter> DetectFieldDelimiter(std::string_view line, char decimalMark) {
  // A delimiter inside a quoted field does not count: the line must part
  // at it by the splitting's own rule.
  for (const FieldDelimiter delimiter :
       {FieldDelimiter::Tab, FieldDelimiter::Semicolon, FieldDelimiter::Comma, FieldDelimiter::Blanks}) {
    if (delimiter == FieldDelimiter::Comma && decimalMark == ',') continue;
    if (Parts(line, delimiter)) return delimiter;
  }
  return std::nullopt;
}

FieldCursor::FieldCursor(std::string_view line, FieldDelimiter delimiter)
    : rest_(line), delimiter_(delimiter), byte_(DelimiterByte(delimiter)), done_(false) {
  if (delimiter_ == FieldDelimiter::Blanks) SkipDelimiter(0);
}

std::size_t FieldCursor::DelimiterFrom(std::string_view text, std::size_t from) const {
  return delimiter_ == FieldDelimiter::Blanks ? text.find_first_of(" \t", from) : text.find(byte_, from);
}

void FieldCursor::SkipDelimiter(std::size_t at) {
  if (at == std::string_view::npos) {
    rest_ = {};
    done_ = true;
    return;
  }
  if (delimiter_ != FieldDelimiter::Blanks) {
    rest_.remove_prefix(at + 1);
    return;
  }
  rest_.remove_prefix(at);
  while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
  done_ = rest_.empty();
}

bool FieldCursor::Next(std::string_view& field, std::string& unquoted) {
  if (done_) return false;
  // Blanks in front of an opening quote are not part of the field.
  std::size_t quote = 0;
  while (quote < rest_.size() && IsBlank(rest_[quote]) && rest_[quote] != byte_) ++quote;
  if (quote < rest_.size() && rest_[quote] == '"') {
    rest_.remove_prefix(quote);
    field = NextQuoted(unquoted);
    return true;
  }
  const std::size_t at = DelimiterFrom(rest_, 0);
  field = rest_.substr(0, at);
  SkipDelimiter(at);
  return true;
}

std::string_view FieldCursor::NextQuoted(std::string& unquoted) {
  std::size_t from = 1;  // the text not yet taken, after the opening quote
  bool copied = false;
  for (;;) {
    const std::size_t quote = rest_.find('"', from);
    if (quote == std::string_view::npos) {  // unclosed: the field ends with the line
      const std::string_view text = rest_.substr(from);
      SkipDelimiter(std::string_view::npos);
      if (!copied) return text;
      return unquoted.append(text);
    }
    if (quote + 1 < rest_.size() && rest_[quote + 1] == '"') {  // a doubled quote
      if (!copied) unquoted.clear();
      unquoted.append(rest_.substr(from, quote + 1 - from));
      copied = true;
      from = quote + 2;
      continue;
    }
    // The closing quote; then the text up to the delimiter, without blanks
    // at its ends.
    const std::string_view last = rest_.substr(from, quote - from);
    const std::size_t at = DelimiterFrom(rest_, quote + 1);
    std::string_view after = rest_.substr(quote + 1, at == std::string_view::npos ? at : at - quote - 1);
    while (!after.empty() && IsBlank(after.front())) after.remove_prefix(1);
    while (!after.empty() && IsBlank(after.back())) after.remove_suffix(1);
    SkipDelimiter(at);
    if (!copied && after.empty()) return last;
    if (!copied) unquoted.clear();
    return unquoted.append(last).append(after);
  }
}

FieldPicker::FieldPicker(FieldDelimiter delimiter, std::size_t first, std::size_t second)
    : delimiter_(delimiter), first_(first), second_(second) {}

std::size_t FieldPicker::Pick(std::string_view line, std::string_view& first, std::string_view& second) {
  FieldCursor cursor(line, delimiter_);
  const std::size_t needed = std::max(first_, second_) + 1;
  std::string_view a;
  std::string_view b;
  std::string_view field;
  std::size_t count = 0;
  for (; count < needed; ++count) {
    std::string& buffer = count == first_ ? unquoted_[0] : count == second_ ? unquoted_[1] : skipped_;
    if (!cursor.Next(field, buffer)) return count;
    if (count == first_) a = field;
    if (count == second_) b = field;
  }
  first = a;
  second = b;
  return count;
}

}  // namespace peruka
