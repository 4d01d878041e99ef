// The check of both columns before a calculation.
#include "fit/column_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "column_lines.h"
#include "fit/fit_polynomial.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "text/shift_jis.h"

namespace peruka {
namespace {

using Lines = std::vector<std::string>;

using testing::AllLines;

TEST(CheckColumns, NoticeTexts) {
  EXPECT_EQ(NoticeText(ColumnCheck::CountsDiffer), Utf8ToShiftJis("xとyのデータ数が違うよ(･･､)"));
  EXPECT_EQ(NoticeText(ColumnCheck::NoData), Utf8ToShiftJis("データが入力されてないよ(･･､)"));
  EXPECT_EQ(NoticeText(ColumnCheck::NotNumeric), Utf8ToShiftJis("数字じゃないデータがあるよ(･･､)"));
  EXPECT_EQ(NoticeText(ColumnCheck::Ok), "");
  // The face at the end is half-width: one byte per character.
  EXPECT_EQ(NoticeText(ColumnCheck::NoData).substr(NoticeText(ColumnCheck::NoData).size() - 5),
            "(\xA5\xA5\xA4)");
}

struct CheckRow {
  const char* name;
  std::string x, y;  // column texts
  ColumnCheck result;
  Lines xAfter, yAfter;
};

TEST(CheckColumns, ConditionsInOrder) {
  const CheckRow rows[] = {
      {"both empty", "", "", ColumnCheck::NoData, {}, {}},
      {"one empty line each", "\r\n", "\r\n", ColumnCheck::Ok, {""}, {""}},
      {"x empty, y not", "", "1", ColumnCheck::CountsDiffer, {}, {"1"}},
      // The lines keep their blanks: trimming comes after both count tests.
      {"three x, two y",
       " 1 \n 2 \n 3 ",
       " 4 \n 5 ",
       ColumnCheck::CountsDiffer,
       {" 1 ", " 2 ", " 3 "},
       {" 4 ", " 5 "}},
      {"trimmed and passed", " 2.5 \n\t-3\r", "1 \n 7", ColumnCheck::Ok, {"2.5", "-3"}, {"1", "7"}},
      {"comma", "2,5", "1", ColumnCheck::NotNumeric, {"2,5"}, {"1"}},
      {"exponent", "1", " 1e3 ", ColumnCheck::NotNumeric, {"1"}, {"1e3"}},
      // All lines are trimmed even when the first one fails.
      {"failure in the first x line", "x \n 2", "1\n 2 ", ColumnCheck::NotNumeric, {"x", "2"}, {"1", "2"}},
      {"failure in the last y line", "1\n2", "1\n 2+", ColumnCheck::NotNumeric, {"1", "2"}, {"1", "2+"}},
      {"empty line in the middle", "1\n\n3", "4\n5\n6", ColumnCheck::Ok, {"1", "", "3"}, {"4", "5", "6"}},
      {"trailing line break not counted", "1\n2\n", "3\n4", ColumnCheck::Ok, {"1", "2"}, {"3", "4"}},
      {"blanks only become empty", "1\n   \n3", "2\n3\n4", ColumnCheck::Ok, {"1", "", "3"}, {"2", "3", "4"}},
      {"full-width blank stays",
       "\x81\x40"
       "1",
       "2",
       ColumnCheck::NotNumeric,
       {"\x81\x40"
        "1"},
       {"2"}},
      {"lone minus and point pass",
       "-\n.\n-.",
       "1\n2\n3",
       ColumnCheck::Ok,
       {"-", ".", "-."},
       {"1", "2", "3"}},
  };
  for (const auto& row : rows) {
    Column x = Column::Copying(row.x);
    Column y = Column::Copying(row.y);
    EXPECT_EQ(CheckColumns(x, y), row.result) << row.name;
    EXPECT_EQ(AllLines(x), row.xAfter) << row.name;
    EXPECT_EQ(AllLines(y), row.yAfter) << row.name;
  }
}

TEST(CheckColumns, LongLineIsKeptWholeAfterTrimming) {
  const std::string value = std::string(4997, '0') + "123";
  Column x = Column::Copying("  " + value + "  \n2\n");
  Column y = Column::Copying("1\n2\n");
  ASSERT_EQ(CheckColumns(x, y), ColumnCheck::Ok);
  EXPECT_EQ(x[0], value);
  EXPECT_EQ(ParseDecimal(x[0]), 123.0);
}

TEST(CheckColumns, ListsTheLinesTheTrimmingChanged) {
  Column x = Column::Copying(" a \n1\n 2 ");
  Column y = Column::Copying("3\n b \n4");
  EXPECT_EQ(CheckColumns(x, y), ColumnCheck::NotNumeric);
  EXPECT_EQ(x.TrimmedLines(), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(y.TrimmedLines(), (std::vector<std::size_t>{1}));
}

TEST(CheckColumns, CountFailuresTouchNoLine) {
  Column x = Column::Copying(" 1 \n 2 ");
  Column y = Column::Copying(" 1 ");
  EXPECT_EQ(CheckColumns(x, y), ColumnCheck::CountsDiffer);
  EXPECT_TRUE(x.TrimmedLines().empty());
  EXPECT_TRUE(y.TrimmedLines().empty());
  EXPECT_EQ(AllLines(x), (Lines{" 1 ", " 2 "}));
}

TEST(CheckColumns, BlankLineFailsLaterInTheConversion) {
  Column x = Column::Copying("1\n   \n3\n");
  Column y = Column::Copying("1\n2\n3\n");
  ASSERT_EQ(CheckColumns(x, y), ColumnCheck::Ok);
  try {
    FitPolynomial(0, x, y);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "''" + Utf8ToShiftJis(" は浮動小数点ではありません"));
  }
}

}  // namespace
}  // namespace peruka
