#include "app/pair_lines.h"

#include <optional>
#include <utility>

namespace peruka {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool HasBlank(std::string_view text) {
  for (const char c : text)
    if (IsBlank(c)) return true;
  return false;
}

// The two parts of a line cut at every separator, when there are exactly
// two, neither is empty and neither holds a blank.
std::optional<std::pair<std::string_view, std::string_view>> CutAt(std::string_view line, char separator) {
  const std::size_t cut = line.find(separator);
  if (cut == std::string_view::npos || line.find(separator, cut + 1) != std::string_view::npos) return {};
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
  if (line.find('\t') != std::string_view::npos) return CutAt(line, '\t');
  if (decimalMark != ',' && line.find(',') != std::string_view::npos) return CutAt(line, ',');
  return CutAtBlanks(line);
}

}  // namespace

PairLines SplitPairLines(std::string_view text, char decimalMark) {
  PairLines pairs;
  std::size_t number = 0;
  while (!text.empty()) {
    std::size_t end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = text.substr(0, end);
    std::size_t next = end;
    if (next < text.size()) {
      const bool crLf = text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n';
      next += crLf ? 2u : 1u;
    }
    text.remove_prefix(next);
    ++number;
    if (WithoutBlanks(line).empty()) continue;
    const auto pair = PairOf(line, decimalMark);
    if (!pair) {
      pairs = PairLines{};
      pairs.badLine = number;
      return pairs;
    }
    pairs.x.emplace_back(pair->first);
    pairs.y.emplace_back(pair->second);
  }
  return pairs;
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
