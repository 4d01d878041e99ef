// The exact fit against the independent model of tests/fit/exact_model.py:
// every figure of every case in tests/data/exact_fits.txt bit for bit, by
// every route (point by point, merged halves, the columns under either
// decimal mark); a known polynomial returned exactly; the trusted digits of
// the described fit; Student's t quantile.
#include "fit/exact_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fit/column.h"
#include "fit/exact_power_sums.h"
#include "fit/exact_sums_integers.h"
#include "fit/fit_polynomial.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "test_data.h"

namespace peruka {
namespace {

std::string Hex(double value) {
  std::uint64_t pattern;
  std::memcpy(&pattern, &value, sizeof pattern);
  char text[20];
  std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(pattern));
  return text;
}

double FromHex(const std::string& hex) {
  const std::uint64_t pattern = testing::ParseHex64(hex);
  double value;
  std::memcpy(&value, &pattern, sizeof value);
  return value;
}

std::string Optional(const std::optional<double>& value) { return value ? Hex(*value) : "-"; }

// The figures in the table's own lines, so that one string comparison shows
// every difference.
std::string Figures(const ExactFit& fit) {
  if (!fit.Unique()) {
    std::string text = "NOTUNIQUE\n";
    // Nothing but the counts is given.
    if (fit.ResidualSumOfSquares() || fit.RSquared() || fit.AdjustedRSquared() ||
        fit.ResidualStandardDeviation() || fit.StandardError(0) || fit.TQuantile() ||
        fit.ConfidenceInterval(0))
      text += "but a figure is given\n";
    return text;
  }
  std::string coefficients = "COEF", errors = "SE";
  for (int k = 0; k <= fit.Degree(); ++k) {
    coefficients += " " + Hex(fit.Coefficient(k));
    errors += " " + Optional(fit.StandardError(k));
    if (fit.ConfidenceInterval(k).has_value() != fit.StandardError(k).has_value())
      errors += " (interval of x^" + std::to_string(k) + " given unlike its standard error)";
  }
  std::string text = coefficients + "\n" + errors + "\n";
  text += "S " + Optional(fit.ResidualStandardDeviation()) + "\n";
  text += "RSS " + Optional(fit.ResidualSumOfSquares()) + "\n";
  text += "R2 " + Optional(fit.RSquared()) + "\n";
  text += "ADJR2 " + Optional(fit.AdjustedRSquared()) + "\n";
  if (fit.TQuantile().has_value() != (fit.DegreesOfFreedom() > 0))
    text += "t quantile given unlike the freedom\n";
  return text;
}

struct Trust {
  int power = 0;
  double described = 0.0;
  int digits = 0;
};

struct ExactCase {
  std::string name;
  int degree = 0;
  std::vector<std::string> x, y;
  std::string figures;  // as Figures writes them
  std::vector<Trust> trust;
};

std::vector<ExactCase> LoadCases() {
  std::vector<ExactCase> cases;
  ExactCase c;
  for (const std::string& line : testing::DataLines("exact_fits.txt")) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (key == "CASE") {
      c = ExactCase{};
      c.name = rest;
    } else if (key == "DEGREE") {
      c.degree = std::stoi(rest);
    } else if (key == "POINT") {
      const std::size_t tab = rest.find('\t');
      c.x.push_back(rest.substr(0, tab));
      c.y.push_back(rest.substr(tab + 1));
    } else if (key == "TRUST") {
      char hex[32];
      Trust t;
      if (std::sscanf(rest.c_str(), "%d %31s %d", &t.power, hex, &t.digits) != 3)
        throw std::runtime_error("bad TRUST line: " + line);
      t.described = FromHex(hex);
      c.trust.push_back(t);
    } else if (key == "END") {
      cases.push_back(c);
    } else {
      c.figures += line + "\n";
    }
  }
  return cases;
}

ExactPowerSums SumsOf(const ExactCase& c, std::size_t from, std::size_t to, char mark = '.',
                      ExactPowerSums::Grouping grouping = ExactPowerSums::Grouping::ByX) {
  ExactPowerSums sums(c.degree, grouping);
  for (std::size_t i = from; i < to; ++i) sums.Add(c.x[i], c.y[i], mark);
  return sums;
}

class ExactFitTable : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLocaleDecimalMark('.');
    cases_ = LoadCases();
    ASSERT_EQ(cases_.size(), 60u);
  }
  void TearDown() override { SetLocaleDecimalMark('.'); }
  std::vector<ExactCase> cases_;
};

TEST_F(ExactFitTable, EveryFigureHasTheModelsBits) {
  for (const ExactCase& c : cases_) {
    const ExactFit fit = ExactFit::Solve(SumsOf(c, 0, c.x.size()));
    EXPECT_EQ(Figures(fit), c.figures) << c.name;
    EXPECT_EQ(fit.Points(), c.x.size()) << c.name;
    EXPECT_EQ(fit.DegreesOfFreedom(), static_cast<long>(c.x.size()) - c.degree - 1) << c.name;
    if (!fit.Unique()) {
      EXPECT_THROW(fit.Coefficient(0), std::logic_error) << c.name;
      EXPECT_THROW(fit.TrustedDigits(0, 1.0), std::logic_error) << c.name;
      continue;
    }
    for (const Trust& t : c.trust)
      EXPECT_EQ(fit.TrustedDigits(t.power, t.described), t.digits)
          << c.name << " x^" << t.power << " described " << Hex(t.described);
  }
}

TEST_F(ExactFitTable, MergedPartsGiveTheSameBitsAsOnePass) {
  for (const ExactCase& c : cases_) {
    for (std::size_t split = 0; split <= c.x.size(); ++split) {
      ExactPowerSums first = SumsOf(c, 0, split);
      first.Merge(SumsOf(c, split, c.x.size()));
      EXPECT_EQ(first.Points(), c.x.size());
      EXPECT_EQ(Figures(ExactFit::Solve(first)), c.figures) << c.name << " split at " << split;
    }
  }
}

TEST_F(ExactFitTable, UngroupedRouteGivesTheSameBits) {
  for (const ExactCase& c : cases_)
    EXPECT_EQ(Figures(ExactFit::Solve(SumsOf(c, 0, c.x.size(), '.', ExactPowerSums::Grouping::None))),
              c.figures)
        << c.name;
}

// Enough distinct x values to fill the groups' table several times, some
// repeated, some too long for 64 bits, and a y scale that grows midway.
TEST(ExactPowerSums, GroupedAndUngroupedSumsAreTheSameIntegers) {
  ExactPowerSums grouped(3, ExactPowerSums::Grouping::ByX);
  ExactPowerSums plain(3, ExactPowerSums::Grouping::None);
  for (int i = 0; i < 30000; ++i) {
    const std::string x =
        i % 5000 == 7 ? "123456789012345678901.5" : std::to_string((i * 7919) % 20011 - 10000) + ".25";
    const std::string y = i < 15000 ? std::to_string(i % 97) : std::to_string(i % 89) + ".125";
    grouped.Add(x, y, '.');
    plain.Add(x, y, '.');
  }
  const ExactSumIntegers& a = grouped.Integers();
  const ExactSumIntegers& b = plain.Integers();
  EXPECT_EQ(a.points, b.points);
  EXPECT_EQ(a.xScale, b.xScale);
  EXPECT_EQ(a.yScale, b.yScale);
  EXPECT_EQ(a.s, b.s);
  EXPECT_EQ(a.r, b.r);
  EXPECT_EQ(a.q, b.q);
}

TEST_F(ExactFitTable, ColumnsGiveTheSameBitsUnderEitherMark) {
  for (const char mark : {'.', ','}) {
    SetLocaleDecimalMark(mark);
    for (const ExactCase& c : cases_) {
      std::vector<std::string> x = c.x, y = c.y;
      for (std::vector<std::string>* text : {&x, &y})
        for (std::string& line : *text) std::replace(line.begin(), line.end(), '.', mark);
      const ExactFit fit = FitExactly(c.degree, Column::FromLines(x), Column::FromLines(y));
      EXPECT_EQ(Figures(fit), c.figures) << c.name << " mark " << mark;
    }
  }
}

TEST(ExactPowerSums, RefusesOtherTextsAndOtherDegrees) {
  ExactPowerSums sums(2);
  // Which texts split is decimal_digits_test.cpp's; here only that a refusal adds nothing.
  for (const char* text : {"-", "1e5"}) EXPECT_THROW(sums.Add(text, "1", '.'), std::invalid_argument) << text;
  EXPECT_THROW(sums.Add("1", "1.5", ','), std::invalid_argument);
  EXPECT_EQ(sums.Points(), 0u);
  EXPECT_THROW(sums.Merge(ExactPowerSums(3)), std::invalid_argument);
  EXPECT_THROW(ExactPowerSums(-1), std::out_of_range);
}

// y = Σ c_k·x^k / 10^places at integer x, written out as decimals: the fit
// is that polynomial, each coefficient the double nearest to c_k / 10^places.
struct KnownPolynomial {
  int places;
  std::vector<long long> scaled;  // c_0..c_n
  std::vector<long long> x;
};

std::string ScaledText(long long value, int places) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) <= places) digits.insert(0, places + 1 - digits.size(), '0');
  if (places > 0) digits.insert(digits.size() - places, ".");
  return (value < 0 ? "-" : "") + digits;
}

TEST(ExactFit, KnownPolynomialIsReturnedExactly) {
  const KnownPolynomial table[] = {
      {1, {1, -2}, {-3, -1, 0, 2, 5}},                      // 0.1 − 0.2x
      {3, {1500, -250, 3, 2000}, {-2, -1, 0, 1, 3, 4, 7}},  // 1.5 − 0.25x + 0.003x² + 2x³
      {2, {-700, 0, 13}, {-3, -1, 1, 3}},                   // a zero coefficient
      {1, {7, 6, 5, 4, 3, 2, 1}, {-4, -3, -2, -1, 0, 1, 2, 3, 4, 5}},
      {0, {123456789, 0, 0, 0, 0, -1}, {-3, -2, -1, 0, 1, 2, 3}},
  };
  for (const KnownPolynomial& p : table) {
    const int degree = static_cast<int>(p.scaled.size()) - 1;
    std::vector<std::string> xs, ys;
    for (const long long x : p.x) {
      long long y = 0, power = 1;
      for (const long long c : p.scaled) y += c * power, power *= x;
      xs.push_back(std::to_string(x));
      ys.push_back(ScaledText(y, p.places));
    }
    SetLocaleDecimalMark('.');
    const ExactFit fit = FitExactly(degree, Column::FromLines(xs), Column::FromLines(ys));
    ASSERT_TRUE(fit.Unique());
    for (int k = 0; k <= degree; ++k) {
      const std::string text = ScaledText(p.scaled[k], p.places);
      EXPECT_EQ(Hex(fit.Coefficient(k)), Hex(std::strtod(text.c_str(), nullptr))) << "x^" << k << " " << text;
      EXPECT_EQ(fit.StandardError(k), 0.0) << "x^" << k;
    }
    EXPECT_EQ(fit.ResidualSumOfSquares(), 0.0);
    EXPECT_EQ(fit.ResidualStandardDeviation(), 0.0);
    EXPECT_EQ(fit.RSquared(), 1.0);
    EXPECT_EQ(fit.AdjustedRSquared(), 1.0);
  }
}

// The described fit (the extended-precision elimination) against the exact
// one: the digits each coefficient keeps, as the model computes them from
// the described doubles.
struct DescribedCase {
  std::vector<std::string> x, y;
  std::vector<int> digits;  // of x^0..x^n
  std::vector<LowTrust> low;
};

TEST(ExactFit, TrustedDigitsOfTheDescribedFit) {
  const DescribedCase table[] = {
      {{"0", "1", "2"}, {"1", "3", "5"}, {17, 17}, {}},
      // Degree 8 over x = 1..14: the normal equations lose about eleven
      // digits, and three coefficients keep fewer than six.
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"},
       {"10.1", "8.2", "7.3", "7.4", "8.5", "10.6", "0.7", "4.8", "9.9", "2.10", "9.11", "4.12", "0.13",
        "10.14"},
       {5, 6, 6, 6, 6, 6, 6, 5, 5},
       {{8, 5}, {7, 5}, {0, 5}}},
  };
  SetLocaleDecimalMark('.');
  // The power function reports 0^0 of the described fit's sums; not checked here.
  auto previous = SetRuntimeMessagePresenter([](std::string_view, std::string_view) {});
  for (const DescribedCase& c : table) {
    const int degree = static_cast<int>(c.digits.size()) - 1;
    const FitResult described = FitPolynomial(degree - 1, Column::FromLines(c.x), Column::FromLines(c.y));
    const ExactFit exact = FitExactly(degree, Column::FromLines(c.x), Column::FromLines(c.y));
    ASSERT_EQ(exact.Degree(), degree);
    for (int k = 0; k <= degree; ++k)
      EXPECT_EQ(exact.TrustedDigits(k, described.coefficients[static_cast<std::size_t>(k)]), c.digits[k])
          << "degree " << degree << " x^" << k;
    const std::vector<LowTrust> low = LowTrustCoefficients(exact, described);
    ASSERT_EQ(low.size(), c.low.size()) << "degree " << degree;
    for (std::size_t i = 0; i < low.size(); ++i) {
      EXPECT_EQ(low[i].power, c.low[i].power) << "degree " << degree << " entry " << i;
      EXPECT_EQ(low[i].digits, c.low[i].digits) << "degree " << degree << " entry " << i;
    }
  }
  SetRuntimeMessagePresenter(previous);
}

// Around the exact coefficients 0, 0 and 10 of y = 10x² on symmetric x,
// at the edges of the digit count (the digits as the model computes them).
TEST(ExactFit, TrustedDigitsAtTheirEdges) {
  SetLocaleDecimalMark('.');
  const ExactFit fit = FitExactly(2, Column::FromLines({"-2", "-1", "0", "1", "2"}),
                                  Column::FromLines({"40", "10", "0", "10", "40"}));
  ASSERT_TRUE(fit.Unique());
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const struct {
    int power;
    double described;
    int digits;
  } table[] = {
      {1, 0.0, kMaxTrustedDigits},
      {1, -0.0, kMaxTrustedDigits},
      {1, 4.9406564584124654e-324, 0},
      {2, 10.0, kMaxTrustedDigits},
      {2, 11.0, 1},  // an error of exactly a tenth
      {2, 11.000000000000002, 0},
      {2, 9.0, 1},
      {2, 8.999999999999998, 0},
      {2, 10.000000000000002, 15},
      {2, 10.00001, 6},  // the double is just below 10.00001
      {2, 9.99999, 6},
      {2, -10.0, 0},
      {2, 1e300, 0},
      {2, kInfinity, 0},
      {2, -kInfinity, 0},
      {2, std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& row : table)
    EXPECT_EQ(fit.TrustedDigits(row.power, row.described), row.digits)
        << "x^" << row.power << " described " << row.described;
}

// Student's t quantile of 0.975, to the values of an independent
// 60-digit inversion of the distribution (the first two in closed form:
// cot(π/40) and 0.95·sqrt(2/0.0975)).
TEST(ExactFit, TQuantileForSomeDegreesOfFreedom) {
  struct Row {
    int freedom;
    double quantile;
  };
  const Row table[] = {{1, 12.706204736174705}, {2, 4.302652729749464},  {3, 3.1824463052837095},
                       {10, 2.228138851986275}, {30, 2.042272456301238}, {100, 1.9839715185235522}};
  for (const Row& row : table) {
    // freedom + 2 points on a line, y not on it.
    std::vector<std::string> x, y;
    for (int i = 0; i < row.freedom + 2; ++i) {
      x.push_back(std::to_string(i));
      y.push_back(std::to_string(i * i % 7));
    }
    const ExactFit fit = FitExactly(1, Column::FromLines(x), Column::FromLines(y));
    ASSERT_EQ(fit.DegreesOfFreedom(), row.freedom);
    ASSERT_TRUE(fit.TQuantile().has_value());
    EXPECT_NEAR(*fit.TQuantile(), row.quantile, row.quantile * 1e-13) << "freedom " << row.freedom;
  }
}

}  // namespace
}  // namespace peruka

namespace peruka {
namespace {

// The errors at a new x of the quadratic fit to (0, 1.1), (1, 1.9), ...,
// (7, 50.3): sqrt(s²·vᵀA⁻¹v) and sqrt(s²·(1 + vᵀA⁻¹v)), computed in Python's
// fractions and rounded once.
TEST(ExactFit, StandardErrorsAtNewX) {
  const std::vector<std::string> x = {"0", "1", "2", "3", "4", "5", "6", "7"};
  const std::vector<std::string> y = {"1.1", "1.9", "5.2", "9.8", "17.1", "26.2", "36.9", "50.3"};
  ExactPowerSums sums(2);
  for (std::size_t i = 0; i < x.size(); ++i) sums.Add(x[i], y[i], '.');
  const ExactFit fit = ExactFit::Solve(sums);
  const struct {
    const char* x;
    double mean;
    double prediction;
  } rows[] = {
      {"3.5", 0x1.a1e8005670077p-4, 0x1.b9415ec087189p-3},
      {"-1.25", 0x1.2fee4e14151bcp-2, 0x1.68be18bd01eadp-2},
      {"100", 0x1.1095b10214236p+7, 0x1.1095c2530b08cp+7},
      {"0.001", 0x1.46eb9a3fd3fa9p-3, 0x1.fbdc288f3faf3p-3},
      // Leading zeros with digits an octal reading would refuse or misread.
      {"0.12", 0x1.32fd0f2a1ddf4p-3, 0x1.ef43af881a132p-3},
      {"0.8", 0x1.b9fe027b87d1ep-4, 0x1.bf15850d54904p-3},
  };
  for (const auto& row : rows) {
    const auto errors = fit.StandardErrorsAt(row.x, '.');
    ASSERT_TRUE(errors) << row.x;
    EXPECT_EQ(errors->mean, row.mean) << row.x;
    EXPECT_EQ(errors->prediction, row.prediction) << row.x;
  }
  // At x = 0 the mean's error is the constant term's.
  EXPECT_EQ(fit.StandardErrorsAt("0", '.')->mean, *fit.StandardError(0));
  EXPECT_THROW(fit.StandardErrorsAt("1e5", '.'), std::invalid_argument);
  // No degrees of freedom: undefined.
  ExactPowerSums three(2);
  for (std::size_t i = 0; i < 3; ++i) three.Add(x[i], y[i], '.');
  EXPECT_FALSE(ExactFit::Solve(three).StandardErrorsAt("1", '.'));
}

}  // namespace
}  // namespace peruka
