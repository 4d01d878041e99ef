#include "app/pasted_table.h"

#include <algorithm>
#include <utility>

#include "text/lines.h"
#include "text/numeric_text.h"
#include "text/pair_grammar.h"
#include "text/shift_jis.h"
#include "text/table_fields.h"

namespace peruka {

namespace {

struct TableLine {
  std::size_t number;  // from 1
  std::string_view text;
};

std::vector<std::string> FieldsOf(std::string_view line, FieldDelimiter delimiter) {
  FieldCursor cursor(line, delimiter);
  std::vector<std::string> fields;
  std::string unquoted;
  for (std::string_view field; cursor.Next(field, unquoted);) fields.emplace_back(field);
  return fields;
}

// A number by the character rule, written with the decimal mark.
bool IsNumber(std::string_view field, char decimalMark) {
  std::string text(field);
  if (decimalMark != '.') std::replace(text.begin(), text.end(), decimalMark, '.');
  return IsNumericText(text);
}

bool IsHeader(const std::vector<std::string>& fields, char decimalMark) {
  bool named = false;
  for (const std::string& field : fields) {
    const std::string_view text = WithoutBlanks(field);
    if (text.empty()) continue;
    if (IsNumber(text, decimalMark)) return false;
    named = true;
  }
  return named;
}

// The names the chooser lists: the header's fields, "列 N" for a column
// without one.
std::vector<std::string> ColumnNames(const std::vector<std::string>* header, std::size_t columns) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < columns; ++i) {
    const std::string_view name = header && i < header->size() ? WithoutBlanks((*header)[i]) : "";
    if (!name.empty()) {
      names.emplace_back(name);
      continue;
    }
    std::string numbered = Utf8ToShiftJis("列 ");
    names.push_back(numbered.append(std::to_string(i + 1)));
  }
  return names;
}

PastedTable FromPairs(PairLines pairs) {
  PastedTable table;
  table.x = std::move(pairs.x);
  table.y = std::move(pairs.y);
  table.badLine = pairs.badLine;
  return table;
}

PastedTable Refused(std::size_t line) {
  PastedTable table;
  table.badLine = line;
  return table;
}

// The data lines split into fields, two of them picked.
PastedTable ReadFields(const std::vector<TableLine>& lines, FieldDelimiter delimiter,
                       const std::vector<std::string>* header, const ColumnChooser& choose) {
  PastedTable table;
  table.headerLine = header ? lines.front().number : 0;
  const std::size_t first = header ? 1 : 0;
  if (first == lines.size()) return table;
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = first; i < lines.size(); ++i) {
    rows.push_back(FieldsOf(lines[i].text, delimiter));
    if (rows.back().size() != rows.front().size() || rows.back().size() < 2) return Refused(lines[i].number);
  }
  ColumnPair columns;
  if (rows.front().size() > 2) {
    const std::optional<ColumnPair> chosen = choose(ColumnNames(header, rows.front().size()));
    if (!chosen) {
      table.cancelled = true;
      return table;
    }
    columns = *chosen;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string_view x = WithoutBlanks(rows[i][columns.x]);
    const std::string_view y = WithoutBlanks(rows[i][columns.y]);
    const auto blank = [](std::string_view text) { return std::any_of(text.begin(), text.end(), IsBlank); };
    if (x.empty() || y.empty() || blank(x) || blank(y)) return Refused(lines[first + i].number);
    table.x.emplace_back(x);
    table.y.emplace_back(y);
  }
  return table;
}

}  // namespace

PastedTable ReadPastedTable(std::string_view text, char decimalMark, const ColumnChooser& choose) {
  std::vector<TableLine> lines;
  std::size_t number = 0;
  ForEachTextLine(text, [&](std::string_view line) {
    ++number;
    if (!WithoutBlanks(line).empty()) lines.push_back({number, line});
    return true;
  });
  if (lines.empty()) return {};
  const std::optional<FieldDelimiter> delimiter = DetectFieldDelimiter(lines.front().text, decimalMark);
  if (!delimiter) return FromPairs(SplitPairLines(text, decimalMark));
  const std::vector<std::string> first = FieldsOf(lines.front().text, *delimiter);
  const bool header = IsHeader(first, decimalMark);
  if (!header && text.find('"') == std::string_view::npos) {
    PairLines pairs = SplitPairLines(text, decimalMark);
    if (pairs.badLine == 0 || first.size() < 3 || lines.size() < 2) return FromPairs(std::move(pairs));
  }
  return ReadFields(lines, *delimiter, header ? &first : nullptr, choose);
}

std::string HeaderSkippedNote(std::size_t line) {
  std::string note = std::to_string(line);
  return note.append(Utf8ToShiftJis(" 行目を見出しとみなして読み飛ばしました"));
}

}  // namespace peruka
