// The rounding multiply-divide, the scaling of a definition to the screen,
// client sizes and centring.
#include <QFontMetrics>
#include <memory>
#include <optional>

#include "ui/form.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

// Points in failure messages, found by argument-dependent lookup.
void PrintTo(const QPoint& point, std::ostream* os) { *os << "(" << point.x() << ", " << point.y() << ")"; }

namespace peruka::testing {
namespace {

struct MulDivCase {
  int a, b, c, result;
};
void PrintTo(const MulDivCase& c, std::ostream* os) {
  *os << "MulDiv(" << c.a << ", " << c.b << ", " << c.c << ") = " << c.result;
}
std::string Signed(int value) { return value < 0 ? "Minus" + std::to_string(-value) : std::to_string(value); }

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero) {
  const MulDivCase& c = GetParam();
  EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result);
}

INSTANTIATE_TEST_SUITE_P(Values, MulDivTest,
                         ::testing::Values(MulDivCase{-15, 96, 120, -12}, MulDivCase{-15, 144, 120, -18},
                                           MulDivCase{-15, 112, 120, -14}, MulDivCase{7, 1, 2, 4},
                                           MulDivCase{-7, 1, 2, -4}, MulDivCase{5, 1, 2, 3},
                                           MulDivCase{-5, 1, 2, -3}, MulDivCase{7, -1, 2, -4},
                                           MulDivCase{273, 13, 15, 237}, MulDivCase{360, 12, 15, 288},
                                           MulDivCase{273, 12, 15, 218}, MulDivCase{9, 96, 72, 12},
                                           MulDivCase{8, 7, 4, 14}, MulDivCase{10, 7, 4, 18}),
                         [](const auto& info) {
                           const MulDivCase& c = info.param;
                           return Signed(c.a) + "Times" + Signed(c.b) + "Over" + Signed(c.c);
                         });

TEST(DefinitionScale, FontHeightFollowsThePixelsPerInch) {
  EXPECT_EQ(ScaledFontHeight(-15, 120, 120), -15);
  EXPECT_EQ(ScaledFontHeight(-15, 96, 120), -12);
  EXPECT_EQ(ScaledFontHeight(-15, 144, 120), -18);
}

TEST(DefinitionScale, RightAndBottomEdgesAreScaled) {
  // "0" 12 pixels high at 96 pixels per inch.
  EXPECT_EQ(ScaleBounds({16, 48, 137, 129}, 12, 15), (Bounds{13, 38, 109, 104}));
  // Nothing changes when the heights agree.
  EXPECT_EQ(ScaleBounds({16, 48, 137, 129}, 15, 15), (Bounds{16, 48, 137, 129}));
  // Adjoining controls stay adjoining.
  const Bounds a = ScaleBounds({0, 0, 37, 10}, 13, 15);
  const Bounds b = ScaleBounds({37, 0, 41, 10}, 13, 15);
  EXPECT_EQ(a.left + a.width, b.left);
}

TEST(DefinitionScale, TheHeightOfZeroIsTheFontsCellHeight) {
  EXPECT_EQ(TextHeightOfZero(MakeFont(Sjis("ＭＳ Ｐゴシック"), -12)), 13);
  EXPECT_EQ(TextHeightOfZero(MakeFont(Sjis("ＭＳ Ｐゴシック"), -14)), 15);
  EXPECT_EQ(TextHeightOfZero(MakeFont(Sjis("ＭＳ Ｐゴシック"), -15)), 16);
}

TEST(FormPlacement, ClientHeightGrowsAtTheBottom) {
  auto form = std::make_unique<TForm>(Application);
  form->SetBorderStyle(bsSingle);
  form->SetBounds(30, 40, 200, 100);
  form->SetClientHeight(150);
  EXPECT_EQ(form->ClientHeight(), 150);
  EXPECT_EQ(form->Left(), 30);
  EXPECT_EQ(form->Top(), 40);
  EXPECT_EQ(QtWidget(form)->minimumHeight(), 150);
  EXPECT_EQ(QtWidget(form)->maximumHeight(), 150);
}

TEST(FormPlacement, CentringHappensOnceAndNeverToANegativePosition) {
  auto form = std::make_unique<TForm>(Application);
  form->SetBorderStyle(bsSingle);
  form->SetPosition(poScreenCenter);
  form->SetClientWidth(200);
  form->SetClientHeight(Screen->Height() + 300);
  form->Show();
  EXPECT_EQ(form->Top(), 0);
  EXPECT_EQ(form->Left(), (Screen->Width() - form->Width()) / 2);
  form->Hide();
  form->SetBounds(5, 6, form->Width(), form->Height());
  form->Show();  // shown again: not centred again
  EXPECT_EQ(form->Left(), 5);
}

// A window manager reports the frame after the form has been centred by its
// client size; the form is then centred again by its outer size, once, if
// it has not been moved meanwhile.
struct ReportedFrame {
  const char* name;
  TCentring rule;
  QSize screen;
  QPoint placed;  // where the form was put before the frame was known
  QRect client, frame;
  std::optional<QPoint> centred;  // where the frame goes, if anywhere
};
void PrintTo(const ReportedFrame& c, std::ostream* os) {
  const auto rect = [](const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) +
           "," + std::to_string(r.y());
  };
  *os << (c.rule == TCentring::kNotice ? "notice" : "window") << ", client " << rect(c.client) << ", frame "
      << rect(c.frame);
}

class ReportedFrameTest : public ::testing::TestWithParam<ReportedFrame> {};

TEST_P(ReportedFrameTest, CentresByTheOuterSizeOnce) {
  const ReportedFrame& c = GetParam();
  EXPECT_EQ(CentredOnceFramed(c.rule, c.screen, c.placed, c.client, c.frame), c.centred);
}

// Borders of 1 pixel, a caption bar of 20 (openbox's default theme).
INSTANTIATE_TEST_SUITE_P(
    Frames, ReportedFrameTest,
    ::testing::Values(ReportedFrame{"NoFrameYet",
                                    TCentring::kScreenCenter,
                                    {1024, 768},
                                    {356, 289},
                                    {356, 289, 312, 190},
                                    {356, 289, 312, 190},
                                    std::nullopt},
                      // The client area stays where it was put, the frame grows around it.
                      ReportedFrame{"ClientKeptInPlace",
                                    TCentring::kScreenCenter,
                                    {1024, 768},
                                    {356, 289},
                                    {356, 289, 312, 190},
                                    {355, 269, 314, 211},
                                    QPoint(355, 278)},
                      // The frame's corner is put where the client area was meant to be.
                      ReportedFrame{"FrameAtThePlace",
                                    TCentring::kScreenCenter,
                                    {1024, 768},
                                    {356, 289},
                                    {357, 309, 312, 190},
                                    {356, 289, 314, 211},
                                    QPoint(355, 278)},
                      ReportedFrame{"MovedMeanwhile",
                                    TCentring::kScreenCenter,
                                    {1024, 768},
                                    {356, 289},
                                    {101, 120, 312, 190},
                                    {100, 100, 314, 211},
                                    std::nullopt},
                      ReportedFrame{"TallerThanTheScreen",
                                    TCentring::kScreenCenter,
                                    {1024, 768},
                                    {356, 0},
                                    {356, 0, 312, 900},
                                    {355, -20, 314, 921},
                                    QPoint(355, 0)},
                      // The notice takes half its size from half the screen's: one pixel
                      // apart from the window's rule here, and never clamped.
                      ReportedFrame{"Notice",
                                    TCentring::kNotice,
                                    {1024, 768},
                                    {454, 345},
                                    {454, 345, 116, 78},
                                    {453, 325, 118, 99},
                                    QPoint(453, 335)},
                      ReportedFrame{"NoticeTallerThanTheScreen",
                                    TCentring::kNotice,
                                    {1024, 768},
                                    {454, -66},
                                    {454, -66, 116, 900},
                                    {453, -86, 118, 921},
                                    QPoint(453, -76)}),
    RowName());

}  // namespace
}  // namespace peruka::testing
