// peruka-fit's input side: the line reader over any bytes in any block size
// and line limit, and the one-pass calculation over column files or a pairs
// file against the whole texts cut into columns and calculated at once.
#include <cstring>
#include <string>
#include <vector>

#include "cli/held_messages.h"
#include "cli/input_text.h"
#include "cli/line_reader.h"
#include "cli/outcome.h"
#include "cli/pairs.h"
#include "cli/point_batches.h"
#include "cli/stream_fit.h"
#include "fit/column.h"
#include "fuzz_target.h"
#include "scratch_file.h"

using namespace peruka;
using namespace peruka::cli;

namespace {

// The bytes as a stream that the readers read like a file: a memory stream
// where the C library has one, else a scratch file.
class MemoryFile {
 public:
  explicit MemoryFile(std::string_view bytes) : bytes_(bytes) {
#ifdef _WIN32
    file_ = testing::ScratchFile();
    PERUKA_FUZZ_CHECK(file_ != nullptr);
    if (!bytes_.empty()) std::fwrite(bytes_.data(), 1, bytes_.size(), file_);
    std::rewind(file_);
#else
    file_ = fmemopen(bytes_.data(), bytes_.size(), "rb");
    PERUKA_FUZZ_CHECK(file_ != nullptr);
#endif
  }
  ~MemoryFile() { std::fclose(file_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  std::FILE* Get() const { return file_; }

 private:
  std::string bytes_;
  std::FILE* file_;
};

// Every line the reader gives, and whether it stopped at a line too long.
struct ReadLines {
  std::vector<std::string> lines;
  std::size_t tooLongAt = 0;  // the line named, counted from 1
};

template <typename Reader>
ReadLines ReadAll(Reader& reader) {
  ReadLines read;
  try {
    for (std::string_view line; reader.Next(line);) read.lines.emplace_back(line);
  } catch (const LineTooLongError& error) {
    read.tooLongAt = error.line;
  }
  return read;
}

// The lines of the whole text, as the columns cut it, up to the first one
// longer than `limit`.
ReadLines CutWhole(std::string_view text, std::size_t limit) {
  ReadLines cut;
  ForEachLine(text, [&](std::string_view line) {
    if (line.size() > limit) {
      cut.tooLongAt = cut.lines.size() + 1;
      return false;
    }
    cut.lines.emplace_back(line);
    return true;
  });
  return cut;
}

bool operator==(const ReadLines& a, const ReadLines& b) {
  return a.lines == b.lines && a.tooLongAt == b.tooLongAt;
}

bool SameOutcome(const Outcome& a, const Outcome& b) {
  if (a.kind != b.kind || a.check != b.check || a.message != b.message || a.xCount != b.xCount ||
      a.yCount != b.yCount || a.domainReports != b.domainReports ||
      a.place.has_value() != b.place.has_value())
    return false;
  if (a.place &&
      (a.place->inY != b.place->inY || a.place->line != b.place->line || a.place->text != b.place->text))
    return false;
  if (a.kind != OutcomeKind::Result) return true;
  if (a.fit.degree != b.fit.degree) return false;
  return std::memcmp(a.fit.coefficients.data(), b.fit.coefficients.data(),
                     sizeof(double) * (static_cast<std::size_t>(a.fit.degree) + 1)) == 0;
}

// The whole texts: converted, cut into columns, checked and fitted at once.
// False for a pairs text with a line without a separator (its number in
// `badLine`).
bool Whole(int degree, bool pairs, bool shiftJis, std::string_view first, std::string_view second,
           Outcome& outcome, std::size_t& badLine) {
  const std::string firstText = ToColumnText(first, shiftJis);
  const std::string secondText = ToColumnText(second, shiftJis);
  Column x;
  Column y;
  if (pairs) {
    badLine = SplitPairs(firstText, '.', x, y);
    if (badLine != 0) return false;
  } else {
    x = Column::Viewing(firstText);
    y = Column::Viewing(secondText);
  }
  fuzz::Reports() = 0;
  outcome = CalculateColumns(degree, x, y);
  outcome.domainReports = outcome.kind == OutcomeKind::Notice ? 0 : fuzz::Reports();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Prepare();
  fuzz::Input input(data, size);
  const std::uint8_t flags = input.Byte();
  const bool pairs = (flags & 1) != 0;
  const bool shiftJis = (flags & 2) != 0;
  const PassThreads threads = (flags & 4) ? PassThreads::Two : PassThreads::One;
  const int degree = 1 + input.Byte() % 20;
  const std::size_t block = 1 + input.Byte() % 16;
  const std::size_t limit = input.Byte() % 64;
  const std::string_view texts = input.Rest();
  const std::size_t bar = texts.find('|');
  const std::string_view first = texts.substr(0, bar);
  const std::string_view second = bar == std::string_view::npos ? std::string_view() : texts.substr(bar + 1);

  // The reader cuts as the columns cut, in any block size, and stops at the
  // first line longer than its limit.
  {
    const MemoryFile file(first);
    LineReader reader(file.Get(), "first", block, limit);
    PERUKA_FUZZ_CHECK(ReadAll(reader) == CutWhole(first, limit));
  }
  // Line by line, the conversion gives the lines of the whole converted text.
  {
    const MemoryFile file(first);
    ColumnLineReader reader(file.Get(), "first", shiftJis, block);
    PERUKA_FUZZ_CHECK(ReadAll(reader) == CutWhole(ToColumnText(first, shiftJis), kMaxLineLength));
  }

  // The one pass comes to what the whole texts come to.
  Outcome whole;
  std::size_t badLine = 0;
  const bool wholeFits = Whole(degree, pairs, shiftJis, first, second, whole, badLine);
  const MemoryFile firstFile(first);
  const MemoryFile secondFile(second);
  ColumnLineReader firstLines(firstFile.Get(), "first", shiftJis, block);
  ColumnLineReader secondLines(secondFile.Get(), "second", shiftJis, block);
  HeldMessages reports;
  try {
    const Outcome onePass = pairs ? StreamPairs(degree, firstLines, '.', reports, threads)
                                  : StreamColumns(degree, firstLines, secondLines, reports, threads);
    PERUKA_FUZZ_CHECK(wholeFits);
    PERUKA_FUZZ_CHECK(SameOutcome(onePass, whole));
  } catch (const PairsFormatError& bad) {
    PERUKA_FUZZ_CHECK(pairs && !wholeFits && bad.line == badLine);
  }
  return 0;
}
