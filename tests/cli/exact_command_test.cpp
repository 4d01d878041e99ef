// --exact, the exact fit's part of --stats, --at and --equation, through the
// command. The exact values were checked against an exact model in Python's fractions
// (tests/fit/exact_model.py computes the same way); the bits of every
// figure are the exact fit's tests' own (tests/fit/exact_fit_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_runner.h"

namespace peruka::testing {
namespace {

const std::string kQuadratic = "0\t1.1\n1\t1.9\n2\t5.2\n3\t9.8\n4\t17.1\n5\t26.2\n6\t36.9\n7\t50.3\n";

using ExactCommandTest = CommandTest;

TEST_F(ExactCommandTest, OutcomesOfExact) {
  const std::string line = File("line", "0\t1\n1\t3\n2\t5\n");
  const std::string repeated = File("repeated", "1\t1\n1\t2\n2\t3\n");
  const std::string x = File("x", "1\n2\n3\n");
  const std::string badY = File("ybad", "1\n-\n3\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;  // the whole of standard error
  };
  const std::vector<Case> cases = {
      // The worked example: no report for x = 0, since no power function runs.
      {{"--exact", "--pairs", line}, 0, "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n", ""},
      {{"--exact", "--pairs", File("quadratic", kQuadratic), "-d", "2"},
       0,
       "y = (1.011309523809520) x^2\n   + (-0.058928571428571) x^1\n   + (1.070833333333330)\n",
       ""},
      // Another notation instead of the result text.
      {{"--exact", "--equation", "c", "--pairs", line}, 0, "double p(double x) { return 2 * x + 1; }\n", ""},
      // Two distinct x values at degree 2: not unique, a notice.
      {{"--exact", "-d", "2", "--pairs", repeated},
       1,
       "",
       "x の値が 3 種類より少ないので、2 次の最小二乗多項式は一つに決まりません (無数にあります)\n"},
      // The check and the conversion as without --exact.
      {{"--exact", x, File("y2", "1\n2\n")}, 1, "", "xとyのデータ数が違うよ(･･､) (x: 3 lines, y: 2 lines)\n"},
      {{"--exact", x, badY}, 2, "", "peruka-fit: " + badY + ":2: '-' は浮動小数点ではありません.\n"},
      {{"--exact", "--format", "json", "--pairs", line},
       0,
       "{\"kind\":\"result\",\"degree\":1,\"points\":3,\"exact\":true,\"coefficients\":[{\"power\":1,"
       "\"value\":2,"
       "\"text\":\"2.000000000000000\"},{\"power\":0,\"value\":1,\"text\":\"1.000000000000000\"}],"
       "\"domain_reports\":0}\n",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CommandRun run = RunCommand(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
  }
}

TEST_F(ExactCommandTest, StatsNameTheCoefficientsThatCannotBeTrusted) {
  const std::string quadratic = File("q", kQuadratic);
  const std::string x = File("x", "1000\n1001\n1002\n1003\n1004\n1005\n1006\n1007\n1008\n1009\n1010\n1011\n");
  const std::string y = File("y", "1.5\n2\n2.25\n3\n3.5\n3.75\n4\n4.5\n5\n5.25\n6\n6.5\n");
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> lines;  // on standard error, in order
    bool warning;
  };
  const std::vector<Case> cases = {
      {{"-d", "2", "--stats", "--pairs", quadratic},
       {"--- 厳密解 (入力された10進数の値の最小二乗解) ---\n",
        "x^2     1.0113095238095238        14        0.014640921281248623      ",
        "x^1     -0.05892857142857143      12        ", "定数項  1.0708333333333333        14        ",
        "決定係数 R²: 0.9999196850805545\n", "残差平方和: 0.1800595238095238\n"},
       false},
      // Twelve x values far from 0 at degree 4: no digit of the calculation's
      // coefficients is right.
      {{"-d", "4", "--stats", x, y},
       {"警告: 条件数が 1e12 を超えています。表示の係数のうち x^4 (0 桁), x^3 (0 桁), x^2 (0 桁), x^1 (0 "
        "桁), "
        "定数項 (0 桁) は、有効数字 6 桁未満しか厳密解と一致しません。",
        "--- 厳密解"},
       true},
      // With --exact the table has no column of correct digits.
      {{"-d", "2", "--exact", "--stats", "--pairs", quadratic},
       {"x^2     1.0113095238095238        0.014640921281248623      "},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CommandRun run = RunCommand(c.args);
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t from = 0;
    for (const std::string& expected : c.lines) {
      const std::size_t at = run.err.find(expected, from);
      ASSERT_NE(at, std::string::npos) << expected << " in\n" << run.err;
      from = at + expected.size();
    }
    EXPECT_EQ(run.err.find("警告") != std::string::npos, c.warning) << run.err;
  }
}

TEST_F(ExactCommandTest, JsonMembersOfTheExactFit) {
  const CommandRun run =
      RunCommand({"-d", "2", "--stats", "--format", "json", "--pairs", File("q", kQuadratic)});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string member :
       {"{\"power\":2,\"value\":1.0113095238095253,\"text\":\"1.011309523809530\",\"exact\":1."
        "0113095238095238,"
        "\"trusted_digits\":14,\"standard_error\":0.014640921281248623,\"interval\":[0.9736738375069649,"
        "1.0489452101120826]}",
        ",\"exact_fit\":{\"unique\":true,\"residual_sum_of_squares\":0.1800595238095238,\"r_squared\":"
        "0.9999196850805545,",
        "\"low_trust\":[]}"})
    EXPECT_NE(run.out.find(member), std::string::npos) << member << " in\n" << run.out;
  EXPECT_LT(run.out.find(",\"stats\":"), run.out.find(",\"exact_fit\":"));
}

// --at and --at-file: one line a value after the result, or a refused x
// text named as a data line is.
TEST_F(ExactCommandTest, ValuesAtNewX) {
  const std::string quadratic = File("q", kQuadratic);
  const std::string atFile = File("at", "3.5\n\n");
  // Two distinct x at degree 2: the calculation still gives a result.
  const std::string repeated = File("r", "0.1\t1\n0.1\t2\n0.3\t3\n0.3\t5\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> out;  // in order
    std::string err;
  };
  const std::vector<Case> cases = {
      {{"-d", "2", "--pairs", quadratic, "--at", "3.5", "--at", " 0 "},
       0,
       {"   + (1.070833333333340)\np(3.5) = 13.253124999999999 (厳密解)  95% 信頼区間: [12.990853948121888, "
        "13.51539605187811]  95% 予測区間: [12.699275882391866, 13.806974117608132]\n",
        "p(0) = 1.0708333333333333 (厳密解)  95% 信頼区間: [0.66027646622198, 1.4813902004446866]"},
       ""},
      {{"-d", "2", "--pairs", quadratic, "--at", "3.5", "--format", "json"},
       0,
       {"],\"evaluations\":[{\"x\":\"3.5\",\"value\":13.253124999999999,\"from\":\"exact\",\"mean_interval\":"
        "[12.990853948121888,13.51539605187811],\"prediction_interval\":[12.699275882391866,13."
        "806974117608132]}],"},
       ""},
      {{"-d", "2", "--pairs", repeated, "--at", "0.2"},
       0,
       {"p(0.2) = ", " (計算結果)  95% 信頼区間: 定義されません  95% 予測区間: 定義されません\n"},
       ""},
      {{"--pairs", quadratic, "--at", "1", "--at", "1e5"},
       1,
       {},
       "peruka-fit: --at:2: 数字じゃないデータがあるよ(･･､)\n"},
      {{"--pairs", quadratic, "--at-file", atFile},
       2,
       {},
       "peruka-fit: " + atFile + ":2: '' は浮動小数点ではありません.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CommandRun run = RunCommand(c.args);
    EXPECT_EQ(run.status, c.status);
    std::size_t from = 0;
    for (const std::string& expected : c.out) {
      const std::size_t at = run.out.find(expected, from);
      ASSERT_NE(at, std::string::npos) << expected << " in\n" << run.out;
      from = at + expected.size();
    }
    if (c.out.empty()) {
      EXPECT_EQ(run.out, "");
    }
    if (c.status != 0) {
      EXPECT_EQ(run.err, c.err);
    }
  }
}

}  // namespace
}  // namespace peruka::testing
