// The least-squares fit: an exact line, the faults of singular and
// overflowing systems, and the order in which texts are converted.
#include "fit/fit_polynomial.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fit/column_check.h"
#include "fit/result_text.h"
#include "numeric/exceptions.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "text/shift_jis.h"

namespace peruka {
namespace {

// Counts the "powl: DOMAIN error" reports of the power function.
class FitPolynomialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLocaleDecimalMark('.');
    previous_ = SetRuntimeMessagePresenter([this](std::string_view text, std::string_view) {
      EXPECT_EQ(text, "powl: DOMAIN error");
      ++reports_;
    });
  }
  void TearDown() override { SetRuntimeMessagePresenter(std::move(previous_)); }

  // The outcome of a fit of the given degree over two column texts: the
  // result text or the exception's class and message, followed by the
  // number of reports made before it.
  std::string Outcome(int degree, const std::string& x, const std::string& y) {
    reports_ = 0;
    const Column xLines = Column::Copying(x);
    const Column yLines = Column::Copying(y);
    std::string outcome;
    try {
      const FitResult fit = FitPolynomial(degree - 1, xLines, yLines);
      fit.DeliverPendingFault();
      outcome = ResultText(fit);
    } catch (const Exception& e) {
      outcome = std::string(e.ClassName()) + " " + e.Message();
    }
    return outcome + " | reports " + std::to_string(reports_);
  }

  int reports_ = 0;
  RuntimeMessagePresenter previous_;
};

std::string Refused(const std::string& text) {
  return "EConvertError '" + text + Utf8ToShiftJis("' は浮動小数点ではありません");
}
const std::string kInvalid = "EInvalidOp " + Utf8ToShiftJis("無効な浮動小数点操作");
const std::string kOverflow = "EOverflow " + Utf8ToShiftJis("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ");

TEST_F(FitPolynomialTest, ThreePointsOnALineGiveExactCoefficients) {
  EXPECT_EQ(Outcome(1, "0\n1\n2", "1\n3\n5"),
            "y = (2.000000000000000) x^1\n   + (1.000000000000000) | reports 2");
  const FitResult fit = FitPolynomial(0, Column::Copying("0\n1\n2"), Column::Copying("1\n3\n5"));
  EXPECT_EQ(fit.degree, 1);
  EXPECT_EQ(fit.coefficients[1], 2.0);
  EXPECT_EQ(fit.coefficients[0], 1.0);
  EXPECT_FALSE(fit.lastStoreOverflowed);
}

TEST_F(FitPolynomialTest, FaultsOfTheElimination) {
  struct Row {
    const char* name;
    int degree;
    std::string x, y;
    std::string outcome;
  };
  const Row rows[] = {
      {"one point at degree 1", 1, "3", "5", kInvalid + " | reports 0"},
      {"two points at degree 2", 2, "1\n2", "1\n4", kInvalid + " | reports 0"},
      {"all x equal", 1, "2\n2\n2", "1\n3\n5", kInvalid + " | reports 0"},
      {"two zero x values", 1, "0\n0", "1\n2", kInvalid + " | reports 4"},
      // Squares of 1e-200 underflow silently to zero, and the zero pivot follows.
      {"underflow to a zero pivot", 1, "1e-200\n2e-200", "1\n2", kInvalid + " | reports 0"},
      // 1e8 to the 39th power is beyond the double range.
      {"x = 1e8 at degree 20", 20, "100000000", "1", kOverflow + " | reports 0"},
      {"right-hand side too large", 1, "1\n2", "1.7e308\n1.7e308", kOverflow + " | reports 0"},
      {"x beyond the double range", 1, "1" + std::string(309, '0'), "1", kOverflow + " | reports 0"},
      {"y beyond the double range", 1, "0\n1", "1" + std::string(309, '0') + "\n1",
       kOverflow + " | reports 2"},
  };
  for (const auto& row : rows) EXPECT_EQ(Outcome(row.degree, row.x, row.y), row.outcome) << row.name;
}

TEST_F(FitPolynomialTest, FirstRefusedTextInConversionOrder) {
  // Per point: its x text for the power sums, then x and y alternately.
  struct Row {
    const char* name;
    std::string x, y;
    std::string outcome;
  };
  const Row rows[] = {
      {"bad y of point 0 before bad x of point 1", "1\n-", "\n2", Refused("") + " | reports 0"},
      {"bad x of point 0 first", "\n1", "-\n2", Refused("") + " | reports 0"},
      {"bad x of point 0 before the reports of point 1", "-\n0", "1\n2", Refused("-") + " | reports 0"},
      {"bad x after a zero point", "0\n-", "1\n2", Refused("-") + " | reports 2"},
      {"bad y of a zero point after its two reports", "0\n1", "-\n2", Refused("-") + " | reports 2"},
      {"bad y after two zero points", "0\n0", "1\n-", Refused("-") + " | reports 4"},
      {"texts are not trimmed here", "1\n2", "1\n2 x", Refused("2 x") + " | reports 0"},
      {"the refused text whole", "1\n2", "1\n1.5.3", Refused("1.5.3") + " | reports 0"},
      // The power sums of a point are stored before its y is converted.
      {"a power sum overflow before a bad y", "1e200\n1", "-\n2", kOverflow + " | reports 0"},
      {"a power sum overflow before a y beyond doubles", "1e200\n1", "1e309\n2", kOverflow + " | reports 0"},
      {"a y beyond doubles of a point whose sums fit", "1\n2", "1e309\n2", kOverflow + " | reports 0"},
      {"a bad y of a point whose sums fit, with x far out", "1e100\n2", "-\n2",
       Refused("-") + " | reports 0"},
  };
  for (const auto& row : rows) EXPECT_EQ(Outcome(1, row.x, row.y), row.outcome) << row.name;
}

TEST_F(FitPolynomialTest, ConversionAcceptsWhatTheScanAccepts) {
  // " 1" keeps its blank (the column check would have trimmed it); "." and
  // "-." read as zero, each zero x with its two reports.
  EXPECT_EQ(Outcome(1, " 1\n2\n.", "3\n5\n-."),
            "y = (2.500000000000000) x^1\n   + (0.166666666666667) | reports 2");
}

TEST_F(FitPolynomialTest, NegativeXGivesSignedOddPowers) {
  // Exact rational solutions: y = x^3 through four points, and the least
  // squares parabola and line through the same points.
  struct Row {
    int degree;
    std::vector<double> expected;  // a_0 upwards
  };
  const Row rows[] = {
      {3, {0.0, 0.0, 0.0, 1.0}},
      {2, {-462.0 / 199.0, 949.0 / 199.0, 312.0 / 199.0}},
      {1, {186.0 / 59.0, 377.0 / 59.0}},
  };
  for (const auto& row : rows) {
    const FitResult fit =
        FitPolynomial(row.degree - 1, Column::Copying("-2\n-1\n1\n3"), Column::Copying("-8\n-1\n1\n27"));
    for (int k = 0; k <= row.degree; ++k)
      EXPECT_NEAR(fit.coefficients[k], row.expected[k], 1e-12) << "degree " << row.degree << " a_" << k;
  }
}

TEST_F(FitPolynomialTest, Degree20UsesAllSums) {
  std::string x, y;
  for (int k = 0; k <= 20; ++k) {
    x += std::to_string(k - 10) + "e-1\n";
    y += std::to_string(k * k % 7) + "\n";
  }
  const std::string text = Outcome(20, x, y);
  // x = 0 is among the points: two reports.
  ASSERT_EQ(text.substr(text.size() - 10), " reports 2");
  const std::string result = text.substr(0, text.size() - 12);
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = result.find('\n', start);
    lines.push_back(result.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[0].substr(0, 5), "y = (");
  EXPECT_EQ(lines[0].substr(lines[0].size() - 6), ") x^20");
  EXPECT_EQ(lines[10].substr(lines[10].size() - 6), ") x^10");
  EXPECT_EQ(lines[19].substr(lines[19].size() - 5), ") x^1");
  EXPECT_EQ(lines[20].substr(0, 6), "   + (");
  EXPECT_EQ(lines[20].back(), ')');
  EXPECT_EQ(lines[20].find('x'), std::string::npos);
  // The same data again gives the same text.
  EXPECT_EQ(Outcome(20, x, y), text);
}

TEST_F(FitPolynomialTest, OverflowOfTheLastStoreOnlyIsDeliveredLate) {
  struct Row {
    const char* name;
    std::string x, y;
  };
  const Row rows[] = {
      {"reference case", "1\n2",
       "16019303142165986213636093752417061591583842359200633341763215499652541511387311664977267627172734"
       "94641801740994123889267136282782101547250455731607332637269938456044792415735427314300293173434159"
       "82229364597813615886154693793209477864168084862231571196649231117292153501818799164725710676194296"
       "743455645316858\n0"},
      {"row 0 becomes 8e307 + 1.5 x 1.6e308", "1\n2", "1.6e308\n0"},
      {"negative", "1\n2", "-1.6e308\n0"},
  };
  for (const auto& row : rows) {
    const FitResult fit = FitPolynomial(0, Column::Copying(row.x), Column::Copying(row.y));
    EXPECT_TRUE(fit.lastStoreOverflowed) << row.name;
    try {
      fit.DeliverPendingFault();
      ADD_FAILURE() << row.name << ": no fault";
    } catch (const EOverflow& e) {
      EXPECT_EQ(e.Message(), Utf8ToShiftJis("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ")) << row.name;
    }
  }
  // One step earlier the overflow is delivered at once.
  EXPECT_EQ(Outcome(1, "1\n2", "1.7e308\n-1.7e308"), kOverflow + " | reports 0");
  // A good fit has nothing pending.
  EXPECT_NO_THROW(FitPolynomial(0, Column::Copying("0\n1"), Column::Copying("1\n2")).DeliverPendingFault());
}

TEST_F(FitPolynomialTest, ABlankLastLineIsRefusedNotDropped) {
  // Trimming empties the last x line but keeps it a point of the columns.
  Column x = Column::Copying("0\n1\n   ");
  Column y = Column::Copying("1\n3\n5");
  ASSERT_EQ(CheckColumns(x, y), ColumnCheck::Ok);
  ASSERT_EQ(x.Count(), 3u);
  EXPECT_THROW(FitPolynomial(0, x, y), EConvertError);
}

TEST_F(FitPolynomialTest, ColumnsOfUnequalCountAreRefused) {
  EXPECT_THROW(FitPolynomial(0, Column::Copying("1\n2"), Column::Copying("1")), std::out_of_range);
}

}  // namespace
}  // namespace peruka
