// The one-pass calculation against the whole-columns one (CheckColumns and
// SumPowers over Columns): random inputs, read in blocks of random small
// sizes so that lines, CR LF pairs and UTF-8 characters straddle them, must
// end in the same outcome, bit for bit, with the same reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cli/input_text.h"
#include "cli/pairs.h"
#include "cli/stream_fit.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "scratch_file.h"

namespace peruka::testing {
namespace {

using cli::ColumnLineReader;
using cli::HeldMessages;
using cli::Outcome;

std::string Describe(const Outcome& o) {
  std::string text = "kind ";
  text += std::to_string(static_cast<int>(o.kind));
  text += " check ";
  text += std::to_string(static_cast<int>(o.check));
  text += " counts ";
  text += std::to_string(o.xCount);
  text += '/';
  text += std::to_string(o.yCount);
  text += " reports ";
  text += std::to_string(o.domainReports);
  text += " message ";
  text += o.message;
  if (o.place) {
    text += o.place->inY ? " at y" : " at x";
    text += std::to_string(o.place->line);
    text += " text ";
    text += o.place->text;
  }
  if (o.kind == cli::OutcomeKind::Result) {
    for (int k = 0; k <= o.fit.degree; ++k) {
      std::uint64_t bits = 0;
      std::memcpy(&bits, &o.fit.coefficients[static_cast<std::size_t>(k)], sizeof bits);
      text += ' ';
      text += std::to_string(bits);
    }
  }
  return text;
}

// A stream holding `text`, closed at the end of the scope.
struct TextStream {
  explicit TextStream(const std::string& text) : file(ScratchFile()) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
  }
  ~TextStream() { std::fclose(file); }
  std::FILE* file;
};

class RandomLines {
 public:
  explicit RandomLines(std::uint32_t seed) : engine_(seed) {}
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_); }

  // Mostly values that pass; a round is clean or damaged as a whole.
  // Values that pass the check and convert.
  std::string PlainValue() {
    static const std::vector<std::string> kClean = {"0", "-0", "1",  "2.5", "-1.25",
                                                    "3", ".",  " 4", "5 ",  "7.125"};
    return kClean[Below(kClean.size())];
  }

  std::string Value() {
    if (Below(40) == 0) return "1" + std::string(160, '0');  // its square overflows
    if (clean_ || Below(2) == 0) return PlainValue();
    static const std::vector<std::string> kPieces = {"0",
                                                     "-0",
                                                     "1",
                                                     "2.5",
                                                     "-1.25",
                                                     "3",
                                                     ".",
                                                     "-.",
                                                     "-",
                                                     "",
                                                     " 4",
                                                     "5 ",
                                                     "\t6",
                                                     "1e3",
                                                     "7,5",
                                                     "１",
                                                     "\xFF",
                                                     "é",
                                                     "x",
                                                     "100000000",
                                                     std::string("0.").append(30, '3'),
                                                     std::string("1").append(320, '0'),
                                                     "\x82\xA0"};
    return kPieces[Below(kPieces.size())];
  }
  std::string End() { return Below(4) == 0 ? "\r\n" : "\n"; }
  void SetClean(bool clean) { clean_ = clean; }

  std::string Text(std::size_t lines, bool separators) {
    std::string text = Below(8) == 0 ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < lines; ++i) {
      text += Value();
      if (separators) {
        text += Below(12) == 0 ? " " : Below(2) ? "\t" : ",";
        text += Value();
      }
      // The last line: a break, none, or a CR alone (which stays in the line).
      if (i + 1 < lines || Below(2))
        text += End();
      else if (Below(4) == 0)
        text += '\r';
    }
    return text;
  }

 private:
  std::mt19937 engine_;
  bool clean_ = false;
};

class Counting {
 public:
  Counting()
      : previous_(SetRuntimeMessagePresenter([this](std::string_view, std::string_view) { ++count; })) {}
  ~Counting() { SetRuntimeMessagePresenter(previous_); }
  std::size_t count = 0;

 private:
  RuntimeMessagePresenter previous_;
};

std::string BadLine(std::size_t line) {
  std::string text = "bad line ";
  text += std::to_string(line);
  return text;
}

struct Round {
  int degree = 1;
  bool pairs = false;
  bool shiftJis = false;
  std::string first;  // the pairs file, or the x column's
  std::string second;
};

// The texts read at once, cut into columns and calculated whole.
std::string Whole(const Round& round) {
  const std::string first = cli::ToColumnText(round.first, round.shiftJis);
  const std::string second = cli::ToColumnText(round.second, round.shiftJis);
  Column x;
  Column y;
  if (round.pairs) {
    if (const std::size_t badLine = cli::SplitPairs(first, '.', x, y); badLine != 0) return BadLine(badLine);
  } else {
    x = Column::Viewing(first);
    y = Column::Viewing(second);
  }
  const Counting counting;
  Outcome outcome = cli::CalculateColumns(round.degree, x, y);
  outcome.domainReports = counting.count;
  return Describe(outcome);
}

// The same texts in one pass, read in blocks of `block` bytes.
std::string OnePass(const Round& round, std::size_t block, cli::PassThreads threads) {
  const TextStream first(round.first);
  const TextStream second(round.second);
  ColumnLineReader firstLines(first.file, "first", round.shiftJis, block);
  ColumnLineReader secondLines(second.file, "second", round.shiftJis, block);
  HeldMessages reports;
  try {
    return Describe(round.pairs
                        ? cli::StreamPairs(round.degree, firstLines, '.', reports, threads)
                        : cli::StreamColumns(round.degree, firstLines, secondLines, reports, threads));
  } catch (const cli::PairsFormatError& bad) {
    return BadLine(bad.line);
  }
}

TEST(OnePass, GivesWhatTheWholeColumnsGive) {
  SetLocaleDecimalMark('.');
  RandomLines random(20261207);
  constexpr std::size_t kBlockSizes[] = {1, 2, 3, 5, 16, cli::kReadBlockSize};
  int seen[8] = {};  // by kind
  for (int i = 0; i < 1500; ++i) {
    Round round;
    round.degree = 1 + static_cast<int>(random.Below(20));
    round.pairs = random.Below(2) == 0;
    round.shiftJis = random.Below(6) == 0;
    random.SetClean(random.Below(2) == 0);
    const std::size_t lines = random.Below(12);
    round.first = random.Text(lines, round.pairs);
    round.second = random.Text(random.Below(4) == 0 ? random.Below(12) : lines, false);
    const std::size_t block = kBlockSizes[random.Below(std::size(kBlockSizes))];
    const auto threads = random.Below(2) == 0 ? cli::PassThreads::One : cli::PassThreads::Two;
    const std::string whole = Whole(round);
    EXPECT_EQ(OnePass(round, block, threads), whole) << "round " << i << " block " << block;
    if (whole.starts_with("kind ")) ++seen[whole[5] - '0'];
  }
  // Every outcome comes up.
  for (int kind = 0; kind <= static_cast<int>(cli::OutcomeKind::Overflow); ++kind)
    EXPECT_GT(seen[kind], 10) << "kind " << kind;
}

// Inputs of several batches, with at most one damaged point somewhere: the
// reading thread runs ahead of the arithmetic across batch boundaries.
TEST(OnePass, ReadingAheadOnASecondThreadChangesNothing) {
  SetLocaleDecimalMark('.');
  RandomLines random(7);
  const std::vector<std::string> kDamage = {"-", "1e3", "1" + std::string(160, '0'), "", "x"};
  for (int i = 0; i < 12; ++i) {
    Round round;
    round.degree = 1 + static_cast<int>(random.Below(20));
    round.pairs = i % 2 == 0;
    const std::size_t points = cli::kBatchPoints + random.Below(3 * cli::kBatchPoints);
    const std::size_t damaged = i % 3 == 0 ? points : random.Below(points);
    const std::string damage = kDamage[random.Below(kDamage.size())];
    for (std::size_t r = 0; r < points; ++r) {
      round.first += r == damaged ? damage : random.PlainValue();
      if (round.pairs) {
        round.first += '\t';
        round.first += random.PlainValue();
      }
      round.first += '\n';
      round.second += random.PlainValue();
      round.second += '\n';
    }
    if (i == 5) round.second += "1\n";  // one line more
    const std::string whole = Whole(round);
    EXPECT_EQ(OnePass(round, 4096, cli::PassThreads::One), whole) << "round " << i;
    EXPECT_EQ(OnePass(round, 4096, cli::PassThreads::Two), whole) << "round " << i;
  }
}

// A regular file cut short while it is read must not pass for a shorter
// input: the reader stops with an error that says so.
TEST(LineReading, AFileThatShrinksWhileReadIsAnError) {
  // Larger than any stdio buffer, so most of it is still unread.
  std::string text;
  for (int i = 0; i < 100000; ++i) {
    text += std::to_string(i);
    text += '\n';
  }
  const TextStream file(text);
  cli::LineReader lines(file.file, "shrinking.txt", 64);
  std::string_view line;
  ASSERT_TRUE(lines.Next(line));
  ASSERT_EQ(ftruncate(fileno(file.file), 100), 0);
  try {
    while (lines.Next(line)) {
    }
    ADD_FAILURE() << "the shortened file read to its end without an error";
  } catch (const cli::ReadError& error) {
    EXPECT_EQ(error.name, "shrinking.txt");
    EXPECT_TRUE(error.reason.starts_with("the file shrank while it was read (")) << error.reason;
    EXPECT_TRUE(error.reason.ends_with(" of 588890 bytes)")) << error.reason;
  }
  // A file that stays whole reads to its end.
  const TextStream whole(text);
  cli::LineReader all(whole.file, "whole.txt", 64);
  std::size_t count = 0;
  while (all.Next(line)) ++count;
  EXPECT_EQ(count, 100000u);
}

}  // namespace
}  // namespace peruka::testing
