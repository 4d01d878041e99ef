#include "ui/line_store.h"

#include <algorithm>
#include <cassert>

namespace peruka {

namespace {

// Lines a chunk is built with, and the most it may grow to before it is
// split: small enough that rewriting one is quick, large enough that the
// chunks of a million lines stay few.
constexpr std::size_t kChunkLines = 512;
constexpr std::size_t kMostChunkLines = 2 * kChunkLines;

// The lines of a text: CR LF, a lone CR and a lone LF each end one; the
// text after the last break is the last line (perhaps empty).
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

void LineStore::ChunkSums::Reset(const std::vector<std::size_t>& values) {
  tree_.assign(values.size() + 1, 0);
  total_ = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    total_ += values[i];
    for (std::size_t j = i + 1; j < tree_.size(); j += j & (~j + 1)) tree_[j] += values[i];
  }
}

void LineStore::ChunkSums::Add(std::size_t chunk, std::ptrdiff_t delta) {
  total_ = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(total_) + delta);
  for (std::size_t j = chunk + 1; j < tree_.size(); j += j & (~j + 1))
    tree_[j] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(tree_[j]) + delta);
}

std::size_t LineStore::ChunkSums::Before(std::size_t chunk) const {
  std::size_t sum = 0;
  for (std::size_t j = chunk; j > 0; j -= j & (~j + 1)) sum += tree_[j];
  return sum;
}

std::size_t LineStore::ChunkSums::ChunkHolding(std::size_t value) const {
  // Descend the tree: the largest count of chunks whose sum is <= value.
  std::size_t chunks = 0;
  std::size_t step = 1;
  while (step * 2 < tree_.size()) step *= 2;
  for (; step > 0; step /= 2) {
    if (chunks + step < tree_.size() && tree_[chunks + step] <= value) {
      chunks += step;
      value -= tree_[chunks];
    }
  }
  return chunks;  // the chunk after those, 0-based
}

LineStore::LineStore() : chunks_(1) {
  chunks_[0].ends.push_back(0);
  Reindex();
}

void LineStore::Reindex() {
  std::vector<std::size_t> lines(chunks_.size());
  std::vector<std::size_t> sizes(chunks_.size());
  for (std::size_t c = 0; c < chunks_.size(); ++c) {
    lines[c] = chunks_[c].ends.size();
    sizes[c] = ChunkSize(chunks_[c]);
  }
  lines_.Reset(lines);
  sizes_.Reset(sizes);
}

std::string_view LineStore::View(const Chunk& chunk, std::size_t local) {
  const std::size_t from = local == 0 ? 0 : chunk.ends[local - 1];
  return std::string_view(chunk.bytes).substr(from, chunk.ends[local] - from);
}

std::size_t LineStore::LocalStart(const Chunk& chunk, std::size_t local) {
  return (local == 0 ? 0 : chunk.ends[local - 1]) + 2 * local;
}

LineStore::Place LineStore::Find(std::size_t line) const {
  const std::size_t chunk = lines_.ChunkHolding(line);
  return {chunk, line - lines_.Before(chunk)};
}

std::size_t LineStore::Size() const { return sizes_.Total() - 2; }

std::size_t LineStore::LineStart(std::size_t line) const {
  const Place place = Find(line);
  return sizes_.Before(place.chunk) + LocalStart(chunks_[place.chunk], place.local);
}

std::size_t LineStore::LineAt(std::size_t position) const {
  const std::size_t chunk = sizes_.ChunkHolding(std::min(position, Size()));
  const std::size_t offset = std::min(position, Size()) - sizes_.Before(chunk);
  const Chunk& c = chunks_[chunk];
  // The last line whose start is at or before the offset.
  std::size_t lo = 0;
  std::size_t hi = c.ends.size();
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    if (LocalStart(c, mid) <= offset)
      lo = mid;
    else
      hi = mid;
  }
  return lines_.Before(chunk) + lo;
}

std::string_view LineStore::LineView(std::size_t line) const {
  const Place place = Find(line);
  return View(chunks_[place.chunk], place.local);
}

int LineStore::LineCount() const { return static_cast<int>(lines_.Total()); }

int LineStore::LineIndex(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= lines_.Total()) return -1;
  return static_cast<int>(LineStart(static_cast<std::size_t>(line)));
}

int LineStore::LineLength(int position) const {
  if (position < 0 || static_cast<std::size_t>(position) > Size()) return 0;
  return static_cast<int>(LineView(LineAt(static_cast<std::size_t>(position))).size());
}

std::string LineStore::Line(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= lines_.Total()) return {};
  return std::string(LineView(static_cast<std::size_t>(line)));
}

std::vector<std::string> LineStore::Lines(int count) const {
  std::vector<std::string> lines;
  const std::size_t wanted = std::min(static_cast<std::size_t>(std::max(count, 0)), lines_.Total());
  lines.reserve(wanted);
  for (const Chunk& chunk : chunks_)
    for (std::size_t local = 0; local < chunk.ends.size() && lines.size() < wanted; ++local)
      lines.emplace_back(View(chunk, local));
  return lines;
}

std::string LineStore::Between(std::size_t from, std::size_t to) const {
  to = std::min(to, Size());
  std::string text;
  if (from >= to) return text;
  const std::size_t first = LineAt(from);
  const std::size_t last = LineAt(to);
  for (std::size_t line = first; line <= last; ++line) {
    const std::size_t start = LineStart(line);
    const std::string_view view = LineView(line);
    // The line and its break, as far as they lie in [from, to).
    std::string piece(view);
    if (line + 1 < lines_.Total()) piece.append("\r\n");
    const std::size_t begin = from > start ? from - start : 0;
    const std::size_t end = std::min(piece.size(), to - start);
    if (begin < end) text.append(piece, begin, end - begin);
  }
  return text;
}

std::string LineStore::Text() const { return Between(0, Size()); }

void LineStore::SetText(std::string_view text) {
  chunks_.assign(1, Chunk{});
  chunks_[0].ends.push_back(0);
  Reindex();
  ReplaceLines(0, 1, SplitLines(text));
}

void LineStore::Replace(int start, int length, std::string_view text) {
  const std::size_t size = Size();
  const std::size_t from = std::min(static_cast<std::size_t>(std::max(start, 0)), size);
  const std::size_t to = std::min(from + static_cast<std::size_t>(std::max(length, 0)), size);
  const std::size_t firstLine = LineAt(from);
  const std::size_t lastLine = LineAt(to);
  // The kept head of the first line and tail of the last, around the text.
  // A position inside a line break keeps the whole line before it.
  const std::size_t firstStart = LineStart(firstLine);
  const std::string_view firstView = LineView(firstLine);
  const std::size_t lastStart = LineStart(lastLine);
  const std::string_view lastView = LineView(lastLine);
  std::string joined(firstView.substr(0, std::min(from - firstStart, firstView.size())));
  joined.append(text);
  if (to - lastStart < lastView.size()) joined.append(lastView.substr(to - lastStart));
  ReplaceLines(firstLine, lastLine - firstLine + 1, SplitLines(joined));
}

void LineStore::ReplaceLines(std::size_t first, std::size_t count,
                             const std::vector<std::string_view>& lines) {
  assert(count > 0 && !lines.empty());
  const Place begin = Find(first);
  const Place end = Find(first + count - 1);
  // One line for a few, within a chunk that stays small enough: edited in
  // place (typing, Enter, an appended line).
  Chunk& edited = chunks_[begin.chunk];
  if (count == 1 && edited.ends.size() - 1 + lines.size() <= kMostChunkLines) {
    const std::size_t from = begin.local == 0 ? 0 : edited.ends[begin.local - 1];
    const std::size_t old = edited.ends[begin.local] - from;
    std::size_t added = 0;
    for (const std::string_view line : lines) added += line.size();
    std::string bytes;
    bytes.reserve(added);
    std::vector<std::uint32_t> ends;
    ends.reserve(lines.size());
    for (const std::string_view line : lines) {
      bytes.append(line);
      ends.push_back(static_cast<std::uint32_t>(from + bytes.size()));
    }
    edited.bytes.replace(from, old, bytes);
    const auto delta = static_cast<std::ptrdiff_t>(added) - static_cast<std::ptrdiff_t>(old);
    for (std::size_t i = begin.local + 1; i < edited.ends.size(); ++i)
      edited.ends[i] = static_cast<std::uint32_t>(static_cast<std::ptrdiff_t>(edited.ends[i]) + delta);
    const auto at = edited.ends.begin() + static_cast<std::ptrdiff_t>(begin.local);
    edited.ends.insert(edited.ends.erase(at), ends.begin(), ends.end());
    const auto newLines = static_cast<std::ptrdiff_t>(lines.size()) - 1;
    lines_.Add(begin.chunk, newLines);
    sizes_.Add(begin.chunk, delta + 2 * newLines);
    return;
  }
  // Otherwise the touched chunks are rebuilt from their lines: those before
  // the range, the new ones, those after it.
  const std::size_t total = begin.local + lines.size() + (chunks_[end.chunk].ends.size() - end.local - 1);
  // Within one chunk it stays one while it may; else chunks of kChunkLines.
  const std::size_t perChunk = begin.chunk == end.chunk && total <= kMostChunkLines ? total : kChunkLines;
  std::vector<Chunk> rebuilt(1);
  rebuilt.reserve(total / perChunk + 1);
  const auto add = [&](std::string_view line) {
    if (rebuilt.back().ends.size() == perChunk) rebuilt.emplace_back();
    Chunk& chunk = rebuilt.back();
    chunk.bytes.append(line);
    chunk.ends.push_back(static_cast<std::uint32_t>(chunk.bytes.size()));
  };
  for (std::size_t local = 0; local < begin.local; ++local) add(View(chunks_[begin.chunk], local));
  for (const std::string_view line : lines) add(line);
  for (std::size_t local = end.local + 1; local < chunks_[end.chunk].ends.size(); ++local)
    add(View(chunks_[end.chunk], local));
  const auto from = static_cast<std::ptrdiff_t>(begin.chunk);
  const auto to = static_cast<std::ptrdiff_t>(end.chunk) + 1;
  if (rebuilt.size() == 1 && to - from == 1) {
    // Same chunk count: the trees only change by the chunk's own numbers.
    const std::ptrdiff_t lineDelta = static_cast<std::ptrdiff_t>(rebuilt[0].ends.size()) -
                                     static_cast<std::ptrdiff_t>(chunks_[begin.chunk].ends.size());
    const std::ptrdiff_t sizeDelta = static_cast<std::ptrdiff_t>(ChunkSize(rebuilt[0])) -
                                     static_cast<std::ptrdiff_t>(ChunkSize(chunks_[begin.chunk]));
    chunks_[begin.chunk] = std::move(rebuilt[0]);
    lines_.Add(begin.chunk, lineDelta);
    sizes_.Add(begin.chunk, sizeDelta);
    return;
  }
  chunks_.erase(chunks_.begin() + from, chunks_.begin() + to);
  chunks_.insert(chunks_.begin() + from, std::make_move_iterator(rebuilt.begin()),
                 std::make_move_iterator(rebuilt.end()));
  Reindex();
}

}  // namespace peruka
