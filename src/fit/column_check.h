// The check of both columns before a calculation.
#pragma once

#include <string_view>

#include "fit/column.h"

namespace peruka {

enum class ColumnCheck {
  Ok,
  CountsDiffer,  // "xとyのデータ数が違うよ(･･､)"
  NoData,        // "データが入力されてないよ(･･､)"
  NotNumeric,    // "数字じゃないデータがあるよ(･･､)"
};

// Compares the line counts, then trims every line of both columns (x line i,
// then y line i), then applies IsNumericText to every line. Lines are read
// whole. Returns the first failed condition; the columns' TrimmedLines tell
// which lines the trimming changed.
ColumnCheck CheckColumns(Column& xColumn, Column& yColumn);

// The notice for a failed check (Shift-JIS); empty for Ok.
std::string_view NoticeText(ColumnCheck check);

}  // namespace peruka
