// --stats: the quality figures after a result, as text on standard error and
// as the "stats" member of the JSON object, from files and from a pipe.
// Reference values: Debian's /usr/bin/python3 3.11.2 with numpy 1.24.2
// (np.polyfit, the residuals in double, np.linalg.cond(A, 1) of the normal
// matrix), printed with "%.10g" for the text; the JSON numbers are compared
// with a relative tolerance of 1e-9, as the fit's coefficients differ from
// numpy's in the last bits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_runner.h"

namespace peruka::testing {
namespace {

const std::string kQuadratic = "0\t1.1\n1\t1.9\n2\t5.2\n3\t9.8\n4\t17.1\n5\t26.2\n6\t36.9\n7\t50.3\n";

std::string Sequence(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += std::to_string(i) + "\n";
  return text;
}

// The number after "name": in a JSON text; NaN for null or a missing member.
double Member(const std::string& json, const std::string& name) {
  const std::size_t at = json.find("\"" + name + "\":");
  if (at == std::string::npos) return std::nan("");
  const char* start = json.c_str() + at + name.size() + 3;
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  return end == start ? std::nan("") : value;
}

using StatsTest = CommandTest;

TEST_F(StatsTest, TextBlockFollowsTheResultOnStandardError) {
  const std::string pairs = File("q.txt", kQuadratic);
  struct Case {
    std::vector<std::string> args;
    std::string input;
    std::vector<std::string> lines;  // in the block, in order
    bool warning;
  };
  const std::vector<Case> cases = {
      {{"-d", "2", "--stats", "--pairs", pairs},
       "",
       {"--- 当てはまりの統計 ---\n", "決定係数 R²: 0.9999196851\n", "自由度調整済み決定係数: 0.9998875591\n",
        "残差標準誤差: 0.1897680288\n", "最大絶対残差 (点 7): 0.2244047619\n", "正規方程式の条件数: 6300\n"},
       false},
      // The same through a pipe: the points are kept as they are read.
      {{"-d", "2", "--pairs", "-", "--stats"},
       kQuadratic,
       {"決定係数 R²: 0.9999196851\n", "最大絶対残差 (点 7): 0.2244047619\n", "正規方程式の条件数: 6300\n"},
       false},
      // Constant y: R² undefined (numpy: SStot = 0).
      {{"--stats", File("x3", "1\n2\n3\n"), File("y3", "5\n5\n5\n")},
       "",
       {"決定係数 R²: 定義されません", "自由度調整済み決定係数: 定義されません"},
       false},
      // Degree 20 over x = 1..25 (numpy's condition number: 4.953509696e+60).
      {{"-d", "20", "--stats", File("x25", Sequence(1, 25)), "-"},
       Sequence(1, 25),
       {"正規方程式の条件数: "},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CommandRun run = RunCommand(c.args, c.input);
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t from = 0;
    for (const std::string& line : c.lines) {
      const std::size_t at = run.err.find(line, from);
      ASSERT_NE(at, std::string::npos) << line << " in\n" << run.err;
      from = at + line.size();
    }
    EXPECT_EQ(run.err.find("警告: 条件数が 1e12 を超えています") != std::string::npos, c.warning) << run.err;
    // The result itself is the same as without --stats, and the block is
    // all that was added on standard error.
    std::vector<std::string> plain;
    for (const std::string& arg : c.args)
      if (arg != "--stats") plain.push_back(arg);
    const CommandRun without = RunCommand(plain, c.input);
    EXPECT_EQ(run.out, without.out);
    EXPECT_EQ(run.err.substr(0, without.err.size()), without.err);
    EXPECT_EQ(run.err.find("--- 当てはまりの統計 ---\n"), without.err.size());
  }
}

TEST_F(StatsTest, JsonStatsMember) {
  const std::string pairs = File("q.txt", kQuadratic);
  const CommandRun run = RunCommand({"-d", "2", "--stats", "--format", "json", "--pairs", pairs});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::size_t stats = run.out.find(",\"stats\":{");
  ASSERT_NE(stats, std::string::npos) << run.out;
  EXPECT_LT(run.out.find("\"coefficients\""), stats);
  EXPECT_LT(stats, run.out.find(",\"domain_reports\""));
  const struct {
    const char* name;
    double numpy;
  } figures[] = {
      {"r_squared", 0.9999196850805545},
      {"adjusted_r_squared", 0.9998875591127763},
      {"residual_standard_error", 0.18976802881914762},
      {"max_abs_residual", 0.22440476190475067},
      {"max_residual_point", 7},
      {"condition_number", 6299.999999999995},
  };
  for (const auto& figure : figures)
    EXPECT_NEAR(Member(run.out, figure.name), figure.numpy, 1e-9 * figure.numpy) << figure.name;
  EXPECT_NE(run.out.find("\"condition_warning\":false}"), std::string::npos) << run.out;

  // Undefined figures are null; without --stats there is no member.
  const std::string x = File("x3", "1\n2\n3\n");
  const std::string y = File("y3", "5\n5\n5\n");
  const CommandRun constant = RunCommand({"--format", "json", "--stats", x, y});
  EXPECT_NE(constant.out.find("\"r_squared\":null,\"adjusted_r_squared\":null"), std::string::npos);
  EXPECT_EQ(RunCommand({"--format", "json", x, y}).out.find("stats"), std::string::npos);
}

// A notice or an error has no figures.
TEST_F(StatsTest, NothingWithoutAResult) {
  const std::string x = File("x", "1\n2\n");
  for (const std::string& y : {File("short", "1\n"), File("bad", "1\nabc\n")}) {
    for (const char* format : {"text", "json"}) {
      const CommandRun run = RunCommand({"--stats", "--format", format, x, y});
      EXPECT_NE(run.status, 0);
      EXPECT_EQ(run.out.find("stats"), std::string::npos) << run.out;
      EXPECT_EQ(run.err.find("統計"), std::string::npos) << run.err;
    }
  }
}

}  // namespace
}  // namespace peruka::testing
