// Whole fits computed by an independent implementation: the result text, the
// error, and the number of "powl: DOMAIN error" reports before either.
#include <gtest/gtest.h>

#include "fit/column.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "numeric/exceptions.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "test_data.h"

namespace peruka {
namespace {

struct FitCase {
  int degree = 0;
  std::vector<std::string> x, y;
  std::string expected;
  int domainBoxes = 0;
  std::size_t line = 0;
};

std::vector<FitCase> LoadCases() {
  std::vector<FitCase> cases;
  const auto lines = testing::DataLines("fits.txt");
  std::size_t i = 0;
  while (i < lines.size()) {
    if (lines[i].empty()) {
      ++i;
      continue;
    }
    FitCase c;
    c.line = i + 1;
    c.degree = std::stoi(lines[i].substr(7));
    ++i;
    for (; lines[i] != "EXPECT"; ++i) {
      const auto tab = lines[i].find('\t');
      c.x.push_back(lines[i].substr(0, tab));
      c.y.push_back(lines[i].substr(tab + 1));
    }
    ++i;
    std::string expected;
    for (; lines[i].rfind("DOMAINBOXES ", 0) != 0; ++i) expected += lines[i] + "\n";
    c.expected = expected;
    c.domainBoxes = std::stoi(lines[i].substr(12));
    ++i;
    cases.push_back(std::move(c));
  }
  return cases;
}

TEST(ReferenceFits, EveryCaseGivesTheSameTextErrorAndBoxes) {
  SetLocaleDecimalMark('.');
  int boxes = 0;
  auto previous = SetRuntimeMessagePresenter([&](std::string_view text, std::string_view) {
    EXPECT_EQ(text, "powl: DOMAIN error");
    ++boxes;
  });
  auto cases = LoadCases();
  ASSERT_GT(cases.size(), 50u);
  int failures = 0;
  for (auto& c : cases) {
    boxes = 0;
    std::string actual;
    try {
      const FitResult fit = FitPolynomial(c.degree - 1, Column::FromLines(c.x), Column::FromLines(c.y));
      try {
        fit.DeliverPendingFault();
        actual = ResultText(fit) + "\n";
      } catch (const EOverflow&) {
        actual = "ERR overflow-last\n";
      }
    } catch (const EConvertError& e) {
      // The message quotes the refused text.
      const std::string& m = e.Message();
      actual = "ERR convert " + m.substr(1, m.rfind('\'') - 1) + "\n";
    } catch (const EInvalidOp&) {
      actual = "ERR invalid\n";
    } catch (const EOverflow&) {
      actual = "ERR overflow\n";
    }
    if ((actual != c.expected || boxes != c.domainBoxes) && ++failures <= 10)
      ADD_FAILURE() << "case at line " << c.line << "\nexpected:\n"
                    << c.expected << "boxes " << c.domainBoxes << "\ngot:\n"
                    << actual << "boxes " << boxes;
  }
  EXPECT_EQ(failures, 0);
  SetRuntimeMessagePresenter(previous);
}

}  // namespace
}  // namespace peruka
