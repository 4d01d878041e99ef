#include "cli/point_batches.h"

#include <algorithm>

#include "cli/pairs.h"
#include "fit/fit_polynomial.h"
#include "numeric/decimal_parse.h"
#include "numeric/faults.h"
#include "text/numeric_text.h"
#include "text/shift_jis.h"
#include "text/trim.h"

namespace peruka::cli {

void PointBatch::Clear() {
  points.clear();
  texts.clear();
  last = false;
  failure = nullptr;
}

PointReader::PointReader(int degree, ColumnLineReader& xLines, ColumnLineReader* yLines, char decimalMark,
                         bool allTexts, const PairsLayout& layout)
    : needs_(degree),
      xLines_(xLines),
      yLines_(yLines),
      decimalMark_(decimalMark),
      allTexts_(allTexts),
      layout_(layout) {
  if (layout_.table && layout_.delimiter) picker_.emplace(*layout_.delimiter, layout_.xField, layout_.yField);
}

void PointReader::PickFields(std::string_view line, std::string_view& x, std::string_view& y) {
  const std::size_t lineNumber = skipped_ + xCount_;
  if (!picker_) {
    const std::optional<FieldDelimiter> detected = DetectFieldDelimiter(line, decimalMark_);
    if (!detected)
      throw PairsFormatError{xLines_.Name(),     lineNumber, PairsFormatError::Kind::NoDelimiter, 0, 0,
                             FieldDelimiter::Tab};
    picker_.emplace(*detected, layout_.xField, layout_.yField);
  }
  const std::size_t fields = picker_->Pick(line, x, y);
  const std::size_t wanted = std::max(layout_.xField, layout_.yField);
  if (fields <= wanted)
    throw PairsFormatError{xLines_.Name(), lineNumber, PairsFormatError::Kind::TooFewFields,
                           fields,         wanted + 1, picker_->Delimiter()};
}

bool PointReader::NextPoint(std::string_view& x, std::string_view& y) {
  if (yLines_ == nullptr) {
    std::string_view line;
    for (; skipped_ < layout_.skippedLines; ++skipped_)
      if (!xLines_.Next(line)) return false;
    if (!xLines_.Next(line)) return false;
    ++xCount_;
    ++yCount_;
    if (layout_.table) {
      PickFields(line, x, y);
      return true;
    }
    const std::size_t separator = PairSeparator(line, decimalMark_);
    if (separator == std::string_view::npos) throw PairsFormatError{xLines_.Name(), skipped_ + xCount_};
    x = line.substr(0, separator);
    y = line.substr(separator + 1);
    return true;
  }
  const bool hasX = xLines_.Next(x);
  const bool hasY = yLines_->Next(y);
  xCount_ += hasX;
  yCount_ += hasY;
  if (hasX && hasY) return true;
  // The counts differ (or both files have ended): only the counts matter.
  while (xLines_.Next(x)) ++xCount_;
  while (yLines_->Next(y)) ++yCount_;
  return false;
}

void PointReader::Take(std::string_view xLine, std::string_view yLine, PointBatch& batch) {
  const std::size_t line = skipped_ + xCount_;
  const std::string_view x = TrimmedView(xLine);
  const std::string_view y = TrimmedView(yLine);
  // Most data texts are plain decimals, which pass the character rule and
  // convert by the short route; only the others take the two full steps.
  PointBatch::Point point;
  ConvertedPoint& values = point.values;
  values.xConverts = TryParsePlainDecimal(x, values.x);
  values.yConverts = TryParsePlainDecimal(y, values.y);
  if (!values.xConverts) {
    if (!nonNumericX_ && !IsNumericText(x)) nonNumericX_ = Place{false, line, std::string(x)};
    values.xConverts = TryParseDecimal(x, values.x);
  }
  if (!values.yConverts) {
    if (!nonNumericY_ && !IsNumericText(y)) nonNumericY_ = Place{true, line, std::string(y)};
    values.yConverts = TryParseDecimal(y, values.y);
  }
  // Once the check is sure to fail, only the rule's places and the counts
  // matter: no further point goes to the arithmetic.
  if (nonNumericX_ || nonNumericY_) return;
  point.plain = !needs_.NeedsTexts(values);
  point.hasTexts = !point.plain || allTexts_;
  if (point.hasTexts) {
    point.textsAt = batch.texts.size();
    point.xLength = x.size();
    point.yLength = y.size();
    batch.texts.append(x).append(y);
  }
  batch.points.push_back(point);
}

void PointReader::Fill(PointBatch& batch) {
  batch.Clear();
  std::string_view x;
  std::string_view y;
  while (batch.points.size() < kBatchPoints) {
    if (!NextPoint(x, y)) {
      batch.last = true;
      return;
    }
    Take(x, y, batch);
  }
}

PointArithmetic::PointArithmetic(int degree, FitRoutes routes, char decimalMark, std::size_t skippedLines)
    : degree_(degree), routes_(routes), decimalMark_(decimalMark), line_(skippedLines), builder_(degree) {
  if (routes != FitRoutes::Described) exact_.emplace(degree);
}

bool PointArithmetic::AddDescribed(const PointBatch& batch, const PointBatch::Point& point,
                                   std::size_t line) {
  if (point.plain) {
    builder_.AddPlain(point.values);  // raises nothing
    return true;
  }
  try {
    builder_.Add(point.values, batch.XText(point), batch.YText(point));
    return true;
  } catch (const Exception& error) {
    Outcome outcome;
    SetError(error, outcome);
    if (outcome.kind == OutcomeKind::Convert) {
      // Every earlier text converted, and x comes before y.
      const bool inY = point.values.xConverts;
      outcome.place = Place{inY, line, std::string(inY ? batch.YText(point) : batch.XText(point))};
    }
    error_ = std::move(outcome);
    return false;
  }
}

void PointArithmetic::SetConversionError(const PointBatch& batch, const PointBatch::Point& point,
                                         std::size_t line) {
  const bool inY = point.values.xConverts;
  const std::string_view text = inY ? batch.YText(point) : batch.XText(point);
  Outcome outcome;
  try {
    ParseDecimal(text);  // raises the conversion's own error: refused, or beyond the double range
  } catch (const Exception& error) {
    SetError(error, outcome);
  }
  if (outcome.kind == OutcomeKind::Convert) outcome.place = Place{inY, line, std::string(text)};
  error_ = std::move(outcome);
}

void PointArithmetic::Add(const PointBatch& batch) {
  for (const PointBatch::Point& point : batch.points) {
    if (error_) return;
    const std::size_t line = ++line_;
    if (routes_ != FitRoutes::Exact && !AddDescribed(batch, point, line)) return;
    if (!exact_) continue;
    if (!point.values.xConverts || !point.values.yConverts) {
      SetConversionError(batch, point, line);
      return;
    }
    exact_->Add(batch.XText(point), batch.YText(point), decimalMark_);
  }
}

void PointArithmetic::SetExactResult(Outcome& outcome) const {
  const ExactFit& exact = *outcome.exact;
  if (!exact.Unique()) {
    outcome.kind = OutcomeKind::Notice;
    outcome.message = Utf8ToShiftJis(NotUniqueNotice(degree_));
    return;
  }
  if (!exact.Finite()) {
    try {
      RaiseFault(kFaultFloatOverflow);
    } catch (const Exception& error) {
      SetError(error, outcome);
    }
    return;
  }
  outcome.exactResult = true;
  outcome.fit.degree = degree_;
  for (int k = 0; k <= degree_; ++k)
    outcome.fit.coefficients[static_cast<std::size_t>(k)] = exact.Coefficient(k);
}

Outcome PointArithmetic::Finish(const PointReader& reader, const HeldMessages& reports) {
  Outcome outcome;
  const std::size_t xCount = reader.XCount();
  const std::size_t yCount = reader.YCount();
  if (xCount != yCount) {
    outcome.check = ColumnCheck::CountsDiffer;
  } else if (xCount == 0) {
    outcome.check = ColumnCheck::NoData;
  } else if (reader.NonNumericX() || reader.NonNumericY()) {
    outcome.check = ColumnCheck::NotNumeric;
    outcome.place = reader.NonNumericX() ? reader.NonNumericX() : reader.NonNumericY();
  } else if (error_) {
    outcome = std::move(*error_);
  } else if (routes_ == FitRoutes::Exact) {
    outcome.exact = ExactFit::Solve(*exact_);
    SetExactResult(outcome);
  } else {
    try {
      builder_.Finish();
      outcome.fit = Eliminate(degree_, builder_.Sums());
      outcome.fit.DeliverPendingFault();
      if (exact_) outcome.exact = ExactFit::Solve(*exact_);
    } catch (const Exception& error) {
      SetError(error, outcome);
    }
  }
  outcome.xCount = xCount;
  outcome.yCount = yCount;
  if (outcome.check != ColumnCheck::Ok) {
    outcome.exact.reset();
    outcome.kind = OutcomeKind::Notice;
    outcome.message = std::string(NoticeText(outcome.check));
  } else {
    outcome.domainReports = reports.Count();
  }
  return outcome;
}

}  // namespace peruka::cli
