// The main window as a person uses it, alike on every backend: the entry
// box, the clear and calculate commands, the result and the window's height,
// the notices, the error boxes and the power function's boxes.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fit/column.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "numeric/math_error.h"
#include "text/shift_jis.h"
#include "window_driver.h"

namespace peruka::testing {
namespace {

std::string Sjis(std::string_view utf8) { return Utf8ToShiftJis(utf8); }
std::string Utf8(std::string_view sjis) { return ShiftJisToUtf8(sjis); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_ = MakeWindowDriver();
    form_ = &driver_->StartMainWindow();
  }
  void TearDown() override {
    for (const ShownBox& box : driver_->TakeBoxes())
      ADD_FAILURE() << "an unexpected box \"" << Utf8(box.title) << "\": " << Utf8(box.text);
  }

  void Enter(std::string_view utf8) { driver_->TypeAndEnter(*form_->Data, Sjis(utf8)); }
  void ClickCalc() { driver_->Click(*form_->CalcBtn); }
  void ClickClear() { driver_->Click(*form_->ClearBtn); }
  void SetColumns(std::string_view x, std::string_view y) {
    form_->XData->SetText(Sjis(x));
    form_->YData->SetText(Sjis(y));
  }
  std::string XText() const { return Utf8(form_->XData->Text()); }
  std::string YText() const { return Utf8(form_->YData->Text()); }
  std::string DataText() const { return Utf8(form_->Data->Text()); }
  std::string Prompt() const { return Utf8(form_->Label1->Caption()); }
  std::string AnswerText() const { return Utf8(form_->Answer->Caption()); }
  int LineHeight() const { return form_->AverageCharSize().height; }

  std::unique_ptr<WindowDriver> driver_;
  TMainForm* form_ = nullptr;
};

constexpr const char* kDegreeOneResult = "y = (2.000000000000000) x^1\n   + (1.000000000000000)";

TEST_F(MainWindowTest, ValuesGoToTheColumnsInTurn) {
  Enter("1.5");
  EXPECT_EQ(XText(), "1.5\r\n");
  EXPECT_EQ(DataText(), "");
  EXPECT_EQ(Prompt(), "Ｙの値：");
  EXPECT_FALSE(form_->NextIsX);
  Enter("-2");
  EXPECT_EQ(YText(), "-2\r\n");
  EXPECT_EQ(Prompt(), "Ｘの値：");
  Enter("3");
  Enter("4");
  EXPECT_EQ(XText(), "1.5\r\n3\r\n");
  EXPECT_EQ(YText(), "-2\r\n4\r\n");
  EXPECT_EQ(form_->XData->Lines()->Count(), 2);
}

TEST_F(MainWindowTest, ClearEmptiesTheBoxesButKeepsResultDegreeAndHeight) {
  SetColumns("0\n1\n2", "1\n3\n5");
  form_->Jisuu->SetItemIndex(0);
  ClickCalc();
  driver_->TakeBoxes();
  const std::string answer = AnswerText();
  const int height = form_->ClientHeight();
  Enter("9");
  form_->Data->SetText("8");
  form_->Jisuu->SetItemIndex(3);
  ClickClear();
  EXPECT_EQ(XText(), "");
  EXPECT_EQ(YText(), "");
  EXPECT_EQ(DataText(), "");
  EXPECT_EQ(Prompt(), "Ｘの値：");
  EXPECT_TRUE(form_->NextIsX);
  EXPECT_EQ(AnswerText(), answer);
  EXPECT_EQ(form_->ClientHeight(), height);
  EXPECT_EQ(form_->Jisuu->ItemIndex(), 3);
  // In the middle of a pair, the next entry is an x again.
  Enter("1");
  ClickClear();
  Enter("2");
  EXPECT_EQ(XText(), "2\r\n");
  EXPECT_EQ(YText(), "");
}

TEST_F(MainWindowTest, DegreeOneFitShowsTwoLinesAndFitsTheWindowToThem) {
  for (const char* v : {"0", "1", "1", "3", "2", "5"}) Enter(v);
  ClickCalc();
  EXPECT_EQ(AnswerText(), kDegreeOneResult);
  EXPECT_EQ(form_->Answer->Height(), 2 * LineHeight());
  EXPECT_EQ(form_->ClientHeight(), form_->Answer->Top() + 2 * LineHeight());
  EXPECT_EQ(form_->ClientHeight(), 190 + 26);
  // x = 0 meets 0 to the power 0 twice: two boxes of the power function.
  std::vector<ShownBox> boxes = driver_->TakeBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  for (const ShownBox& box : boxes) {
    EXPECT_EQ(box.text, "powl: DOMAIN error");
    EXPECT_EQ(box.title, ExecutableFileName());
    EXPECT_TRUE(box.stopIcon);
    EXPECT_EQ(box.buttons, 1);
  }
  // The same command again gives the same text, height and boxes.
  const int height = form_->ClientHeight();
  ClickCalc();
  EXPECT_EQ(AnswerText(), kDegreeOneResult);
  EXPECT_EQ(form_->ClientHeight(), height);
  EXPECT_EQ(driver_->TakeBoxes().size(), 2u);
}

TEST_F(MainWindowTest, TwoPowerBoxesForEveryZeroXAndTheKeyboardComesBack) {
  SetColumns("0\n1\n0\n2\n-0", "1\n2\n1\n3\n1");
  form_->Jisuu->SetItemIndex(1);
  form_->CalcBtn->SetFocus();
  driver_->PressEnterInFocus();
  EXPECT_EQ(driver_->TakeBoxes().size(), 6u);
  EXPECT_EQ(AnswerText().rfind("y = (", 0), 0u);
  // Each box gave the keyboard back, also those that opened before the
  // activation the one before had asked for.
  driver_->ProcessEvents();
  EXPECT_TRUE(driver_->IsActive(*form_));
  EXPECT_EQ(driver_->FocusedControl(), form_->CalcBtn);
}

TEST_F(MainWindowTest, DegreeTwentyFitShowsTwentyOneLines) {
  std::string x, y;
  for (int i = 1; i <= 25; ++i) {
    char value[16];
    std::snprintf(value, sizeof value, "%.1f\n", i * 0.1);
    x += value;
    y += std::to_string(i * i % 7) + "\n";
  }
  SetColumns(x, y);
  form_->Jisuu->SetItemIndex(19);
  ClickCalc();
  EXPECT_TRUE(driver_->TakeBoxes().empty());
  // The window shows exactly the fitting's own text for these columns.
  const FitResult fit = FitPolynomial(19, Column::Copying(x), Column::Copying(y));
  const std::string answer = AnswerText();
  EXPECT_EQ(answer, Utf8(ResultText(fit)));
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = answer.find('\n', start);
    lines.push_back(answer.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_TRUE(lines.front().starts_with("y = (")) << lines.front();
  EXPECT_TRUE(lines.front().ends_with(") x^20")) << lines.front();
  EXPECT_TRUE(lines.back().starts_with("   + (")) << lines.back();
  EXPECT_EQ(lines.back().find('x'), std::string::npos);
  EXPECT_EQ(form_->Answer->Height(), 21 * LineHeight());
  EXPECT_EQ(form_->ClientHeight(), 190 + 21 * 13);
  EXPECT_EQ(form_->ClientWidth(), 312);
}

TEST_F(MainWindowTest, CalculationTrimsTheColumnsInTheBoxes) {
  SetColumns(" 1 \n2\n\t3", "2\n 4\n6 ");
  ClickCalc();
  EXPECT_EQ(XText(), "1\r\n2\r\n3");
  EXPECT_EQ(YText(), "2\r\n4\r\n6");
  EXPECT_EQ(AnswerText(), "y = (2.000000000000000) x^1\n   + (0.000000000000000)");
}

struct NoticeCase {
  const char* name;
  const char* x;
  const char* y;
  const char* notice;
  const char* xAfter;  // the x column afterwards
};
void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name << ": " << c.notice; }

class NoticeFromCalcTest : public MainWindowTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(NoticeFromCalcTest, ShowsOneNoticeAndLeavesResultAndHeight) {
  const NoticeCase& c = GetParam();
  SetColumns("1\n2", "3\n5");
  ClickCalc();
  const std::string answer = AnswerText();
  const int height = form_->ClientHeight();
  SetColumns(c.x, c.y);
  ClickCalc();
  const std::vector<ShownBox> boxes = driver_->TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, ShownBox::kNotice);
  EXPECT_EQ(Utf8(boxes[0].text), c.notice);
  EXPECT_EQ(Utf8(boxes[0].title), "ペルカ");
  EXPECT_EQ(boxes[0].buttons, 1);
  EXPECT_EQ(AnswerText(), answer);
  EXPECT_EQ(form_->ClientHeight(), height);
  EXPECT_EQ(XText(), c.xAfter);
  EXPECT_TRUE(driver_->IsEnabled(*form_));
}

INSTANTIATE_TEST_SUITE_P(Notices, NoticeFromCalcTest,
                         ::testing::Values(NoticeCase{"CountsDiffer", " 1\n2\n3", "1\n2",
                                                      "xとyのデータ数が違うよ(･･､)", " 1\r\n2\r\n3"},
                                           NoticeCase{"NoData", "", "", "データが入力されてないよ(･･､)", ""},
                                           NoticeCase{"AnEmptyLineCounts", "\n", "",
                                                      "xとyのデータ数が違うよ(･･､)", "\r\n"},
                                           NoticeCase{"NotNumeric", " 1\n2,5", "1\n1e3",
                                                      "数字じゃないデータがあるよ(･･､)", "1\r\n2,5"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
  const char* name;
  const char* x;
  const char* y;
  int itemIndex;
  const char* message;  // as shown, the full stop included
  bool labelReadsLead;  // the one late overflow
};
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name << ": " << c.message; }

class ErrorFromCalcTest : public MainWindowTest, public ::testing::WithParamInterface<ErrorCase> {};

// A y value so large that only the elimination's very last store overflows.
constexpr const char* kLateOverflowY =
    "16019303142165986213636093752417061591583842359200633341763215499652541511387311664977267627172734946418"
    "017409"
    "94123889267136282782101547250455731607332637269938456044792415735427314300293173434159822293645978136158"
    "861546"
    "93793209477864168084862231571196649231117292153501818799164725710676194296743455645316858\n0";

// "1" and 309 zeros.
const std::string kBeyondDoubleText = "1" + std::string(309, '0');
const char* const kBeyondDouble = kBeyondDoubleText.c_str();

TEST_P(ErrorFromCalcTest, ShowsTheErrorBoxAndGoesOn) {
  const ErrorCase& c = GetParam();
  SetColumns("1\n2", "3\n5");
  ClickCalc();
  const std::string previous = AnswerText();
  ASSERT_EQ(previous, kDegreeOneResult);
  const int height = form_->ClientHeight();

  SetColumns(c.x, c.y);
  form_->Jisuu->SetItemIndex(c.itemIndex);
  form_->Data->SetFocus();
  ClickCalc();
  const std::vector<ShownBox> boxes = driver_->TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, ShownBox::kMessageBox);
  EXPECT_EQ(Utf8(boxes[0].text), c.message);
  EXPECT_EQ(Utf8(boxes[0].title), "ペルカ");
  EXPECT_TRUE(boxes[0].stopIcon);
  EXPECT_EQ(boxes[0].buttons, 1);
  EXPECT_EQ(AnswerText(), c.labelReadsLead ? "y = " : previous);
  EXPECT_EQ(form_->ClientHeight(), height);

  // The program goes on: the window takes input, the focus is back on the
  // button that was clicked, and nothing typed is lost.
  driver_->ProcessEvents();
  EXPECT_TRUE(driver_->IsEnabled(*form_));
  EXPECT_TRUE(driver_->IsActive(*form_));
  EXPECT_EQ(driver_->FocusedControl(), form_->CalcBtn);
  const std::string xBefore = XText();
  Enter("7");
  EXPECT_EQ(form_->XData->Lines()->Get(form_->XData->Lines()->Count() - 1), "7");
  EXPECT_EQ(XText().rfind(xBefore, 0), 0u);
  // And the next good calculation works again.
  SetColumns("1\n2", "3\n5");
  form_->Jisuu->SetItemIndex(0);
  ClickCalc();
  EXPECT_EQ(AnswerText(), previous);
  EXPECT_TRUE(driver_->TakeBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorFromCalcTest,
    ::testing::Values(
        ErrorCase{"BadLine", "1\n-", "1\n2", 0, "'-' は浮動小数点ではありません.", false},
        ErrorCase{"EmptyLine", "1\n\n3", "1\n2\n3", 0, "'' は浮動小数点ではありません.", false},
        // Trimming empties the last x line; the point is refused, not dropped.
        ErrorCase{"BlankLastLine", "2\n1\n   ", "1\n3\n5", 0, "'' は浮動小数点ではありません.", false},
        ErrorCase{"ZeroPivot", "3", "5", 0, "無効な浮動小数点操作.", false},
        ErrorCase{"Overflow", "100000000", "1", 19, "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ.", false},
        ErrorCase{"ValueBeyondDouble", kBeyondDouble, "1", 0, "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ.", false},
        ErrorCase{"LateOverflow", "1\n2", kLateOverflowY, 0, "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ.", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace peruka::testing
