#include "cli/outcome.h"

#include "numeric/decimal_parse.h"
#include "text/numeric_text.h"

namespace peruka::cli {

namespace {

Place PlaceOf(bool inY, std::size_t index, std::string_view text) {
  return Place{inY, index + 1, std::string(text)};
}

}  // namespace

std::optional<Place> FirstNonNumeric(const Column& xColumn, const Column& yColumn) {
  for (const bool inY : {false, true}) {
    const Column& column = inY ? yColumn : xColumn;
    for (std::size_t i = 0; i < column.Count(); ++i)
      if (!IsNumericText(column[i])) return PlaceOf(inY, i, column[i]);
  }
  return std::nullopt;
}

std::optional<Place> FirstUnconverted(const Column& xColumn, const Column& yColumn) {
  double ignored = 0.0;
  for (std::size_t r = 0; r < xColumn.Count() && r < yColumn.Count(); ++r) {
    if (!TryParseDecimal(xColumn[r], ignored)) return PlaceOf(false, r, xColumn[r]);
    if (!TryParseDecimal(yColumn[r], ignored)) return PlaceOf(true, r, yColumn[r]);
  }
  return std::nullopt;
}

std::string NotUniqueNotice(int degree) {
  return "x の値が " + std::to_string(degree + 1) + " 種類より少ないので、" + std::to_string(degree) +
         " 次の最小二乗多項式は一つに決まりません (無数にあります)";
}

void SetError(const Exception& error, Outcome& outcome) {
  if (dynamic_cast<const EConvertError*>(&error) != nullptr)
    outcome.kind = OutcomeKind::Convert;
  else if (dynamic_cast<const EInvalidOp*>(&error) != nullptr)
    outcome.kind = OutcomeKind::InvalidOp;
  else if (dynamic_cast<const EOverflow*>(&error) != nullptr)
    outcome.kind = OutcomeKind::Overflow;
  else
    outcome.kind = OutcomeKind::OtherError;
  outcome.message = error.Message();
}

Outcome CalculateColumns(int degree, Column& xColumn, Column& yColumn) {
  Outcome outcome;
  outcome.xCount = xColumn.Count();
  outcome.yCount = yColumn.Count();
  outcome.check = CheckColumns(xColumn, yColumn);
  if (outcome.check != ColumnCheck::Ok) {
    outcome.kind = OutcomeKind::Notice;
    outcome.message = std::string(NoticeText(outcome.check));
    if (outcome.check == ColumnCheck::NotNumeric) outcome.place = FirstNonNumeric(xColumn, yColumn);
    return outcome;
  }
  try {
    outcome.fit = FitPolynomial(degree - 1, xColumn, yColumn);
    outcome.fit.DeliverPendingFault();
  } catch (const Exception& error) {
    SetError(error, outcome);
    if (outcome.kind == OutcomeKind::Convert) outcome.place = FirstUnconverted(xColumn, yColumn);
  }
  return outcome;
}

}  // namespace peruka::cli
