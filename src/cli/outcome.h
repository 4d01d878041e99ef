// What one calculation came to, kept apart from how it is reported: the
// check's notice, the error, or the fitted polynomial, with the place of
// the refused text where there is one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "fit/column.h"
#include "fit/column_check.h"
#include "fit/exact_fit.h"
#include "fit/fit_polynomial.h"
#include "numeric/exceptions.h"

namespace peruka::cli {

enum class OutcomeKind {
  Result,      // the fitted polynomial
  Notice,      // the column check refused the columns
  Convert,     // EConvertError
  InvalidOp,   // EInvalidOp
  Overflow,    // EOverflow
  OtherError,  // any other exception of the runtime (none is expected)
};

// A refused text: in the x column or the y column, on which line (counted
// from 1, as in the file the column came from), and its bytes (Shift-JIS) as
// the character rule or the conversion saw them.
struct Place {
  bool inY = false;
  std::size_t line = 0;
  std::string text;
};

struct Outcome {
  OutcomeKind kind = OutcomeKind::Result;
  ColumnCheck check = ColumnCheck::Ok;
  // Shift-JIS: the notice, or the error's message without the full stop
  // that the error box adds. Empty for a result.
  std::string message;
  std::size_t xCount = 0;  // line counts of the columns
  std::size_t yCount = 0;
  std::optional<Place> place;     // for NotNumeric and Convert
  FitResult fit;                  // for a result
  std::optional<ExactFit> exact;  // with an exact route, for a result
  bool exactResult = false;       // `fit` holds the exact coefficients
  std::size_t domainReports = 0;
};

// The check, then the fit of the given degree (1 to 20) on columns that hold
// every line in memory: CheckColumns and FitPolynomial, with the place of a
// refused text looked up afterwards. Errors and reports as those make them;
// domainReports is left for the caller, who sees the reports.
Outcome CalculateColumns(int degree, Column& xColumn, Column& yColumn);

// The first line that fails the character rule: the x column's lines in
// order, then the y column's.
std::optional<Place> FirstNonNumeric(const Column& xColumn, const Column& yColumn);

// The first text that does not convert (TryParseDecimal) in the order the
// calculation converts them: x of point 0, y of point 0, x of point 1, ...
// After an EConvertError of the fit, that is the text it names: an earlier
// text beyond the double range would have ended the fit with EOverflow.
std::optional<Place> FirstUnconverted(const Column& xColumn, const Column& yColumn);

// The notice (UTF-8) for points whose x values have fewer than degree + 1
// distinct values: the polynomial of that degree is not unique.
std::string NotUniqueNotice(int degree);

// The outcome of an exception of the runtime.
void SetError(const Exception& error, Outcome& outcome);

}  // namespace peruka::cli
