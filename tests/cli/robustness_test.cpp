// Large and hostile inputs through the whole command: huge lines, a million
// lines, and random bytes. Nothing may crash or hang, and every run must end
// in one of the documented shapes of output.
#include <gtest/gtest.h>

#include <random>
// GCC 12 reports a false "may be used uninitialized" inside <regex> when
// optimising; the header is not ours.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
#include <string>
#include <vector>

#include "cli/fit_command.h"
#include "command_runner.h"

namespace peruka::testing {
namespace {

using cli::kExitDataFormat;
using cli::kExitError;
using cli::kExitNotice;
using cli::kExitSuccess;

constexpr std::size_t kTenMegabytes = 10u << 20;

class LargeInput : public CommandTest {};

TEST_F(LargeInput, TenMegabyteLineIsOneText) {
  const std::string x = File("x", "1" + std::string(kTenMegabytes, '0') + "\n2\n");
  const std::string y = File("y", "1\n2\n");
  const CommandRun run = RunCommand({x, y});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, At(x, 1) + std::string(kTooLong));
}

TEST_F(LargeInput, TenMegabyteLineWithoutSeparator) {
  const CommandRun run = RunCommand({"--pairs", "-"}, std::string(kTenMegabytes, '7') + "\n1\t2\n");
  EXPECT_EQ(run.status, kExitDataFormat);
  EXPECT_EQ(run.err, At("standard input", 1) + "no tab or comma between x and y\n");
}

TEST_F(LargeInput, TenMegabytesOfRawShiftJis) {
  const CommandRun run =
      RunCommand({"--sjis", "--pairs", "-"}, "1\t" + std::string(kTenMegabytes, '\xFF') + "\n");
  EXPECT_EQ(run.status, kExitNotice);
  EXPECT_EQ(run.err, At("standard input", 1) + std::string(kNotNumeric));
}

TEST_F(LargeInput, MegabyteOfInvalidUtf8) {
  // Every malformed byte is converted on its own (one "?" each): a megabyte
  // keeps this quick under the sanitizers too.
  const CommandRun run = RunCommand({"--pairs", "-"}, "1\t" + std::string(1u << 20, '\xFF') + "\n");
  EXPECT_EQ(run.status, kExitNotice);
  EXPECT_EQ(run.err, At("standard input", 1) + std::string(kNotNumeric));
}

TEST_F(LargeInput, MillionPointsAsPairsAndAsColumns) {
  // y = 2x + 1 at x = 0..9: every sum is an exact integer, so the fit is
  // exact; each x of 0 reports twice.
  constexpr int kPoints = 1000000;
  std::string pairs;
  std::string xs;
  std::string ys;
  for (int i = 0; i < kPoints; ++i) {
    const std::string x = std::to_string(i % 10);
    const std::string y = std::to_string(2 * (i % 10) + 1);
    pairs += x + (i % 2 ? "\t" : ",") + y + (i % 3 ? "\n" : "\r\n");
    xs += x + "\n";
    ys += y + "\r\n";
  }
  const std::string boxes = Repeat(kDomain, 2 * kPoints / 10);
  const CommandRun fromPairs = RunCommand({"--pairs", File("pairs", pairs)});
  EXPECT_EQ(fromPairs.status, kExitSuccess);
  EXPECT_EQ(fromPairs.out, kWorkedExample);
  EXPECT_TRUE(fromPairs.err == boxes) << fromPairs.err.size() << " bytes of errors";
  const CommandRun fromColumns = RunCommand({File("x", xs), "-"}, ys);
  EXPECT_EQ(fromColumns.status, kExitSuccess);
  EXPECT_EQ(fromColumns.out, kWorkedExample);
  EXPECT_TRUE(fromColumns.err == boxes) << fromColumns.err.size() << " bytes of errors";
}

// Random inputs: mostly plausible lines, with every kind of damage mixed in.
class RandomText {
 public:
  explicit RandomText(std::uint32_t seed) : engine_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

  // A number that the conversion takes.
  std::string CleanValue() {
    static const std::vector<std::string> kPieces = {"0", "-0",     "1", "-1.5", "2.25",
                                                     ".", "-7.125", "3", "0.001"};
    return kPieces[Below(static_cast<int>(kPieces.size()))];
  }

  std::string Value() {
    if (Below(3) == 0) return CleanValue();
    static const std::vector<std::string> kPieces = {"0",
                                                     "-0",
                                                     "1",
                                                     "-1.5",
                                                     "2.25",
                                                     ".",
                                                     "-.",
                                                     "-",
                                                     "",
                                                     "1e3",
                                                     "3,5",
                                                     " 4 ",
                                                     "\t5",
                                                     "12345678901234567890",
                                                     "1" + std::string(320, '0'),
                                                     "0." + std::string(40, '7'),
                                                     "100000000",
                                                     "-7.125",
                                                     "６",
                                                     "\xFF",
                                                     "x"};
    std::string value = kPieces[Below(static_cast<int>(kPieces.size()))];
    if (Below(8) == 0) value += RawBytes(1 + Below(6));
    return value;
  }

  std::string RawBytes(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += static_cast<char>(Below(256));
    return bytes;
  }

  std::string LineEnd() {
    switch (Below(6)) {
      case 0:
        return "\r\n";
      case 1:
        return Below(4) == 0 ? "" : "\n";
      default:
        return "\n";
    }
  }

  std::string Pairs(int lines) {
    std::string text;
    if (Below(3) == 0) {
      for (int i = 0; i < lines; ++i)
        text += CleanValue() + (Below(2) ? "\t" : ",") + CleanValue() + LineEnd();
      return text;
    }
    for (int i = 0; i < lines; ++i) {
      static const char* const kSeparators[] = {"\t", "\t", ",", " ", ""};
      text += Value() + kSeparators[Below(5)] + Value() + LineEnd();
    }
    return text;
  }

  std::string Column(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += Value() + LineEnd();
    return text;
  }

 private:
  std::mt19937 engine_;
};

// Checks that a run ended in one of the documented shapes.
void ExpectDocumentedShape(const CommandRun& run, int degree, const std::string& context) {
  static const std::regex kBoxes("(powl: DOMAIN error\n)*");
  static const std::regex kResult("y = \\([-0-9.E]+\\)( x\\^[0-9]+\n   \\+ \\([-0-9.E]+\\))*\n");
  // A refused text is named with its place; a fault has none.
  static const std::regex kErrorTail(
      "(powl: DOMAIN error\n)*(peruka-fit: [^\n]+:[1-9][0-9]*: ('[-0-9.]*' は浮動小数点ではありません|"
      "結果が 4096 文字以上あります)|無効な浮動小数点操作|浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ)\\.\n");
  static const std::regex kNotice(
      "xとyのデータ数が違うよ\\(･･､\\) \\(x: [0-9]+ lines?, y: [0-9]+ lines?\\)\n|"
      "データが入力されてないよ\\(･･､\\)\n|peruka-fit: [^\n]+:[1-9][0-9]*: "
      "数字じゃないデータがあるよ\\(･･､\\)\n");
  switch (run.status) {
    case kExitSuccess: {
      EXPECT_TRUE(std::regex_match(run.out, kResult)) << context << run.out;
      EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), degree + 1) << context;
      EXPECT_TRUE(std::regex_match(run.err, kBoxes)) << context << run.err;
      break;
    }
    case kExitNotice:
      EXPECT_EQ(run.out, "") << context;
      EXPECT_TRUE(std::regex_match(run.err, kNotice)) << context << run.err;
      break;
    case kExitError:
      EXPECT_EQ(run.out, "") << context;
      EXPECT_TRUE(std::regex_match(run.err, kErrorTail)) << context << run.err;
      break;
    case kExitDataFormat:
      EXPECT_EQ(run.out, "") << context;
      EXPECT_EQ(run.err.rfind("peruka-fit: standard input:", 0), 0u) << context << run.err;
      break;
    default:
      ADD_FAILURE() << context << "status " << run.status << "\n" << run.err;
  }
}

class RandomInput : public CommandTest {};

TEST_F(RandomInput, PairsEndInADocumentedShape) {
  RandomText random(20240607);
  int seen[128] = {};
  for (int round = 0; round < 600; ++round) {
    const int degree = 1 + random.Below(20);
    const std::string text =
        random.Below(10) == 0 ? random.RawBytes(random.Below(400)) : random.Pairs(random.Below(30));
    std::vector<std::string> args = {"-d", std::to_string(degree), "--pairs", "-"};
    if (random.Below(5) == 0) args.push_back("--sjis");
    const CommandRun run = RunCommand(args, text);
    ExpectDocumentedShape(run, degree, "round " + std::to_string(round) + "\n");
    ++seen[run.status & 127];
  }
  // The generator reaches every outcome.
  for (int status : {kExitSuccess, kExitNotice, kExitError, kExitDataFormat})
    EXPECT_GT(seen[status], 0) << status;
}

TEST_F(RandomInput, ColumnsEndInADocumentedShape) {
  RandomText random(77);
  int seen[128] = {};
  for (int round = 0; round < 600; ++round) {
    const int degree = 1 + random.Below(20);
    const int lines = random.Below(25);
    const std::string x = random.Column(lines);
    const std::string y = random.Below(4) == 0 ? random.Column(random.Below(25)) : random.Column(lines);
    const CommandRun run = RunCommand({"-d", std::to_string(degree), File("x", x), "-"}, y);
    ExpectDocumentedShape(run, degree, "round " + std::to_string(round) + "\n");
    ++seen[run.status & 127];
  }
  for (int status : {kExitSuccess, kExitNotice, kExitError}) EXPECT_GT(seen[status], 0) << status;
}

TEST_F(RandomInput, PairsAndColumnsOfTheSamePointsAgree) {
  RandomText random(4242);
  for (int round = 0; round < 300; ++round) {
    const int degree = 1 + random.Below(6);
    const int points = random.Below(20);
    std::string pairs;
    std::string xs;
    std::string ys;
    for (int i = 0; i < points; ++i) {
      std::string x = random.Value();
      std::string y = random.Value();
      // Keep the separators out of the values so both readings see the same texts.
      for (std::string* v : {&x, &y})
        for (char& c : *v)
          if (c == '\t' || c == ',' || c == '\n' || c == '\r') c = ' ';
      pairs += x + "\t" + y + "\n";
      xs += x + "\n";
      ys += y + "\n";
    }
    const std::string d = std::to_string(degree);
    const CommandRun fromPairs = RunCommand({"-d", d, "--pairs", "-"}, pairs);
    const std::string x = File("x", xs);
    const std::string y = File("y", ys);
    const CommandRun fromColumns = RunCommand({"-d", d, x, y});
    EXPECT_EQ(fromPairs.status, fromColumns.status) << "round " << round;
    EXPECT_EQ(fromPairs.out, fromColumns.out) << "round " << round;
    // The same line is named, in the pairs file or in the column's file.
    EXPECT_EQ(fromPairs.err, Placed(Placed(fromColumns.err, x, "standard input"), y, "standard input"))
        << "round " << round;
  }
}

}  // namespace
}  // namespace peruka::testing
