// The main window after start-up, alike on every backend: its texts, the
// degree list, and the layout scaled to the screen's pixels per inch and
// centred on the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "text/shift_jis.h"
#include "ui/screen.h"
#include "window_driver.h"

namespace peruka::testing {
namespace {

std::string Utf8(std::string_view sjis) { return ShiftJisToUtf8(sjis); }

struct Placed {
  const char* control;
  int left, top, width, height;
};

struct ScaledLayout {
  const char* name;
  int pixelsPerInch;
  int fontHeight;  // the form's, negative: the character height
  int clientWidth;
  int clientHeight;
  std::vector<Placed> controls;
};
void PrintTo(const ScaledLayout& c, std::ostream* os) { *os << c.pixelsPerInch << " pixels per inch"; }

class MainWindowLayoutTest : public ::testing::TestWithParam<ScaledLayout> {
 protected:
  void SetUp() override {
    savedPixelsPerInch_ = Screen->PixelsPerInch();
    Screen->SetPixelsPerInch(GetParam().pixelsPerInch);
    driver_ = MakeWindowDriver();
    form_ = &driver_->StartMainWindow();
  }
  void TearDown() override {
    driver_.reset();
    Screen->SetPixelsPerInch(savedPixelsPerInch_);
  }

  int savedPixelsPerInch_ = 96;
  std::unique_ptr<WindowDriver> driver_;
  TMainForm* form_ = nullptr;
};

// The definition is made at 120 pixels per inch with a font 15 pixels high
// whose "0" is 15 pixels high. The font follows the pixels per inch; the rest
// is scaled by the height of "0" in the new font against 15 (IPAPGothic:
// 13 at 12 pixels, 15 at 14, 16 at 15), then FormCreate lays the window out
// in plain pixels.
void ExpectLayout(const TMainForm& form, const ScaledLayout& c) {
  EXPECT_EQ(form.FontHeight(), c.fontHeight);
  EXPECT_EQ(form.ClientWidth(), c.clientWidth);
  EXPECT_EQ(form.ClientHeight(), c.clientHeight);
  for (const Placed& e : c.controls) {
    SCOPED_TRACE(e.control);
    const auto* control = dynamic_cast<const TControl*>(form.FindComponent(e.control));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Left(), e.left);
    EXPECT_EQ(control->Top(), e.top);
    EXPECT_EQ(control->Width(), e.width);
    EXPECT_EQ(control->Height(), e.height);
  }
}

TEST_P(MainWindowLayoutTest, FollowsTheScalingOfTheDefinition) {
  ExpectLayout(*form_, GetParam());
  // Centred on the screen by the outer size when first shown; later size
  // changes keep the top-left corner.
  EXPECT_EQ(form_->Left(), (Screen->Width() - form_->Width()) / 2);
  EXPECT_EQ(form_->Top(), (Screen->Height() - form_->Height()) / 2);
  const int left = form_->Left();
  const int top = form_->Top();
  form_->SetClientHeight(400);
  EXPECT_EQ(form_->Left(), left);
  EXPECT_EQ(form_->Top(), top);
  EXPECT_EQ(form_->ClientHeight(), 400);
}

const std::vector<ScaledLayout>& Layouts() {
  static const std::vector<ScaledLayout> layouts{
      ScaledLayout{"At96",
                   96,
                   -12,
                   312,  // MulDiv(360, 13, 15)
                   190,
                   {
                       {"Label1", 3, 3, 38, 13},  // auto-sized to "Ｘの値："
                       {"XLabel", 8, 23, 63, 28},
                       {"YLabel", 164, 23, 63, 28},
                       {"Data", 49, 0, 160, 20},
                       {"Jisuu", 215, 0, 98, 21},  // fixed height: item height 15 + 6
                       {"XData", 0, 41, 156, 111},
                       {"YData", 156, 41, 156, 111},
                       {"CalcBtn", 29, 160, 98, 22},
                       {"ClearBtn", 185, 160, 98, 22},
                       {"Answer", 25, 190, 3, 13},  // an empty caption measures one blank
                   }},
      // "0" is 15 pixels high, as in the definition: nothing is rescaled.
      ScaledLayout{"At112",
                   112,
                   -14,
                   360,
                   214,
                   {
                       {"XLabel", 8, 26, 73, 33},
                       {"YLabel", 188, 26, 73, 33},
                       {"Data", 56, 0, 185, 23},
                       {"Jisuu", 248, 0, 113, 21},
                       {"XData", 0, 44, 180, 129},
                       {"YData", 180, 44, 180, 129},
                       {"CalcBtn", 33, 181, 113, 25},  // one pixel left of true centre
                       {"ClearBtn", 213, 181, 113, 25},
                   }},
      // "0" is 16 pixels high: everything grows by 16/15, right and bottom
      // edges rounded (Data: 56..241 becomes 60..257).
      ScaledLayout{"At120",
                   120,
                   -15,
                   384,
                   226,
                   {
                       {"Label1", 3, 4, 49, 16},  // auto-sized to "Ｘの値："
                       {"XLabel", 8, 28, 77, 35},
                       {"YLabel", 200, 28, 77, 35},
                       {"Data", 60, 0, 197, 25},
                       {"Jisuu", 265, 0, 120, 21},
                       {"XData", 0, 46, 192, 138},
                       {"YData", 192, 46, 192, 138},
                       {"CalcBtn", 36, 192, 120, 26},
                       {"ClearBtn", 228, 192, 120, 26},
                       {"Answer", 32, 226, 4, 16},
                   }}};
  return layouts;
}

INSTANTIATE_TEST_SUITE_P(PixelsPerInch, MainWindowLayoutTest, ::testing::ValuesIn(Layouts()),
                         [](const auto& info) { return std::string(info.param.name); });

// The screen's own pixels per inch, as the system reports it: the Windows
// tests run this once more in a wine prefix whose screen has 120 pixels per
// inch (PERUKA_SCREEN_PIXELS_PER_INCH says which the screen should have).
TEST(MainWindowScreenTest, IsLaidOutForTheSystemsPixelsPerInch) {
  const char* expected = std::getenv("PERUKA_SCREEN_PIXELS_PER_INCH");
  if (!expected) GTEST_SKIP() << "run by the Windows tests with the screen's pixels per inch set";
  ASSERT_EQ(Screen->PixelsPerInch(), std::atoi(expected));
  const std::unique_ptr<WindowDriver> driver = MakeWindowDriver();
  const TMainForm& form = driver->StartMainWindow();
  bool found = false;
  for (const ScaledLayout& layout : Layouts()) {
    if (layout.pixelsPerInch != Screen->PixelsPerInch()) continue;
    found = true;
    ExpectLayout(form, layout);
  }
  EXPECT_TRUE(found) << "no layout of the table is for " << expected << " pixels per inch";
}

TEST(MainWindowStartTest, StartsEmptyWithTheXPromptAndDegreeOne) {
  const std::unique_ptr<WindowDriver> driver = MakeWindowDriver();
  TMainForm& form = driver->StartMainWindow();
  EXPECT_EQ(form.Data->Text(), "");
  EXPECT_EQ(form.XData->Text(), "");
  EXPECT_EQ(form.YData->Text(), "");
  EXPECT_EQ(form.Answer->Caption(), "");
  EXPECT_EQ(Utf8(form.Label1->Caption()), "Ｘの値：");
  EXPECT_EQ(Utf8(form.Jisuu->Items()->Get(form.Jisuu->ItemIndex())), "１次");
  EXPECT_TRUE(form.NextIsX);
  EXPECT_EQ(Utf8(form.Caption()), "ペルカ");
  EXPECT_EQ(Utf8(form.XLabel->Caption()), "Ｘの値：");
  EXPECT_EQ(Utf8(form.YLabel->Caption()), "Ｙの値：");
  EXPECT_EQ(Utf8(form.ClearBtn->Caption()), "データ削除");
  EXPECT_EQ(Utf8(form.CalcBtn->Caption()), "計算実行");
  ASSERT_EQ(form.Jisuu->Items()->Count(), 20);
  for (int k = 0; k < 20; ++k) {
    std::string fullWidth;
    for (char d : std::to_string(k + 1))
      fullWidth += std::string("０１２３４５６７８９").substr(static_cast<std::size_t>(d - '0') * 3, 3);
    EXPECT_EQ(Utf8(form.Jisuu->Items()->Get(k)), fullWidth + "次");
  }
  EXPECT_TRUE(driver->TakeBoxes().empty());
}

}  // namespace
}  // namespace peruka::testing
