#include "text/pair_grammar.h"

#include <optional>
#include <utility>

#include "text/lines.h"

namespace peruka {

namespace {

bool HasBlank(std::string_view text) {
  for (const char c : text)
    if (IsBlank(c)) return true;
  return false;
}

// The two parts of a line cut at its separator (at `cut`), when it has no
// second one, neither part is empty and neither holds a blank.
std::optional<std::pair<std::string_view, std::string_view>> CutAt(std::string_view line, std::size_t cut) {
  if (line.find(line[cut], cut + 1) != std::string_view::npos) return {};
  const std::string_view x = WithoutBlanks(line.substr(0, cut));
  const std::string_view y = WithoutBlanks(line.substr(cut + 1));
  if (x.empty() || y.empty() || HasBlank(x) || HasBlank(y)) return {};
  return std::make_pair(x, y);
}

// A line of two words parted by a run of blanks.
std::optional<std::pair<std::string_view, std::string_view>> CutAtBlanks(std::string_view line) {
  line = WithoutBlanks(line);
  std::size_t cut = 0;
  while (cut < line.size() && !IsBlank(line[cut])) ++cut;
  if (cut == line.size()) return {};
  const std::string_view y = WithoutBlanks(line.substr(cut));
  if (HasBlank(y)) return {};
  return std::make_pair(line.substr(0, cut), y);
}

std::optional<std::pair<std::string_view, std::string_view>> PairOf(std::string_view line, char decimalMark) {
  const std::size_t separator = PairSeparator(line, decimalMark);
  if (separator == std::string_view::npos) return CutAtBlanks(line);
  return CutAt(line, separator);
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t PairSeparator(std::string_view line, char decimalMark) {
  const std::size_t tab = line.find('\t');
  if (tab != std::string_view::npos || decimalMark == ',') return tab;
  return line.find(',');
}

PairLines SplitPairLines(std::string_view text, char decimalMark) {
  PairLines pairs;
  std::size_t number = 0;
  bool allPairs = true;
  ForEachTextLine(text, [&](std::string_view line) {
    ++number;
    if (WithoutBlanks(line).empty()) return true;
    const auto pair = PairOf(line, decimalMark);
    if (!pair) {
      allPairs = false;
      return false;
    }
    pairs.x.emplace_back(pair->first);
    pairs.y.emplace_back(pair->second);
    return true;
  });
  if (allPairs) return pairs;
  PairLines bad;
  bad.badLine = number;
  return bad;
}

std::string PairTable(const std::vector<std::string>& x, const std::vector<std::string>& y) {
  std::string table;
  for (std::size_t i = 0; i < x.size() || i < y.size(); ++i) {
    if (i < x.size()) table += x[i];
    table += '\t';
    if (i < y.size()) table += y[i];
    table += '\n';
  }
  return table;
}

}  // namespace peruka
