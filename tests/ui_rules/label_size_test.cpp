// The auto-size rule of a label with every backend's text measuring alike:
// the widest line, one line height a line, an empty caption one blank, and
// the accelerator rule.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "text_measure.h"
#include "ui/layout_rules.h"

namespace peruka::testing {
namespace {

struct LabelCase {
  const char* name;
  const char* caption;      // Shift-JIS
  const char* sameWidthAs;  // measured without the rules
  int lines;
};
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class LabelSizeRuleTest : public ::testing::TestWithParam<LabelCase> {
 protected:
  std::unique_ptr<TextMeasure> measure_ = MakeTextMeasure();
};

TEST_P(LabelSizeRuleTest, AutoSizeMeasuresTheCaption) {
  const LabelCase& c = GetParam();
  const auto measure = [&](std::string_view text) { return measure_->Measure(text, true); };
  const Bounds sized = AutoSizedLabelBounds({10, 20, 5, 5}, c.caption, true, false, measure);
  EXPECT_EQ(sized.height, c.lines * measure_->LineHeight());
  EXPECT_EQ(sized.width, measure_->PlainWidth(c.sameWidthAs));
  EXPECT_EQ(sized.left, 10);
  EXPECT_EQ(sized.top, 20);
  // Right-justified, the right edge stays.
  const Bounds right = AutoSizedLabelBounds({10, 20, 100, 5}, c.caption, true, true, measure);
  EXPECT_EQ(right.left + right.width, 110);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, LabelSizeRuleTest,
    ::testing::Values(
        LabelCase{"FullWidth", "\x82\x77\x82\xcc\x92\x6c\x81\x46", "\x82\x77\x82\xcc\x92\x6c\x81\x46", 1},
        LabelCase{"Empty", "", " ", 1}, LabelCase{"LoneAmpersand", "&", " ", 1},
        LabelCase{"TwoLines", "ab\nc", "ab", 2}, LabelCase{"WidestLine", "ab\ncdef\ng", "cdef", 3},
        LabelCase{"CarriageReturnLineFeed", "ab\r\nc", "ab", 2}, LabelCase{"DoubledAmpersand", "&&", "&", 1},
        LabelCase{"Accelerator", "&x", "x", 1}, LabelCase{"MixedAmpersands", "a&&b&c", "a&bc", 1}),
    [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

TEST(LabelSizeRule, WithoutTheAcceleratorRuleAnAmpersandIsMeasured) {
  const std::unique_ptr<TextMeasure> measure = MakeTextMeasure();
  const Bounds sized = AutoSizedLabelBounds(
      {0, 0, 5, 5}, "&", false, false, [&](std::string_view text) { return measure->Measure(text, false); });
  EXPECT_EQ(sized.width, measure->PlainWidth("&"));
  EXPECT_EQ(sized.height, measure->LineHeight());
}

}  // namespace
}  // namespace peruka::testing
