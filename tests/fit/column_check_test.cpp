// The check of both columns before a calculation.
#include "fit/column_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fit/fit_polynomial.h"
#include "fit/text_lines.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "text/shift_jis.h"

namespace peruka {
namespace {

using Lines = std::vector<std::string>;

Lines AllLines(const LineList& lines) {
  Lines all;
  for (std::size_t i = 0; i < lines.Count(); ++i) all.push_back(lines.Line(i));
  return all;
}

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
    TextLines x = TextLines::FromText(row.x);
    TextLines y = TextLines::FromText(row.y);
    EXPECT_EQ(CheckColumns(x, y), row.result) << row.name;
    EXPECT_EQ(AllLines(x), row.xAfter) << row.name;
    EXPECT_EQ(AllLines(y), row.yAfter) << row.name;
  }
}

TEST(CheckColumns, LongLineIsKeptWholeAfterTrimming) {
  const std::string value = std::string(4997, '0') + "123";
  TextLines x = TextLines::FromText("  " + value + "  \n2\n");
  TextLines y = TextLines::FromText("1\n2\n");
  ASSERT_EQ(CheckColumns(x, y), ColumnCheck::Ok);
  EXPECT_EQ(x.Line(0), value);
  EXPECT_EQ(ParseDecimal(x.Line(0)), 123.0);
}

// Records every read and write of two columns in one log.
class RecordingLines final : public LineList {
 public:
  RecordingLines(char name, Lines lines, std::vector<std::string>& log)
      : name_(name), lines_(std::move(lines)), log_(log) {}
  std::size_t Count() const override { return lines_.size(); }
  std::string Line(std::size_t i) const override {
    log_.push_back(std::string("read ") + name_ + std::to_string(i));
    return i < lines_.size() ? lines_[i] : std::string();
  }
  void Replace(std::size_t i, std::string_view text) override {
    log_.push_back(std::string("write ") + name_ + std::to_string(i));
    if (i < lines_.size()) lines_[i] = text;
  }

 private:
  char name_;
  Lines lines_;
  std::vector<std::string>& log_;
};

TEST(CheckColumns, TrimsXThenYLineByLineThenExaminesEveryLine) {
  std::vector<std::string> log;
  RecordingLines x('x', {" a ", " 1 ", " 2 "}, log);
  RecordingLines y('y', {" 3 ", " b ", " 4 "}, log);
  EXPECT_EQ(CheckColumns(x, y), ColumnCheck::NotNumeric);

  // Writes, in order: x0 y0 x1 y1 x2 y2.
  std::vector<std::string> writes;
  for (const auto& entry : log)
    if (entry.rfind("write ", 0) == 0) writes.push_back(entry);
  EXPECT_EQ(writes, (std::vector<std::string>{"write x0", "write y0", "write x1", "write y1", "write x2",
                                              "write y2"}));
  // After the last write every line is read, although x0 fails already.
  std::size_t lastWrite = 0;
  for (std::size_t i = 0; i < log.size(); ++i)
    if (log[i].rfind("write ", 0) == 0) lastWrite = i;
  std::vector<std::string> reads(log.begin() + static_cast<std::ptrdiff_t>(lastWrite) + 1, log.end());
  EXPECT_EQ(reads,
            (std::vector<std::string>{"read x0", "read x1", "read x2", "read y0", "read y1", "read y2"}));
}

TEST(CheckColumns, CountFailuresTouchNoLine) {
  std::vector<std::string> log;
  RecordingLines x('x', {" 1 ", " 2 "}, log);
  RecordingLines y('y', {" 1 "}, log);
  EXPECT_EQ(CheckColumns(x, y), ColumnCheck::CountsDiffer);
  EXPECT_TRUE(log.empty());
}

TEST(CheckColumns, BlankLineFailsLaterInTheConversion) {
  TextLines x = TextLines::FromText("1\n   \n3\n");
  TextLines y = TextLines::FromText("1\n2\n3\n");
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
