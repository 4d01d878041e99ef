#include "fit/column_check.h"

#include <string>

#include "text/numeric_text.h"

namespace peruka {

namespace {
// xとyのデータ数が違うよ(･･､)
constexpr std::string_view kCountsDiffer =
    "x\x82\xC6y\x82\xCC\x83\x66\x81[\x83^\x90\x94\x82\xAA\x88\xE1\x82\xA4\x82\xE6(\xA5\xA5\xA4)";
// データが入力されてないよ(･･､)
constexpr std::string_view kNoData =
    "\x83\x66\x81[\x83^\x82\xAA\x93\xFC\x97\xCD\x82\xB3\x82\xEA\x82\xC4\x82\xC8\x82\xA2\x82\xE6("
    "\xA5\xA5\xA4)";
// 数字じゃないデータがあるよ(･･､)
constexpr std::string_view kNotNumeric =
    "\x90\x94\x8E\x9A\x82\xB6\x82\xE1\x82\xC8\x82\xA2\x83\x66\x81[\x83^\x82\xAA\x82\xA0\x82\xE9\x82\xE6(\xA5"
    "\xA5\xA4)";

bool AllNumeric(const Column& column) {
  bool pass = true;
  for (std::size_t i = 0; i < column.Count(); ++i) pass = IsNumericText(column[i]) && pass;
  return pass;
}

}  // namespace

ColumnCheck CheckColumns(Column& xColumn, Column& yColumn) {
  const std::size_t count = xColumn.Count();
  if (count != yColumn.Count()) return ColumnCheck::CountsDiffer;
  if (count == 0) return ColumnCheck::NoData;
  for (std::size_t i = 0; i < count; ++i) {
    xColumn.Trim(i);
    yColumn.Trim(i);
  }
  const bool xPass = AllNumeric(xColumn);
  const bool yPass = AllNumeric(yColumn);
  return xPass && yPass ? ColumnCheck::Ok : ColumnCheck::NotNumeric;
}

std::string_view NoticeText(ColumnCheck check) {
  switch (check) {
    case ColumnCheck::CountsDiffer:
      return kCountsDiffer;
    case ColumnCheck::NoData:
      return kNoData;
    case ColumnCheck::NotNumeric:
      return kNotNumeric;
    case ColumnCheck::Ok:
      break;
  }
  return {};
}

}  // namespace peruka
