#include "cli/stream_fit.h"

#include "cli/pairs.h"
#include "fit/fit_polynomial.h"
#include "numeric/decimal_parse.h"
#include "text/numeric_text.h"
#include "text/trim.h"

namespace peruka::cli {

PointByPointCalculation::PointByPointCalculation(int degree) : degree_(degree), builder_(degree) {}

void PointByPointCalculation::AddPoint(std::string_view xLine, std::string_view yLine) {
  const std::size_t line = ++points_;
  const std::string_view x = TrimmedView(xLine);
  const std::string_view y = TrimmedView(yLine);
  if (!nonNumericX_ && !IsNumericText(x)) nonNumericX_ = Place{false, line, std::string(x)};
  if (!nonNumericY_ && !IsNumericText(y)) nonNumericY_ = Place{true, line, std::string(y)};
  // Once the check is sure to fail, or the fit has failed, only the rule's
  // places and the counts matter.
  if (error_ || nonNumericX_ || nonNumericY_) return;
  try {
    builder_.Add(x, y);
  } catch (const Exception& error) {
    Outcome outcome;
    SetError(error, outcome);
    if (outcome.kind == OutcomeKind::Convert) {
      // Every earlier text converted, and x comes before y.
      double ignored = 0.0;
      const bool inY = TryParseDecimal(x, ignored);
      outcome.place = Place{inY, line, std::string(inY ? y : x)};
    }
    error_ = std::move(outcome);
  }
}

Outcome PointByPointCalculation::Finish(std::size_t xCount, std::size_t yCount, const HeldMessages& reports) {
  Outcome outcome;
  if (xCount != yCount) {
    outcome.check = ColumnCheck::CountsDiffer;
  } else if (xCount == 0) {
    outcome.check = ColumnCheck::NoData;
  } else if (nonNumericX_ || nonNumericY_) {
    outcome.check = ColumnCheck::NotNumeric;
    outcome.place = nonNumericX_ ? nonNumericX_ : nonNumericY_;
  } else if (error_) {
    outcome = std::move(*error_);
  } else {
    try {
      outcome.fit = Eliminate(degree_, builder_.Sums());
      outcome.fit.DeliverPendingFault();
    } catch (const Exception& error) {
      SetError(error, outcome);
    }
  }
  outcome.xCount = xCount;
  outcome.yCount = yCount;
  if (outcome.check != ColumnCheck::Ok) {
    outcome.kind = OutcomeKind::Notice;
    outcome.message = std::string(NoticeText(outcome.check));
  } else {
    outcome.domainReports = reports.Count();
  }
  return outcome;
}

Outcome StreamColumns(int degree, ColumnLineReader& xLines, ColumnLineReader& yLines, HeldMessages& reports) {
  PointByPointCalculation calculation(degree);
  const HoldMessagesScope hold(reports);
  std::size_t xCount = 0;
  std::size_t yCount = 0;
  std::string_view x;
  std::string_view y;
  for (;;) {
    const bool hasX = xLines.Next(x);
    const bool hasY = yLines.Next(y);
    xCount += hasX;
    yCount += hasY;
    if (!hasX || !hasY) break;
    calculation.AddPoint(x, y);
  }
  while (xLines.Next(x)) ++xCount;
  while (yLines.Next(y)) ++yCount;
  return calculation.Finish(xCount, yCount, reports);
}

Outcome StreamPairs(int degree, ColumnLineReader& lines, char decimalMark, HeldMessages& reports) {
  PointByPointCalculation calculation(degree);
  const HoldMessagesScope hold(reports);
  std::size_t count = 0;
  std::string_view line;
  while (lines.Next(line)) {
    ++count;
    const std::size_t separator = PairSeparator(line, decimalMark);
    if (separator == std::string_view::npos) throw PairsFormatError{lines.Name(), count};
    calculation.AddPoint(line.substr(0, separator), line.substr(separator + 1));
  }
  return calculation.Finish(count, count, reports);
}

}  // namespace peruka::cli
