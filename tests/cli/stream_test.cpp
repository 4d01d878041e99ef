// The one-pass calculation against the whole-columns one (CheckColumns and
// SumPowers over Columns): random inputs, read in blocks of random small
// sizes so that lines, CR LF pairs and UTF-8 characters straddle them, must
// end in the same outcome, bit for bit, with the same reports.
#include <gtest/gtest.h>

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
  explicit TextStream(const std::string& text) : file(std::tmpfile()) {
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
  std::string Value() {
    static const std::vector<std::string> kClean = {"0", "-0", "1",  "2.5", "-1.25",
                                                    "3", ".",  " 4", "5 ",  "7.125"};
    if (Below(40) == 0) return "1" + std::string(160, '0');  // its square overflows
    if (clean_ || Below(2) == 0) return kClean[Below(kClean.size())];
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
                                                     "0." + std::string(30, '3'),
                                                     "1" + std::string(320, '0'),
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

TEST(OnePass, GivesWhatTheWholeColumnsGive) {
  SetLocaleDecimalMark('.');
  RandomLines random(20261207);
  constexpr std::size_t kBlockSizes[] = {1, 2, 3, 5, 16, cli::kReadBlockSize};
  int seen[8] = {};  // by kind
  for (int round = 0; round < 1500; ++round) {
    const int degree = 1 + static_cast<int>(random.Below(20));
    const bool pairs = random.Below(2) == 0;
    const bool shiftJis = random.Below(6) == 0;
    const std::size_t block = kBlockSizes[random.Below(std::size(kBlockSizes))];
    random.SetClean(random.Below(2) == 0);
    const std::size_t lines = random.Below(12);
    const std::string first = random.Text(lines, pairs);
    const std::string second = random.Text(random.Below(4) == 0 ? random.Below(12) : lines, false);

    // Whole: the texts read at once and cut into columns.
    const cli::InputText firstText = cli::ToColumnText(cli::InputText(first), shiftJis);
    const cli::InputText secondText = cli::ToColumnText(cli::InputText(second), shiftJis);
    Column x;
    Column y;
    std::size_t badLine = 0;
    if (pairs) {
      badLine = cli::SplitPairs(firstText.View(), '.', x, y);
    } else {
      x = Column::Viewing(firstText.View());
      y = Column::Viewing(secondText.View());
    }
    std::string whole = "bad line " + std::to_string(badLine);
    if (badLine == 0) {
      const Counting counting;
      Outcome outcome = cli::CalculateColumns(degree, x, y);
      outcome.domainReports = counting.count;
      whole = Describe(outcome);
    }

    // One pass, in blocks.
    const TextStream firstStream(first);
    const TextStream secondStream(second);
    ColumnLineReader firstLines(firstStream.file, "first", shiftJis, block);
    ColumnLineReader secondLines(secondStream.file, "second", shiftJis, block);
    HeldMessages reports;
    std::string streamed;
    try {
      streamed = Describe(pairs ? cli::StreamPairs(degree, firstLines, '.', reports)
                                : cli::StreamColumns(degree, firstLines, secondLines, reports));
    } catch (const cli::PairsFormatError& bad) {
      streamed = "bad line " + std::to_string(bad.line);
    }
    EXPECT_EQ(streamed, whole) << "round " << round << " block " << block;
    if (whole.starts_with("kind ")) ++seen[whole[5] - '0'];
  }
  // Every outcome comes up.
  for (int kind = 0; kind <= static_cast<int>(cli::OutcomeKind::Overflow); ++kind)
    EXPECT_GT(seen[kind], 10) << "kind " << kind;
}

}  // namespace
}  // namespace peruka::testing
