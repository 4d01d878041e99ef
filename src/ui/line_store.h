// The text of a column box held as lines, for boxes of a million lines: the
// lines' bytes in chunks of a bounded number of lines, each chunk one
// buffer with the ends of its lines, and two Fenwick trees over the chunks'
// line counts and sizes. Every line-list question (count, where a line
// starts, the line at a position, a line's text) is answered by a search
// of the trees and a binary search inside one chunk, in logarithmic time;
// an edit rewrites only the chunks it touches.
//
// Positions are byte offsets into the text as the box holds it: Shift-JIS
// lines with CR LF (two bytes) between them. The text has at least one
// line, the empty one after a final line break included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/edit_lines.h"

namespace peruka {

class LineStore final : public EditLines {
 public:
  LineStore();

  // EditLines, without word wrap: a line is the text between two breaks.
  int LineCount() const override;
  int LineIndex(int line) const override;
  int LineLength(int position) const override;
  std::string Line(int line) const override;
  std::vector<std::string> Lines(int count) const override;
  // CR LF, a lone CR and a lone LF in `text` all break lines.
  void Replace(int start, int length, std::string_view text) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;

  // The same, in the store's own terms.
  std::size_t Size() const;                        // bytes of the whole text, breaks included
  std::size_t LineStart(std::size_t line) const;   // line < LineCount()
  std::size_t LineAt(std::size_t position) const;  // the line holding the position (or ending at it)
  std::string_view LineView(std::size_t line) const;
  // The text between two positions, CR LF between lines.
  std::string Between(std::size_t from, std::size_t to) const;

 private:
  struct Chunk {
    std::string bytes;                // the lines' bytes, no breaks
    std::vector<std::uint32_t> ends;  // where each line ends in `bytes`
  };
  struct Place {
    std::size_t chunk;
    std::size_t local;  // the line within the chunk
  };

  // A Fenwick tree of one number per chunk.
  class ChunkSums {
   public:
    void Reset(const std::vector<std::size_t>& values);
    void Add(std::size_t chunk, std::ptrdiff_t delta);
    std::size_t Before(std::size_t chunk) const;  // the sum of the chunks before it
    std::size_t Total() const { return total_; }
    // The chunk whose range holds `value` (< Total()): the last chunk
    // with Before(chunk) <= value, of a nonzero value itself.
    std::size_t ChunkHolding(std::size_t value) const;

   private:
    std::vector<std::size_t> tree_;  // 1-based
    std::size_t total_ = 0;
  };

  static std::size_t ChunkSize(const Chunk& chunk) { return chunk.bytes.size() + 2 * chunk.ends.size(); }
  static std::string_view View(const Chunk& chunk, std::size_t local);
  static std::size_t LocalStart(const Chunk& chunk, std::size_t local);
  Place Find(std::size_t line) const;
  // Replaces lines [first, first + count) by `lines`.
  void ReplaceLines(std::size_t first, std::size_t count, const std::vector<std::string_view>& lines);
  void Reindex();

  std::vector<Chunk> chunks_;  // never empty, no chunk without a line
  ChunkSums lines_;            // lines per chunk
  ChunkSums sizes_;            // bytes per chunk, two for every line's break
};

}  // namespace peruka
