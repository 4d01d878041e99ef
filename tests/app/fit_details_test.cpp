// The detail window's contents for small fits whose exact figures were
// worked out by hand in fractions: y = 11/12 + 9/4·x through (0, 1), (1, 3),
// (2, 5.5) with SSres = 1/24, SStot = 61/6, s² = 1/24, (A⁻¹)₁₁ = 1/2 and
// (A⁻¹)₀₀ = 5/6 (so R² = 243/244, adjusted 121/122, s = √(1/24), standard
// errors √(1/48) and √5/12), each figure rounded once to a double.
#include "app/fit_details.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "text/shift_jis.h"

namespace peruka {
namespace {

std::string Utf8(std::string_view sjis) { return ShiftJisToUtf8(sjis); }

using Cells = std::vector<std::string>;

struct DetailsCase {
  const char* name;
  int degree;
  std::vector<std::string> x;
  std::vector<std::string> y;
  std::vector<double> described;  // the window's coefficients, constant first
  // Each row's cells (UTF-8) but the interval's, then the interval's ends,
  // which depend on Student's t quantile, as numbers (none: undefined).
  std::vector<Cells> rows;
  std::vector<std::pair<double, double>> intervals;
  bool unique;
  Cells figures;
  std::string note;
  bool warning;
};
void PrintTo(const DetailsCase& c, std::ostream* os) { *os << c.name; }

const std::vector<std::string> kLineX = {"0", "1", "2"};
const std::vector<std::string> kLineY = {"1", "3", "5.5"};
// t(0.975, 1) = tan(0.475π) = 12.7062047361747 times each standard error.
const std::vector<std::pair<double, double>> kLineIntervals = {{0.41601731879776, 4.08398268120224},
                                                               {-1.45099479384303, 3.28432812717637}};
const Cells kLineFigures = {"決定係数: 0.9959016393442623", "自由度調整済み決定係数: 0.9918032786885246",
                            "残差の標準偏差: 0.2041241452319315"};

FitResult Described(const DetailsCase& c) {
  FitResult fit;
  fit.degree = c.degree;
  for (std::size_t k = 0; k < c.described.size(); ++k) fit.coefficients[k] = c.described[k];
  return fit;
}

FitDetails DetailsOf(const DetailsCase& c) {
  return DescribeFit(Described(c), FitExactly(c.degree, Column::FromLines(c.x), Column::FromLines(c.y)), '.');
}

class FitDetailsTest : public ::testing::TestWithParam<DetailsCase> {};

TEST_P(FitDetailsTest, ShowTheRowsFiguresAndNote) {
  const DetailsCase& c = GetParam();
  const FitDetails details = DetailsOf(c);
  const bool exact = c.unique;
  ASSERT_EQ(details.headings.size(), exact ? 7u : 2u);
  ASSERT_EQ(details.rows.size(), c.rows.size());
  for (std::size_t r = 0; r < c.rows.size(); ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    const Cells& row = details.rows[r];
    ASSERT_EQ(row.size(), exact ? 7u : 2u);
    for (std::size_t i = 0; i < c.rows[r].size(); ++i) EXPECT_EQ(Utf8(row[i]), c.rows[r][i]) << "cell " << i;
    if (!exact) continue;
    if (c.intervals.empty()) {
      EXPECT_EQ(Utf8(row[5]), "定義されません");
      EXPECT_EQ(Utf8(row[6]), "定義されません");
    } else {
      EXPECT_NEAR(std::strtod(row[5].c_str(), nullptr), c.intervals[r].first, 1e-12);
      EXPECT_NEAR(std::strtod(row[6].c_str(), nullptr), c.intervals[r].second, 1e-12);
    }
  }
  Cells figures;
  for (const FitFigure& figure : details.figures) figures.push_back(Utf8(figure.name + ": " + figure.value));
  EXPECT_EQ(figures, c.figures);
  EXPECT_EQ(Utf8(details.note), c.note);
  EXPECT_EQ(details.warning, c.warning);
}

INSTANTIATE_TEST_SUITE_P(
    Fits, FitDetailsTest,
    ::testing::Values(
        // The nearest double to 11/12 is off by 4.0·10⁻¹⁷ of it.
        DetailsCase{"AsExactAsADouble",
                    1,
                    kLineX,
                    kLineY,
                    {0.9166666666666666, 2.25},
                    {{"1", "2.25", "2.25", "17", "0.14433756729740643"},
                     {"0", "0.9166666666666666", "0.9166666666666666", "16", "0.18633899812498247"}},
                    kLineIntervals,
                    true,
                    kLineFigures,
                    "",
                    false},
        // |2.2 − 9/4|/(9/4) = 0.022 and |0.9166 − 11/12|/(11/12) = 7.3·10⁻⁵.
        DetailsCase{"TooFewTrustedDigits",
                    1,
                    kLineX,
                    kLineY,
                    {0.9166, 2.2},
                    {{"1", "2.2", "2.25", "1", "0.14433756729740643"},
                     {"0", "0.9166", "0.9166666666666666", "4", "0.18633899812498247"}},
                    kLineIntervals,
                    true,
                    kLineFigures,
                    "警告: x^1 の係数は有効数字 1 桁、定数項は 4 桁しか信頼できません。",
                    true},
        // Two points: SSres = 0 with no degree of freedom left.
        DetailsCase{
            "ThroughEveryPoint",
            1,
            {"0", "2"},
            {"1", "6"},
            {1.0, 2.5},
            {{"1", "2.5", "2.5", "17", "定義されません"}, {"0", "1", "1", "17", "定義されません"}},
            {},
            true,
            {"決定係数: 1", "自由度調整済み決定係数: 定義されません", "残差の標準偏差: 定義されません"},
            "",
            false},
        // Two values of x for a parabola.
        DetailsCase{"NotUnique",
                    2,
                    {"1", "1", "2"},
                    {"1", "2", "3"},
                    {0.5, 1.0, 0.25},
                    {{"2", "0.25"}, {"1", "1"}, {"0", "0.5"}},
                    {},
                    false,
                    {},
                    "x の値が 3 種類に満たないため、2 次の多項式は一つに定まりません。表示されている結果は、"
                    "同じだけよく当てはまる無数の多項式の一つです。",
                    false}),
    [](const ::testing::TestParamInfo<DetailsCase>& info) { return std::string(info.param.name); });

// The cells as the table shows them, the figures as name and value, each
// line ended by a line feed; with the decimal mark of the numbers.
TEST(FitDetailsTsvTest, IsTheHeadingsRowsAndFiguresTabSeparated) {
  FitResult described;
  described.degree = 1;
  described.coefficients[0] = 1.0;
  described.coefficients[1] = 2.5;
  const ExactFit exact = FitExactly(1, Column::FromLines({"0", "2"}), Column::FromLines({"1", "6"}));
  EXPECT_EQ(Utf8(DetailsTsv(DescribeFit(described, exact, ','))),
            "x の指数\t計算結果の係数\t厳密な係数\t信頼できる桁数\t標準誤差\t95% 信頼区間の下限\t95% "
            "信頼区間の上限\n"
            "1\t2,5\t2,5\t17\t定義されません\t定義されません\t定義されません\n"
            "0\t1\t1\t17\t定義されません\t定義されません\t定義されません\n"
            "決定係数\t1\n自由度調整済み決定係数\t定義されません\n残差の標準偏差\t定義されません\n");
}

}  // namespace
}  // namespace peruka
